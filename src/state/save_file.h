#pragma once

#include "state/game_state.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

struct Game;

constexpr std::string_view SaveDamagedError = "save file is damaged";
constexpr std::string_view SaveReadError = "SAVE FILE COULD NOT BE READ";
constexpr std::string_view SaveWriteError = "SAVE FILE COULD NOT BE WRITTEN";

/// Records before the units: header, second record, 17 of the destroyed list, the campaign and
/// its 16 entries, 13 of ports, 30 of markers and 12 of technology.
constexpr std::size_t SaveFixedRecords = 91;

/// The name offered when saving: the campaign prefix, the scenario title, " T" and the turn.
std::string DefaultSaveName(const GameState& state);

/// The file name for the name the player confirmed: lower case, ".sav" appended unless the name
/// ends in it. Path separators are taken out so a name can never leave the save folder.
std::string SaveFileName(std::string_view confirmed);

/// The whole save file for the state, record by record.
std::vector<std::uint8_t> EncodeSaveFile(const GameState& state);

/// Writes the save file through a temporary name, so a crash never leaves half a save.
/// Shows an error and returns false when it cannot be written.
bool SaveGame(Game& game, const std::filesystem::path& path);

/// SAVE GAME of the mission status: writes the game into the folder under the confirmed name,
/// with the turn one lower than the one shown. False, with the error shown, when it fails.
bool SaveFromMissionStatus(Game& game, const std::filesystem::path& folder, std::string_view confirmedName);

/// Reads a save file and rebuilds the game from it and from the scenario and map files. The
/// whole file is checked first: a damaged or foreign file is reported and the running game is
/// left exactly as it was.
bool LoadGame(Game& game, const std::filesystem::path& path);

} // namespace olvane
