#pragma once

#include "state/game.h"

namespace olvane
{

/// Makes unit u (a side's slot: 60001..60100 or 60201..60300) a new unit of class c in the
/// computer's group `group` (0 where no group applies): values from the class and the player
/// side's technology row, a ship placed at once near its side's home base, and a name from
/// its nation's name file in every game mode.
void CreateUnit(Game& game, int u, int c, int group);

/// Puts a new ship on the first free cell of its side's home base, trying the nation's first
/// home zone, then its second, then the second again four columns further out. A base with no
/// room leaves the ship without a map position (X = 0).
void PlaceNearHomeBase(Game& game, int u);

/// Gives unit u a name from its nation's list for its class that no active unit of its side
/// bears; "M-" and a number when every name is taken or the list cannot be read.
void NameUnit(Game& game, int u);

} // namespace olvane
