// The turn cycle: the player's and the computer's phases in turn with their autosaves, the
// start and end of missions and campaigns, the player's purchases, and the autoplayer.
#pragma once

#include <functional>

namespace olvane
{

struct Game;
class Clock;

/// Waits on the monotonic clock until at least `milliseconds` less 15 have passed, calling
/// `whileWaiting` (which may present frames but handles no input) between readings. Waits of
/// 15 milliseconds or less return at once; they only let a label repaint.
void WaitOnClock(Clock& clock, int milliseconds, const std::function<void()>& whileWaiting = {});

/// The main game window starts a game: the sectors of the computer's zones are built, the
/// selection and modes cleared, the first player phase started and the message list emptied.
void BeginGame(Game& game);

/// Begins a player phase: the turn count rises, the player's units may act again, shore
/// installations scan and fire first, and the lowest-numbered unit is selected.
void StartPlayerPhase(Game& game);

/// After a unit has acted: selects the nearest unit around it that has not acted yet, then one
/// in view, then one just outside it (scrolling the view), then any; ends the player phase when
/// none is left.
void SelectNextPlayerUnit(Game& game);

/// Ends the player phase: radar ranges cleared, fire refilled, aircraft back on their fields,
/// contacts hidden; then the computer's phase, the end-of-turn check and the next player phase,
/// or the end of the game.
void EndPlayerPhase(Game& game);

/// Makes a unit the current one: highlighted, its information box and its reach shown.
void SelectUnit(Game& game, int unit);

/// Drops the current unit: its reach hidden and its highlight cleared.
void DeselectUnit(Game& game);

} // namespace olvane
