#pragma once

#include <filesystem>
#include <string_view>

namespace olvane
{

struct Game;
class DataFiles;

/// The game keeps its last three player phases in SAVE/autosave-1.sav .. autosave-3.sav.
constexpr int AutosaveSlots = 3;

/// The line the message list gets when an autosave cannot be written.
constexpr std::string_view AutosaveFailedLine = "AUTOSAVE FAILED: THE GAME COULD NOT BE SAVED";

std::filesystem::path AutosavePath(const DataFiles& files, int slot);

/// The slot the next autosave goes to: the first one without a file, else the one written
/// longest ago, so the newest save always overwrites the oldest.
int NextAutosaveSlot(const DataFiles& files);

/// Saves the game as it stands when a player phase begins, before the turn count rises, so a
/// load plays that phase again (as the mission status's SAVE GAME does). Written through a
/// temporary name without a word to the player; a failure is one line in the message list and
/// play goes on. False when it failed.
bool Autosave(Game& game);

} // namespace olvane
