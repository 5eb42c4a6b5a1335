#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace olvane
{

/// One scenario's outcome over a run of seeds, for olvane-tool balance.
struct BalanceRow
{
    int slot = 0;
    int mode = 0;
    std::string title;
    int games = 0;
    int wins = 0;    ///< minor victories, victories and major victories
    int defeats = 0;
    int others = 0;  ///< games not over within the turn limit, or quit
    double averageTurns = 0;
    double averagePlayerLosses = 0;
    double averageEnemyLosses = 0;
    double averageTurnMilliseconds = 0;
};

/// Turns a balance game may last when no limit is given: well beyond any scenario's last turn,
/// so only a game that never ends meets it.
constexpr int BalanceTurnCap = 500;

/// Plays every death match and mission of the game folder's scenario database at captain rank,
/// once for each seed 1..`seeds`, with the autoplayer on the player's side, for at most `turns`
/// whole turns each. A folder without a scenario database gives no rows.
std::vector<BalanceRow> RunBalance(const std::filesystem::path& baseDir, int seeds, int turns);

/// The rows as an aligned table with a heading, or as a JSON array.
std::string BalanceTable(const std::vector<BalanceRow>& rows);
std::string BalanceJson(const std::vector<BalanceRow>& rows);

} // namespace olvane
