// Forces file: any text must place each side within its 100 slots, and the shore defences
// must never leave the computer's slots either.
#include "state/forces.h"
#include "fuzz_folder.h"
#include "state/game.h"
#include "turn/turn_hooks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

/// The game folder of this process, removed when fuzzing ends.
fs::path GameFolder()
{
    static const olvane::fuzz::FuzzFolder folder("forces-fuzz");
    static const bool made = [] {
        fs::create_directories(folder.Path() / "BAZE");
        return true;
    }();
    static_cast<void>(made);
    return folder.Path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane;
    if (size < 4)
    {
        return 0;
    }
    const int key = data[0];
    const int defence = data[1] * 4;
    const int kinds = data[2] % 8;
    const std::uint8_t nation = static_cast<std::uint8_t>(data[3] % 10);
    const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
    olvane::ReadForces(text, key);

    const fs::path folder = GameFolder();
    {
        std::ofstream out(folder / "BAZE" / "TAKT.TXT", std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    HeadlessPresenter presenter;
    FixedSeedSource seeds(1);
    Random random(seeds);
    DataFiles files(folder, folder / "user");
    struct StoppedClock final : Clock
    {
        std::uint64_t Milliseconds() override { return 0; }
    } clock;
    auto game = std::make_unique<Game>(presenter, random, files, clock, PlayHooks());
    InitShipClasses(game->classes);
    ResetGame(game->state);
    GameState& state = game->state;
    state.PlayerNation = nation;
    state.EnemyNation = static_cast<std::uint8_t>(9 - nation);
    for (int z = 1; z <= HomeZoneCount; ++z)
    {
        state.AIZone(z).Key = static_cast<std::uint8_t>(z);
        state.AIZone(z).Size = static_cast<std::uint8_t>(z % 2 == 0 ? 4 : 0);
        state.AIZone(z).OriginX = static_cast<std::uint8_t>(z * 24);
        state.AIZone(z).OriginY = static_cast<std::uint8_t>(100 - z * 2);
    }
    PlaceSideForces(*game, key, SidePlayer);
    PlaceSideForces(*game, key, SideEnemy);
    state.PortCount = 2;
    state.Port(1) = {1, 1, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    state.Port(2) = {96, 50, SideEnemy, SideEnemy, 0, PortKindMajor, 0};
    PlaceEnemyPortDefences(*game, defence, kinds);
    if (state.PlayerShipCount > MaxSideSlots || state.EnemyShipCount > MaxSideSlots ||
        state.AIGroupCount > ForceGroupCount)
    {
        std::abort();
    }
    return 0;
}
