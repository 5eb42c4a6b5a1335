#pragma once

#include "state/game.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

// The player's commands between the menu and the first turn: the menu's game modes and LOAD
// GAME, the difficulty, the selection list, the briefing and the mission picture. The windows
// only show the state and forward their clicks here, so the whole way into a game runs headless.

/// One row of the selection list: a record of the scenario file whose kind is the game mode.
struct SelectionRow
{
    int Slot = 0;
    int ScenarioId = 0;
    /// The first 19 characters of the title.
    std::string Name;
    std::uint8_t PlayerNation = 0;
    std::uint8_t EnemyNation = 0;
    std::uint16_t MapNumber = 0;
    std::uint16_t StartPoints = 0;
    /// A campaign header's first step.
    std::uint16_t FirstStep = 0;
};

/// DEATH MATCH, NEW MISSION, NEW CAMPAIGN: a fresh game of the mode behind the curtain. A death
/// match or mission starts at the list's first row; a campaign starts a new campaign record and
/// leaves the scenario number to its step.
void StartNewGame(GameState& state, std::uint8_t mode);

/// The difficulty screen opens at "CAPTAIN" each time.
void OpenDifficulty(GameState& state);

/// CADET, CAPTAIN, ADMIRAL: rank 1, 2 or 3; anything else changes nothing.
void ChooseRank(GameState& state, int rank);

/// The rows of the selection list for the current game mode, in file order.
std::vector<SelectionRow> BuildSelectionList(const Game& game);

/// The selection screen opens with the first two nations until a row is chosen.
void OpenSelection(GameState& state);

/// Takes a row into the game. A death match or mission takes the row's numbers, its scenario
/// record (whose goals decide the map's major ports) and then its map; a campaign takes its first
/// step, nation and a new campaign record. False, with the loader's message shown, when the row's
/// scenario cannot be read.
bool SelectRow(Game& game, const SelectionRow& row);

/// BACK TO MENU: the new game is abandoned with nothing of it kept and the curtain comes down.
void BackToMenu(GameState& state);

/// What the briefing's activation did.
enum class BriefingStart
{
    /// A loaded game or a game under way: the labels are filled, nothing is started.
    LabelsOnly,
    /// A new mission was started at turn 0.
    Started,
    /// The mission could not be loaded: the game is abandoned and the menu is due.
    Failed,
};

/// The briefing opens: a new mission at turn 0 is started once (forces, shore defences,
/// technology grants, a score of 0); a loaded game or one already under way is never started
/// again.
BriefingStart ActivateBriefing(Game& game);

/// Where leaving the briefing leads.
struct BriefingExit
{
    bool showPicture = false;
    bool showMainWindow = false;
};

/// OK on the briefing: before the first turn the mission picture number is drawn and the picture
/// and main window follow; a loaded game goes to the main window; otherwise back to the caller.
BriefingExit LeaveBriefing(Game& game);

/// LOAD GAME: reads the save into a fresh game and takes it over only when it loaded, so a failed
/// load leaves the running state exactly as it was. The loaded game is marked just loaded and
/// started, and each computer group keeps the zone and sector its first active ship holds.
bool LoadSavedGame(Game& game, const std::filesystem::path& path);

/// The step-to-picture table of the mission picture window, relative to the game folder.
constexpr std::string_view MissionPictureTable = "BAZE/TXT/MISSIONPIC.TXT";

/// The picture code the table gives a scenario step; empty when the table has none, or when the
/// code is not 1 to 4 letters or digits (it becomes a file name, so nothing else may pass).
std::string MissionPictureCode(const DataFiles& files, int step);

/// The title of the mission picture window: the game mode's word and the scenario's name.
std::string MissionPictureTitle(const GameState& state);

/// The heading of the selection list by game mode.
std::string SelectionHeading(int mode);

/// The campaign side text of a nation 1..4, relative to the game folder; empty for the others.
std::string SideTextFile(int nation);

/// The rank's name: "CADET", "CAPTAIN" or "ADMIRAL"; empty for any other number.
std::string RankName(int rank);

} // namespace olvane
