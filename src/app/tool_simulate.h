#pragma once

#include <string>

namespace olvane
{

struct Game;
class HeadlessPresenter;

/// What olvane-tool simulate reports of a headless game.
struct SimulationReport
{
    int turnsPlayed = 0;
    bool over = false;
    int result = 0;
    int playerLosses = 0;
    int enemyLosses = 0;
    double medianTurnMicroseconds = 0;
};

/// Plays up to `turns` whole turns of a started mission with the autoplayer on the player's side
/// and every wait at zero, until the game is over, timing each turn.
SimulationReport SimulateToolGame(Game& game, HeadlessPresenter& presenter, int turns);

/// The report as text lines, or with `stateJson` as one JSON object that holds the final state
/// under "State".
std::string SimulationReportText(const SimulationReport& report);
std::string SimulationReportJson(const SimulationReport& report, const std::string& stateJson);

} // namespace olvane
