#include "turn/turn_hooks.h"

#include "state/class_table.h"
#include "state/game.h"
#include "turn/end_of_game.h"
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
    EndMission(game);
    game.state.LBinfo.clear();
    game.presenter.RefreshMessageList();
    game.presenter.ShowEndOfGame();
}

} // namespace olvane
