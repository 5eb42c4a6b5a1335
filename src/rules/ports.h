#pragma once

#include <string_view>

namespace olvane
{

struct Game;

/// Refused placement of a second aircraft on one field in the same turn.
constexpr std::string_view AirFieldTakenText = "You have already placed air unit here.";

/// Message codes of the message window for a port changing hands.
constexpr int MessagePortTakenByPlayer = 100;
constexpr int MessagePortTakenByEnemy = 130;

/// A unit that has just moved takes the opposing side's port it stands on. Side 2 checks a player
/// unit against the computer's ports, side 1 a computer unit against the player's. Only warships,
/// carriers and shore installations take ports.
void CheckPortCapture(Game& game, int unit, int side);

/// The port changes hands under the unit standing on it; the player is rewarded for a port only
/// the first time he takes it.
void CapturePort(Game& game, int port);

/// The end-of-game check after a move of the player: sets the game-over flag and the result.
void VictoryCheckAfterMove(Game& game);

/// The end-of-game check after the computer's phase: time limits and the defence of ports.
void VictoryCheckEndOfTurn(Game& game);

/// True for a player unit of the convoy's class standing on the convoy's goal port.
bool ConvoyAtGoal(const Game& game, int unit);

/// A convoy unit has arrived: it is rewarded, counted and leaves the map.
void ConvoyArrives(Game& game, int unit);

/// Whether an aircraft of the side may be placed on the field: a free land field near one of
/// the side's ports, not the field another aircraft took off from this turn.
bool AirFieldAllowed(Game& game, int x, int y, int side);

/// True when some port of the player has a free land field within 3 fields each way.
bool CanPlaceAircraft(const Game& game);

} // namespace olvane
