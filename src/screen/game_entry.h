#pragma once

namespace olvane
{

struct Game;

/// Enters a mission without the menu: the game is reset for a mission at the given rank, the
/// scenario record of the slot is chosen and the briefing's start sequence builds both forces.
/// False, with the reason shown to the player, when the slot holds no scenario or it cannot start.
bool StartMissionFromSlot(Game& game, int slot, int rank);

} // namespace olvane
