// One whole turn: the player's phase played by the autoplayer, the end of the phase, the
// computer's phase and the end-of-turn check, with every wait at zero; over maps of several sides
// and fleets of several sizes, so the cost per unit and the (absent) cost of the map show.

#include "ai/opponent.h"
#include "state/class_table.h"
#include "state/game.h"
#include "support/place_unit.h"
#include "turn/autoplayer.h"
#include "turn/turn_hooks.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace olvane
{

namespace
{

constexpr int ZoneSize = 12;
constexpr int MostZones = 22;
constexpr int HomeZonesUsed = 8;

/// Player and computer fleets of up to 60 ships each: destroyers, cruisers, submarines and
/// escorts, spread over a square sea with islands, the player's in the south half and the
/// computer's in the north half in groups of three over a grid of open-sea zones.
class BenchWorld
{
public:
    BenchWorld(int mapCells, int unitsPerSide)
        : mapCells_(mapCells), unitsPerSide_(unitsPerSide), seeds_(20261206), random_(seeds_),
          files_(std::filesystem::temp_directory_path() / "olvane-bench-none",
                 std::filesystem::temp_directory_path() / "olvane-bench-none"),
          game_(std::make_unique<Game>(presenter_, random_, files_, clock_, PlayHooks()))
    {
        InitShipClasses(game_->classes);
        Reset();
    }

    void Reset()
    {
        GameState& state = game_->state;
        ResetGame(state);
        state.GameMode = ModeMission;
        state.PlayerNation = NationUnitedStates;
        state.EnemyNation = NationJapan;
        const int side = mapCells_;
        state.MapWidth = side;
        state.MapHeight = side;
        ClearMaps(state);
        // Islands every 24 fields.
        for (int x = 10; x + 3 <= side; x += 24)
        {
            for (int y = 10; y + 2 <= side; y += 24)
            {
                for (int dx = 0; dx < 4; ++dx)
                {
                    for (int dy = 0; dy < 3; ++dy)
                    {
                        state.MapGrid(x + dx, y + dy) = CodeCoastLine;
                    }
                }
            }
        }
        // Open zones of 12 × 12 over the sea, each bordering its neighbours.
        const int perRow = side / ZoneSize;
        state.ZoneExtraCount = static_cast<std::uint8_t>(std::min(MostZones, perRow * perRow));
        for (int k = 0; k < state.ZoneExtraCount; ++k)
        {
            AIZoneRec& zone = state.AIZone(HomeZoneCount + 1 + k);
            zone.Size = ZoneSize;
            zone.OriginX = static_cast<std::uint8_t>(1 + (k % perRow) * ZoneSize);
            zone.OriginY = static_cast<std::uint8_t>(1 + (k / perRow) * ZoneSize);
            int n = 0;
            for (int other : {k - 1, k + 1, k - perRow, k + perRow})
            {
                if (other >= 0 && other < state.ZoneExtraCount)
                {
                    zone.Neighbours[static_cast<std::size_t>(n++)] =
                        static_cast<std::uint8_t>(HomeZoneCount + 1 + other);
                }
            }
        }
        BuildZoneSectors(state);

        constexpr int PlayerClasses[] = {43, 53, 46, 20, 40, 30};
        constexpr int EnemyClasses[] = {43, 13, 46, 20, 56, 26};
        // Rows of ships seven fields apart, as many rows as the fleet needs, packed closer on a
        // small map so each fleet keeps to its half.
        const int columns = std::max(1, (side - 6) / 7);
        const int rows = (unitsPerSide_ + columns) / columns;
        const int rowStep = std::clamp((side / 2 - 8) / rows, 2, 6);
        for (int slot = 1; slot <= unitsPerSide_; ++slot)
        {
            const int x = 4 + (slot % columns) * 7;
            const int row = slot / columns;
            Place(PlayerBaseId + slot, PlayerClasses[slot % 6], x, side / 2 + 4 + row * rowStep);
            Place(EnemyBaseId + slot, EnemyClasses[slot % 6], x, 4 + row * rowStep);
            UnitRec& e = state.Unit(EnemyBaseId + slot);
            const int g = 1 + (slot - 1) / 3;
            e.AIGroup = static_cast<std::uint8_t>(g);
            AIGroupRec& group = state.AIGroup(g);
            group.Members[static_cast<std::size_t>(group.MemberCount)] =
                static_cast<std::uint16_t>(EnemyBaseId + slot);
            ++group.MemberCount;
            group.Zone = static_cast<std::uint8_t>(HomeZoneCount + 1 +
                                                   (g - 1) % std::min<int>(HomeZonesUsed, state.ZoneExtraCount));
            e.AIWork1 = group.Zone;
            e.Order = OrderRegroup;
        }
        state.PlayerShipCount = static_cast<std::uint8_t>(unitsPerSide_);
        state.EnemyShipCount = static_cast<std::uint8_t>(unitsPerSide_);
        state.AIGroupCount = static_cast<std::uint8_t>((unitsPerSide_ + 2) / 3);
        state.ViewColumns = 24;
        state.ViewRows = 18;
        player_ = std::make_unique<Autoplayer>(*game_, presenter_);
        BeginGame(*game_);
    }

    void PlayTurn() { player_->PlayTurn(); }

    const GameState& State() const { return game_->state; }

private:
    /// A ship on its field; a two-cell ship's stern lies one field west.
    void Place(int id, int c, int x, int y) { test::PlaceUnit(*game_, id, c, x, y, x - 1, y); }

    int mapCells_;
    int unitsPerSide_;
    HeadlessPresenter presenter_;
    FixedSeedSource seeds_;
    Random random_;
    DataFiles files_;
    SteadyClock clock_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<Autoplayer> player_;
};

/// Arguments: the map's side in fields, the ships a side.
void WholeTurn(benchmark::State& bench)
{
    BenchWorld world(static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1)));
    for (auto _ : bench)
    {
        // A fleet worn down by many turns no longer measures a full turn: start again.
        if (world.State().GameOver != 0 || world.State().TurnNumber > 40)
        {
            bench.PauseTiming();
            world.Reset();
            bench.ResumeTiming();
        }
        world.PlayTurn();
    }
}

// The full-size case first; then fewer ships on it, then the same fleet on smaller maps.
BENCHMARK(WholeTurn)
    ->ArgNames({"side", "units"})
    ->Args({96, 60})
    ->Args({96, 30})
    ->Args({96, 15})
    ->Args({72, 60})
    ->Args({48, 60})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

} // namespace olvane
