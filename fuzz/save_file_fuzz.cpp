#include "state/class_table.h"
#include "state/game.h"
#include "state/save_file.h"
#include "state/scenario_record.h"
#include "turn/turn_hooks.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const void* data, std::size_t size)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

/// A game folder with one scenario on a small map, so loads get as far as rebuilding the map.
struct World
{
    World()
        : folder(fs::temp_directory_path() / ("olvane-save-fuzz-" + std::to_string(::getpid()))),
          files(folder / "game", folder / "user"), seeds(1), random(seeds),
          game(std::make_unique<olvane::Game>(presenter, random, files, clock, olvane::PlayHooks()))
    {
        olvane::ScenarioRec rec;
        rec.Slot = 1;
        rec.ScenarioId = 10;
        rec.Kind = 2;
        rec.MapNumber = 1;
        rec.MapPicture = 1;
        const auto bytes = olvane::EncodeScenario(rec);
        WriteFile(folder / "game/BAZE/SCEN/SCENARIO2.FLS", bytes.data(), bytes.size());
        const std::string map = "30 30\n1 3 5 5\n1 4 20 20\n0 0 0 0\n0\n0\n0\n0\n";
        WriteFile(folder / "game/BAZE/ZEM/F1_OST.TXT", map.data(), map.size());
        olvane::InitShipClasses(game->classes);
    }

    ~World() { fs::remove_all(folder); }

    fs::path folder;
    olvane::HeadlessPresenter presenter;
    olvane::DataFiles files;
    olvane::FixedSeedSource seeds;
    olvane::Random random;
    olvane::SteadyClock clock;
    std::unique_ptr<olvane::Game> game;
};

} // namespace

// Any bytes as a save file: the load either succeeds or is refused whole; it never crashes and
// never throws.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static World world;
    olvane::ResetGame(world.game->state);
    const fs::path path = world.folder / "input.sav";
    WriteFile(path, data, size);
    olvane::LoadGame(*world.game, path);
    return 0;
}
