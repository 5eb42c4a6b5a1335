#include "turn/turn_hooks.h"

#include "state/class_table.h"
#include "state/game.h"
#include "turn/awards.h"

#include <algorithm>

namespace olvane
{

void CentreViewOn(Game& game, int unit)
{
    GameState& state = game.state;
    const UnitRec& u = state.Unit(unit);
    if (state.GameOver != 0 || u.X == 0 || u.Y == 0)
    {
        return;
    }
    const bool insideColumns = state.ViewX < u.X && u.X < state.ViewX + state.ViewColumns;
    const bool insideRows = state.ViewY < u.Y && u.Y < state.ViewY + state.ViewRows;
    if (insideColumns && insideRows)
    {
        return;
    }
    const int x = u.X - state.ViewColumns / 2;
    const int y = u.Y - state.ViewRows / 2;
    state.ViewX = std::max(0, std::min(std::max(x, 0), state.MapWidth - state.ViewColumns));
    state.ViewY = std::max(0, std::min(std::max(y, 0), state.MapHeight - state.ViewRows));
    game.presenter.RedrawView();
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
