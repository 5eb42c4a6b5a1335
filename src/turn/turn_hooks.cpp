#include "turn/turn_hooks.h"

#include "ai/opponent_hooks.h"
#include "state/game.h"
#include "turn/end_of_game.h"
#include "turn/turn_phases.h"

namespace olvane
{

void PlayTurnCycle::SelectNextUnit(Game& game)
{
    SelectNextPlayerUnit(game);
}

void PlayTurnCycle::RunEndOfGame(Game& game)
{
    olvane::RunEndOfGame(game);
}

GameHooks PlayHooks()
{
    static PlayTurnCycle turns;
    return {TheComputerOpponent(), turns};
}

void RunEndOfGame(Game& game)
{
    EndMission(game);
    game.state.LBinfo.clear();
    game.presenter.RefreshMessageList();
    game.presenter.ShowEndOfGame();
}

} // namespace olvane
