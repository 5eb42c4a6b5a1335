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
    // Filled by the turn cycle: the ring search around the current unit, the view margins and
    // the end of the player phase. Until then the next unit is the first that has not acted.
    GameState& state = game.state;
    for (int slot = 1; slot <= state.PlayerShipCount; ++slot)
    {
        const int id = PlayerBaseId + slot;
        const UnitRec& u = state.Unit(id);
        if (u.Active != 0 && u.MovedThisTurn == 0)
        {
            state.SelectedUnit = static_cast<std::uint16_t>(id);
            CentreViewOn(game, id);
            return;
        }
    }
    state.SelectedUnit = 0;
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
