// One whole turn on a full-size map: the player's phase played by the autoplayer, the end of the
// phase, the computer's phase and the end-of-turn check, with every wait at zero.

#include "ai/opponent.h"
#include "state/class_table.h"
#include "state/game.h"
#include "support/place_unit.h"
#include "turn/autoplayer.h"
#include "turn/turn_phases.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace olvane
{

namespace
{

constexpr int MapCells = 96;
constexpr int UnitsPerSide = 60;
constexpr int ZoneSize = 12;

/// Player and computer fleets of 60 ships each: destroyers, cruisers, submarines and escorts,
/// spread over a 96 × 96 sea with islands, the computer's in 20 groups of three over a grid of
/// open-sea zones.
class BenchWorld
{
public:
    BenchWorld()
        : seeds_(20261206), random_(seeds_),
          files_(std::filesystem::temp_directory_path() / "olvane-bench-none",
                 std::filesystem::temp_directory_path() / "olvane-bench-none"),
          game_(std::make_unique<Game>(presenter_, random_, files_, clock_))
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
        state.MapWidth = MapCells;
        state.MapHeight = MapCells;
        ClearMaps(state);
        // Islands every 24 fields.
        for (int x = 10; x <= MapCells; x += 24)
        {
            for (int y = 10; y <= MapCells; y += 24)
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
        const int perRow = MapCells / ZoneSize;
        state.ZoneExtraCount = 22;
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
        for (int slot = 1; slot <= UnitsPerSide; ++slot)
        {
            Place(PlayerBaseId + slot, PlayerClasses[slot % 6], 4 + (slot % 12) * 7, 60 + (slot / 12) * 6);
            Place(EnemyBaseId + slot, EnemyClasses[slot % 6], 4 + (slot % 12) * 7, 6 + (slot / 12) * 8);
            UnitRec& e = state.Unit(EnemyBaseId + slot);
            const int g = 1 + (slot - 1) / 3;
            e.AIGroup = static_cast<std::uint8_t>(g);
            AIGroupRec& group = state.AIGroup(g);
            group.Members[static_cast<std::size_t>(group.MemberCount)] =
                static_cast<std::uint16_t>(EnemyBaseId + slot);
            ++group.MemberCount;
            group.Zone = static_cast<std::uint8_t>(HomeZoneCount + 1 + (g - 1) % 8);
            e.AIWork1 = group.Zone;
            e.Order = OrderRegroup;
        }
        state.PlayerShipCount = UnitsPerSide;
        state.EnemyShipCount = UnitsPerSide;
        state.AIGroupCount = GroupCount;
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

    HeadlessPresenter presenter_;
    FixedSeedSource seeds_;
    Random random_;
    DataFiles files_;
    SteadyClock clock_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<Autoplayer> player_;
};

void WholeTurn(benchmark::State& bench)
{
    BenchWorld world;
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

BENCHMARK(WholeTurn)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

} // namespace olvane
