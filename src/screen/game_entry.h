#pragma once

#include <cstdint>
#include <optional>

namespace olvane
{

struct Game;
class DataFiles;

namespace platform
{
class Application;
}

/// Enters a mission without the menu: the game is reset for a mission at the given rank, the
/// scenario record of the slot is chosen and the briefing's start sequence builds both forces.
/// False, with the reason shown to the player, when the slot holds no scenario or it cannot start.
bool StartMissionFromSlot(Game& game, int slot, int rank);

/// `olvane --start SLOT`: the main game window opens on that mission at turn 1 and the program
/// ends with the game. A seed makes the computer's choices repeat from run to run. Returns the
/// program's exit status.
int PlayMission(platform::Application& app, DataFiles& files, int slot, int rank, std::optional<std::uint32_t> seed);

} // namespace olvane
