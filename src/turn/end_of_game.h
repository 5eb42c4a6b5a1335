#pragma once

#include "state/game.h"
#include "state/score_table.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace olvane
{

// The end of a mission: the score's worth against the mission's maximum, the campaign's
// bookkeeping, the hall of fame and the way back to the menu or on to the next campaign mission.
// The end-of-game window shows what these give and forwards its clicks here.

/// The campaign-over flag of the campaign record.
constexpr std::uint8_t CampaignOverFlag = 1;

/// The message code that names the next campaign mission.
constexpr std::uint8_t NextMissionMessage = 55;

/// The most a mission could score: 550, 8 for every ordinary port that began as the enemy's and
/// 7 % of the enemy's forces, which do not count in a hunt for every enemy unit.
std::uint16_t MissionMaximum(const GameState& state);

/// The rank index 28..16 a mission score earns against the mission's maximum; the lower the
/// index, the higher the rank.
int MissionRankIndex(int maximum, int score);

/// The sum of the maxima of the campaign's missions that were played to a result.
int CampaignTotal(const CampaignRec& campaign);

/// The final rank index 28..1 of a campaign score against the campaign's total.
int CampaignRankIndex(int total, int score);

/// "DEFEAT", "MINOR VICTORY", "VICTORY", "MAJOR VICTORY" or "MISSION ABORTED"; empty for others.
std::string_view ResultTitle(int result);

/// The scenario id of the campaign step of mission counter `counter` (1..16) from the campaign's
/// header record of the scenario database; 0 when there is none or the header cannot be found.
int CampaignStepOf(const Game& game, int counter);

/// The end of the mission, for the turn cycle and EXIT TO MENU alike: the end-of-mission award,
/// then in a campaign the bookkeeping. A lost or quit campaign is over; a won mission is
/// recorded with its score and maximum and carries its production points (0..65535) over, and
/// the campaign is over when it has no further step.
void EndMission(Game& game);

/// EXIT TO MENU: the player leaves the mission, which ends as quit (result 100) and runs its end
/// as the turn cycle's check would. False, changing nothing, when the mission has already ended.
bool QuitMission(Game& game);

/// What the end-of-game window shows once the mission has ended.
struct EndOfGameView
{
    int Max = 0;
    int RankIndex = 0;
    std::string RankTitle;
    std::string Title;
    /// The place in the game mode's score table the result earns; 0 when none is offered.
    int QualifiesAt = 0;
    bool CampaignOver = false;
    /// The campaign's final rank, once the campaign is over; 0 and empty before.
    int FinalRankIndex = 0;
    std::string FinalRankTitle;
};

EndOfGameView DescribeEndOfGame(const Game& game);

/// Outcome of the name the player typed for the hall of fame.
enum class NameEntry
{
    /// The record is in the table; the score table opens on the game mode's table.
    Entered,
    /// Refused with its text shown; the entry stays open.
    Refused,
    /// The result earns no place (a defeat, a quit mission, a campaign not yet over, or a score
    /// no better than the table's last).
    NotQualified,
    /// The table could not be written; the player was told.
    WriteFailed,
};

/// Enter in the name box: the record of the mission or the campaign goes into its place of the
/// game mode's table, which is written back whole.
NameEntry EnterScoreName(Game& game, std::string_view name);

/// CLEAR TABLE in the hall of fame, once the player said Yes: the table of game mode 1..3 becomes
/// fifteen empty places. False, with the player told, when it could not be written.
bool ClearHallOfFame(Game& game, int mode);

/// What follows the end-of-game window.
enum class FinishNext
{
    /// The main menu.
    Menu,
    /// The message window names the next campaign mission, and its briefing opens.
    NextMission,
};

/// The end-of-game window finishes: the curtain comes down and the game is cleared; a lost
/// campaign ends as a single mission would; a campaign goes on to its next step, named in the message heading
/// with message code 55, or starts afresh when it is over.
FinishNext FinishGame(Game& game);

} // namespace olvane
