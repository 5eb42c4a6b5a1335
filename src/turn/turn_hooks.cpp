#include "turn/turn_hooks.h"

#include "state/class_table.h"
#include "state/game.h"
#include "turn/awards.h"
#include "turn/turn_phases.h"

#include <algorithm>

namespace olvane
{

void CentreViewOn(Game& game, int unit)
{
    CentreView(game, unit);
}

void SelectNextUnit(Game& game)
{
    SelectNextPlayerUnit(game);
}

void RunEndOfGame(Game& game)
{
    // Filled by the turn cycle: the campaign bookkeeping of the end-of-game window.
    AddScore(game, AwardMissionEnd, 0);
    game.state.LBinfo.clear();
    game.presenter.RefreshMessageList();
    game.presenter.ShowEndOfGame();
}

} // namespace olvane
