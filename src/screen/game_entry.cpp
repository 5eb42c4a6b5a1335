#include "screen/game_entry.h"

#include "ai/scenario_start.h"
#include "platform/application.h"
#include "screen/main_window.h"
#include "state/game.h"

#include <memory>
#include <string>

namespace olvane
{

bool StartMissionFromSlot(Game& game, int slot, int rank)
{
    GameState& state = game.state;
    state.GameMode = ModeMission;
    state.Rank = static_cast<std::uint8_t>(rank);
    ResetGame(state);
    if (!ChooseScenario(game, slot))
    {
        game.presenter.ShowError("NO SCENARIO IN SLOT " + std::to_string(slot));
        return false;
    }
    if (!StartScenario(game))
    {
        game.presenter.ShowError("THE SCENARIO IN SLOT " + std::to_string(slot) + " CANNOT BE STARTED");
        return false;
    }
    return true;
}

int PlayMission(platform::Application& app, DataFiles& files, int slot, int rank, std::optional<std::uint32_t> seed)
{
    std::unique_ptr<SeedSource> seeds;
    if (seed)
    {
        seeds = std::make_unique<FixedSeedSource>(*seed);
    }
    else
    {
        seeds = std::make_unique<ClockSeedSource>();
    }
    Random random(*seeds);
    random.Reseed();
    SteadyClock clock;
    TForm1 form(random, files, clock);
    app.onForcedQuit = [&form] { form.ForcedQuit(); };
    if (!StartMissionFromSlot(form.GameData(), slot, rank))
    {
        app.onForcedQuit = nullptr;
        return 1;
    }
    form.GameData().state.TurnNumber = 0;
    app.Run(form);
    app.onForcedQuit = nullptr;
    return app.ExitStatus();
}

} // namespace olvane
