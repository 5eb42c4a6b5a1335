#include "app/tool_simulate.h"

#include "state/game.h"
#include "turn/autoplayer.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace olvane
{

namespace
{

// The map view of the default screen layout: the next-unit search looks inside it.
constexpr int DefaultViewColumns = 24;
constexpr int DefaultViewRows = 18;

std::string ResultName(const SimulationReport& report)
{
    if (!report.over)
    {
        return "not over";
    }
    switch (report.result)
    {
        case 0:
            return "defeat";
        case 1:
            return "minor victory";
        case 2:
            return "victory";
        case 3:
            return "major victory";
        default:
            return "quit";
    }
}

std::string Decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

SimulationReport SimulateToolGame(Game& game, HeadlessPresenter& presenter, int turns)
{
    GameState& state = game.state;
    SimulationReport report;
    if (state.ViewColumns == 0 || state.ViewRows == 0)
    {
        state.ViewColumns = DefaultViewColumns;
        state.ViewRows = DefaultViewRows;
    }
    Autoplayer player(game, presenter);
    BeginGame(game);
    std::vector<double> times;
    while (state.GameOver == 0 && static_cast<int>(times.size()) < turns)
    {
        const auto start = std::chrono::steady_clock::now();
        player.PlayTurn();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    report.turnsPlayed = static_cast<int>(times.size());
    report.over = state.GameOver != 0;
    report.result = state.GameResult;
    report.playerLosses = LossesOf(state, SidePlayer);
    report.enemyLosses = LossesOf(state, SideEnemy);
    if (!times.empty())
    {
        std::sort(times.begin(), times.end());
        const std::size_t middle = times.size() / 2;
        report.medianTurnMicroseconds =
            times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }
    return report;
}

std::string SimulationReportText(const SimulationReport& report)
{
    return "turns played: " + std::to_string(report.turnsPlayed) + "\nresult: " + ResultName(report) +
           "\nplayer losses: " + std::to_string(report.playerLosses) +
           "\nenemy losses: " + std::to_string(report.enemyLosses) +
           "\nmedian time per turn: " + Decimal(report.medianTurnMicroseconds) + " us\n";
}

std::string SimulationReportJson(const SimulationReport& report, const std::string& stateJson)
{
    return "{\n  \"TurnsPlayed\": " + std::to_string(report.turnsPlayed) +
           ",\n  \"GameOver\": " + (report.over ? "true" : "false") +
           ",\n  \"GameResult\": " + std::to_string(report.result) + ",\n  \"Result\": \"" +
           ResultName(report) + "\",\n  \"PlayerLosses\": " + std::to_string(report.playerLosses) +
           ",\n  \"EnemyLosses\": " + std::to_string(report.enemyLosses) +
           ",\n  \"MedianTurnMicroseconds\": " + Decimal(report.medianTurnMicroseconds) +
           ",\n  \"State\": " + stateJson + "}\n";
}

} // namespace olvane
