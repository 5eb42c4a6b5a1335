#pragma once

#include "state/game_hooks.h"

namespace olvane
{

/// The turn cycle of real play, as a player's move reaches it through Game::turns.
class PlayTurnCycle final : public TurnCycle
{
public:
    /// Chooses the player's next unit in the ring search; the end of the player phase follows
    /// when none is left.
    void SelectNextUnit(Game& game) override;

    void RunEndOfGame(Game& game) override;
};

/// The computer opponent and the turn cycle of real play. Every Game that plays, in the game,
/// the tool, the benchmarks and the tests of whole turns, is built with these.
GameHooks PlayHooks();

/// The game is over: the end of the mission (its award and a campaign's bookkeeping), then the
/// message list is cleared and the end-of-game window takes over.
void RunEndOfGame(Game& game);

} // namespace olvane
