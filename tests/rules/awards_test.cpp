#include "support/test_game.h"
#include "rules/awards.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using test::TestGame;

TEST(Awards, UnitsAreWorthAShareOfTheirPriceRoundedHalfToEven)
{
    TestGame game;
    GameState& s = game.state();
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalConquerPorts;

    // Destroyer, price 50: 7 production points and 5 score.
    AddScore(*game, AwardEnemyDestroyed, 43);
    EXPECT_EQ(s.ProductionPoints, 7);
    EXPECT_EQ(s.MissionScore, 5);

    // Torpedo boat, price 25: 3.5 goes up to 4, 2.5 goes down to 2.
    AddScore(*game, AwardEnemyDestroyed, 26);
    EXPECT_EQ(s.ProductionPoints, 11);
    EXPECT_EQ(s.MissionScore, 7);
    EXPECT_EQ(game.presenter.productionLabel, "PP:11");
    EXPECT_EQ(game.presenter.scoreLabel, "BOD:7");

    // In a hunt for every enemy unit a kill pays production points only.
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalDestroyAll;
    AddScore(*game, AwardEnemyDestroyed, 43);
    EXPECT_EQ(s.ProductionPoints, 18);
    EXPECT_EQ(s.MissionScore, 7);
}

TEST(Awards, LossesAndPortsAndConvoys)
{
    TestGame game;
    GameState& s = game.state();
    s.ProductionPoints = 3;
    AddScore(*game, AwardUnitLost, 63); // battleship, price 105: 14.7 -> 15
    EXPECT_EQ(s.ProductionPoints, -12);
    EXPECT_EQ(game.presenter.productionLabel, "PP:-12");

    AddScore(*game, AwardMajorPortTaken, 0);
    AddScore(*game, AwardPortTaken, 0);
    AddScore(*game, AwardConvoyArrived, 3);
    EXPECT_EQ(s.ProductionPoints, -12 + 30 + 15 + 20);
    EXPECT_EQ(s.MissionScore, 8);

    // An unknown event changes nothing but still refreshes the counters.
    game.presenter.scoreLabel.clear();
    AddScore(*game, 77, 43);
    EXPECT_EQ(s.ProductionPoints, 53);
    EXPECT_EQ(game.presenter.scoreLabel, "BOD:8");
}

TEST(Awards, MissionEndBonusByResultTurnsLeftAndRank)
{
    TestGame game;
    GameState& s = game.state();
    SideStatsRec& goal = s.SideStats(SidePlayer);
    goal[GoalTypeByte] = GoalDestroyAll;
    goal[GoalBestByte] = 5;
    goal[GoalMiddleByte] = 8;
    goal[GoalLeastByte] = 12;
    s.Rank = RankCaptain;

    // Major victory in turn 4: 500 and 25 for each turn before the best threshold.
    s.TurnNumber = 4;
    s.GameResult = ResultMajorVictory;
    AddScore(*game, AwardMissionEnd, 0);
    EXPECT_EQ(s.MissionScore, 500 + 25 * 1);

    // Minor victory counts the turns to the least threshold; an admiral earns 50 more.
    s.MissionScore = 0;
    s.GameResult = ResultMinorVictory;
    s.Rank = RankAdmiral;
    AddScore(*game, AwardMissionEnd, 0);
    EXPECT_EQ(s.MissionScore, 100 + 25 * 8 + 50);

    // A long mission counts spare turns singly; defending ports counts to the last turn.
    s.MissionScore = 0;
    s.Rank = RankCaptain;
    goal[GoalTypeByte] = GoalDefendPorts;
    goal[GoalBestByte] = 50;
    goal[GoalLastTurnByte] = 10;
    s.GameResult = ResultVictory;
    AddScore(*game, AwardMissionEnd, 0);
    EXPECT_EQ(s.MissionScore, 300 + 6);

    // Defeat earns nothing; a cadet below 50 keeps his score, from 50 up loses 50.
    s.GameResult = ResultDefeat;
    s.Rank = RankCadet;
    s.MissionScore = 40;
    AddScore(*game, AwardMissionEnd, 0);
    EXPECT_EQ(s.MissionScore, 40);
    s.MissionScore = 70;
    AddScore(*game, AwardMissionEnd, 0);
    EXPECT_EQ(s.MissionScore, 20);
}

TEST(Awards, AMissionGradedPastItsDeadlineEarnsNoTurnBonus)
{
    TestGame game;
    GameState& s = game.state();
    SideStatsRec& goal = s.SideStats(SidePlayer);
    goal[GoalTypeByte] = GoalSinkClass;
    goal[GoalBestByte] = 2;
    goal[GoalMiddleByte] = 3;
    goal[GoalLeastByte] = 4;
    s.Rank = RankCaptain;
    s.TurnNumber = 9;
    s.GameResult = ResultMinorVictory;
    AddScore(*game, AwardMissionEnd, 0);
    EXPECT_EQ(s.MissionScore, 100);
}

} // namespace
} // namespace olvane
