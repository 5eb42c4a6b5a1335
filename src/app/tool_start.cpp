#include "app/tool_start.h"

#include "ai/scenario_start.h"
#include "state/game.h"

#include <string>

namespace olvane
{

bool StartToolGame(Game& game, int slot, int mode, int rank)
{
    GameState& state = game.state;
    state.GameMode = static_cast<std::uint8_t>(mode);
    state.Rank = static_cast<std::uint8_t>(rank);
    ResetGame(state);
    if (mode == ModeCampaign)
    {
        ResetCampaign(state);
        state.Rank = static_cast<std::uint8_t>(rank);
    }
    if (!ChooseScenario(game, slot))
    {
        game.presenter.ShowError("NO SCENARIO IN SLOT " + std::to_string(slot));
        return false;
    }
    return StartScenario(game);
}

} // namespace olvane
