#pragma once

namespace olvane
{

struct Game;

/// olvane-tool start: a new game in game mode `mode` (1 death match, 2 mission, 3 campaign) at
/// rank `rank`, scenario slot `slot` chosen and started as the briefing starts it. False, with
/// the reason shown to the player, when the slot holds no scenario or it cannot be started.
bool StartToolGame(Game& game, int slot, int mode, int rank);

} // namespace olvane
