#pragma once

namespace olvane
{

struct Game;

/// Scrolls the map view so that a unit is on screen, unless it already stands strictly inside
/// the view or the game is over.
void CentreViewOn(Game& game, int unit);

/// After a unit has acted: choose the next unit of the player that has not acted yet.
/// Belongs to the turn cycle, which fills in its ring search and the end of the player phase.
void SelectNextUnit(Game& game);

/// The game is over: the end of the mission (its award and a campaign's bookkeeping), then the
/// message list is cleared and the end-of-game window takes over.
void RunEndOfGame(Game& game);

} // namespace olvane
