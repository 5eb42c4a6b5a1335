#include "rules/awards.h"

#include "state/game.h"
#include "state/rounding.h"

#include <algorithm>
#include <string>

namespace olvane
{

namespace
{

// A unit is worth 14 % of its price in production points and 10 % in score. The products are
// formed from whole hundredths so that a true half (price 25 gives 3.5) goes to the even side.
int PriceShare(int price, int percent)
{
    return static_cast<int>(RoundHalfEven(price * percent / 100.0));
}

void AddToScore(GameState& state, int points)
{
    state.MissionScore = static_cast<std::uint16_t>(state.MissionScore + points);
}

/// Turns left before the grade's deadline when the mission ended. A mission graded after its
/// deadline earns no turn bonus rather than a wrapped-around one.
int RemainingTurns(const GameState& state)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    const int result = state.GameResult;
    int deadline = -1;
    switch (goal[GoalTypeByte])
    {
        case GoalConquerPorts:
        case GoalSinkClass:
        case GoalDestroyAll:
            if (result == ResultMinorVictory)
            {
                deadline = goal[GoalLeastByte];
            }
            else if (result == ResultVictory)
            {
                deadline = goal[GoalMiddleByte];
            }
            else if (result == ResultMajorVictory)
            {
                deadline = goal[GoalBestByte];
            }
            break;
        case GoalDefendPorts:
        case GoalConvoy:
            if (result >= ResultMinorVictory && result <= ResultMajorVictory)
            {
                deadline = goal[GoalLastTurnByte];
            }
            break;
        default:
            break;
    }
    if (deadline < 0)
    {
        return 0;
    }
    return std::clamp(deadline - static_cast<int>(state.TurnNumber), 0, 255);
}

void AddMissionEndBonus(GameState& state)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    const int turnsLeft = RemainingTurns(state);
    switch (state.GameResult)
    {
        case ResultMinorVictory:
            AddToScore(state, 100);
            break;
        case ResultVictory:
            AddToScore(state, 300);
            break;
        case ResultMajorVictory:
            AddToScore(state, 500);
            break;
        default:
            break;
    }
    // Goals whose first threshold lies below 47 weigh every turn to spare 25 times.
    AddToScore(state, goal[GoalBestByte] < 47 ? 25 * turnsLeft : turnsLeft);
    if (state.Rank == RankCadet && state.MissionScore >= 50)
    {
        AddToScore(state, -50);
    }
    else if (state.Rank == RankAdmiral)
    {
        AddToScore(state, 50);
    }
}

} // namespace

int GoalType(const Game& game)
{
    return game.state.SideStats(SidePlayer)[GoalTypeByte];
}

void AddScore(Game& game, int event, int classNumber)
{
    GameState& state = game.state;
    const int price = game.classes.Class(classNumber).Price;
    switch (event)
    {
        case AwardMajorPortTaken:
            state.ProductionPoints += 30;
            break;
        case AwardPortTaken:
            state.ProductionPoints += 15;
            AddToScore(state, 8);
            break;
        case AwardEnemyDestroyed:
            state.ProductionPoints += PriceShare(price, 14);
            if (GoalType(game) != GoalDestroyAll)
            {
                AddToScore(state, PriceShare(price, 10));
            }
            break;
        case AwardUnitLost:
            state.ProductionPoints -= PriceShare(price, 14);
            break;
        case AwardConvoyArrived:
            state.ProductionPoints += 20;
            break;
        case AwardMissionEnd:
            AddMissionEndBonus(state);
            break;
        default:
            break;
    }
    game.presenter.SetPanelLabel(PanelLabel::ProductionPoints,
                                 "PP:" + std::to_string(state.ProductionPoints));
    game.presenter.SetPanelLabel(PanelLabel::Score, "BOD:" + std::to_string(state.MissionScore));
}

} // namespace olvane
