// Scenario database: any file must load or be refused without throwing, and a refused load
// must leave the scenario untouched.
#include "fuzz_folder.h"
#include "state/game.h"
#include "state/scenario.h"
#include "turn/turn_hooks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

/// The game folder of this process, removed when fuzzing ends.
fs::path GameFolder()
{
    static const olvane::fuzz::FuzzFolder folder("scenario-fuzz");
    static const bool made = [] {
        fs::create_directories(folder.Path() / "BAZE" / "SCEN");
        return true;
    }();
    static_cast<void>(made);
    return folder.Path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane;
    const fs::path folder = GameFolder();
    {
        std::ofstream out(folder / "BAZE" / "SCEN" / "SCENARIO2.FLS", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
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
    const auto records = ReadScenarioDatabase(files, 2);
    if (records.size() != size / ScenarioRecordSize)
    {
        std::abort();
    }
    for (std::uint8_t rank : {RankCadet, RankCaptain, RankAdmiral})
    {
        game->state.Rank = rank;
        for (int slot : {0, 1, 2, static_cast<int>(records.size()), static_cast<int>(records.size()) + 1})
        {
            const ScenarioRec before = game->state.CurrentScenario;
            const bool loaded = LoadScenario(*game, slot);
            if (loaded != (slot >= 1 && slot <= static_cast<int>(records.size())))
            {
                std::abort();
            }
            if (!loaded && !(game->state.CurrentScenario == before))
            {
                std::abort();
            }
        }
    }
    if (!records.empty())
    {
        SlotOfScenarioId(*game, records.back().ScenarioId);
    }
    return 0;
}
