#include "screen/game_entry.h"

#include "ai/scenario_start.h"
#include "state/game.h"

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

} // namespace olvane
