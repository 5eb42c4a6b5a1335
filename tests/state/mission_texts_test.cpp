#include "state/mission_texts.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using test::TestGame;

void Goal(GameState& s, int side, std::array<int, 11> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
    {
        s.SideStats(side)[i] = static_cast<std::uint8_t>(bytes[i]);
    }
}

TEST(MissionTexts, ObjectivesOfEveryGoalType)
{
    TestGame game;
    GameState& s = game.state();
    const ClassTable& classes = game->classes;
    Goal(s, SidePlayer, {1, 10, 12, 7, 0, 0, 0, 0, 0, 0, 20});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Conquer all enemy major ports");
    Goal(s, SidePlayer, {2, 3, 2, 1, 0, 0, 0, 0, 0, 0, 25});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Defend your major ports for 25 turns");
    Goal(s, SidePlayer, {3, 10, 12, 14, 0, 43, 4, 0, 0, 0, 20});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Eliminate 4 enemy Destroyers");
    Goal(s, SidePlayer, {3, 10, 12, 14, 0, 13, 1, 0, 0, 0, 20});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Eliminate 1 enemy Submarine");
    Goal(s, SidePlayer, {5, 10, 12, 14, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Destroy all enemy units.");
    Goal(s, SidePlayer, {6, 10, 12, 14, 0, 0, 0, 0, 0, 0, 18});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Destroy as many as possible enemy transporters in 18 turns");
    Goal(s, SidePlayer, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "");

    // A convoy names its goal port; its plural follows the count field, not the ships escorted.
    s.PortCount = 2;
    s.Port(2).X = 31;
    s.Port(2).Y = 8;
    Goal(s, SidePlayer, {4, 5, 4, 3, 0, 3, 1, 2, 0, 0, 30});
    EXPECT_EQ(ObjectiveText(s, classes, SidePlayer), "Escort your 4 Transporter to the Port 31-8 in 30 turns");
    EXPECT_FALSE(HasSecondObjective(s));
    Goal(s, SideEnemy, {2, 3, 2, 1, 0, 0, 0, 0, 0, 0, 30});
    EXPECT_TRUE(HasSecondObjective(s));
    EXPECT_EQ(ObjectiveText(s, classes, SideEnemy), "Defend your major ports for 30 turns");
}

TEST(MissionTexts, RestrictionsTurnLabelsAndThresholds)
{
    ScenarioRec scenario;
    scenario.Title.Set("CORAL SEA");
    const std::array<std::array<std::string, 2>, 5> expected = {{
        {"None", ""},
        {"Our factories are under attack:", "No purchases in this mission."},
        {"Storm ocean:", "Submarines can not operate."},
        {"No airfields on islands:", "Planes can not operate."},
        {"Bad weather:", "Carriers and planes can not operate"},
    }};
    for (std::uint8_t r = 0; r < expected.size(); ++r)
    {
        scenario.PurchaseRestriction = r;
        EXPECT_EQ(RestrictionLines(scenario), expected[r]) << int{r};
    }
    // A free hunt says so, whatever its restriction.
    scenario.Title.Set("FREE HUNT NORTH SEA");
    scenario.PurchaseRestriction = 2;
    EXPECT_EQ(RestrictionLines(scenario),
              (std::array<std::string, 2>{"", "MAJOR VICTORY DISABLED IN FREE HUNT MISSIONS"}));

    EXPECT_EQ(TurnLabel(0), "1. TURN");
    EXPECT_EQ(TurnLabel(5), "5. TURN");
    EXPECT_EQ(RemainingTime(10, 7), "4 TURNS");
    EXPECT_EQ(RemainingTime(7, 7), "LAST TURN");
    EXPECT_EQ(RemainingTime(6, 7), "-");

    GameState s;
    Goal(s, SidePlayer, {2, 3, 2, 1, 0, 0, 0, 0, 0, 0, 25});
    EXPECT_EQ(ThresholdLabels(s), (std::array<std::string, 3>{"3 FRIENDLY PORTS", "2 FRIENDLY PORTS", "1 FRIENDLY PORTS"}));
    Goal(s, SidePlayer, {4, 5, 4, 3, 0, 3, 1, 2, 0, 0, 30});
    EXPECT_EQ(ThresholdLabels(s)[1], "4 ESCORTED SHIPS");
    Goal(s, SidePlayer, {5, 10, 12, 14, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ThresholdLabels(s)[2], "14 TURNS");
}

TEST(MissionTexts, TheMissionStatusCountsDownEachThreshold)
{
    TestGame game;
    GameState& s = game.state();
    s.TurnNumber = 7;
    Goal(s, SidePlayer, {1, 10, 12, 7, 0, 0, 0, 0, 0, 0, 20});
    MessageLines m = MessageTexts(s, game->classes, 1);
    EXPECT_EQ(m.title, "TURN 7");
    EXPECT_EQ(m.lines, (std::array<std::string, 4>{"", "MAJOR VICTORY: 4 TURNS", "VICTORY: 6 TURNS",
                                                   "MINOR VICTORY: LAST TURN"}));
    EXPECT_EQ(m.objective, "Conquer all enemy major ports");
    EXPECT_TRUE(m.objectiveShown);
    EXPECT_TRUE(m.saveShown);

    s.TurnNumber = 11;
    EXPECT_EQ(MessageTexts(s, game->classes, 1).lines[1], "MAJOR VICTORY: -");

    Goal(s, SidePlayer, {4, 5, 4, 3, 0, 3, 1, 2, 0, 0, 30});
    m = MessageTexts(s, game->classes, 1);
    EXPECT_EQ(m.lines, (std::array<std::string, 4>{"Time left: 20 TURNS", "Major victory: 5 escorted ships",
                                                   "Victory: 4 escorted ships", "Minor victory: 3 escorted ships"}));

    // After EXIT TO MENU the status shows its frame and nothing more, and offers no save.
    s.Flow.Quit = 1;
    m = MessageTexts(s, game->classes, 1);
    EXPECT_TRUE(m.objectiveShown);
    EXPECT_FALSE(m.saveShown);
    EXPECT_EQ(m.title, "");
}

TEST(MissionTexts, MessagesByCode)
{
    TestGame game;
    GameState& s = game.state();
    s.TurnNumber = 9;
    s.PortCount = 20;
    s.Port(20).X = 44;
    s.Port(20).Y = 12;
    s.Port(20).Kind = PortKindMajor;
    MessageLines m = MessageTexts(s, game->classes, 120);
    EXPECT_EQ(m.title, "9. TURN");
    EXPECT_EQ(m.lines[0], "You have liberated");
    EXPECT_EQ(m.lines[1], "Major Port 44-12");
    m = MessageTexts(s, game->classes, 150);
    EXPECT_EQ(m.lines[0], "Enemy has conquered");
    EXPECT_EQ(m.lines[1], "Major Port 44-12");
    // A port the map does not hold has no name to show.
    EXPECT_EQ(MessageTexts(s, game->classes, 125).lines[1], "");
    EXPECT_EQ(MessageTexts(s, game->classes, 160).lines[0], "Enemy has conquered");

    m = MessageTexts(s, game->classes, 254);
    EXPECT_EQ(m.title, "WARNING");
    EXPECT_EQ(m.lines[2], "in this mission");
    EXPECT_EQ(MessageTexts(s, game->classes, 251).lines[1], "You can`t purchase any ship/plane in this mission.");
    EXPECT_EQ(MessageTexts(s, game->classes, 57).lines[0], "OUT OF RESOURCES");
    s.Flow.MessageHeading = "OPERATION NORTH CAPE";
    EXPECT_EQ(MessageTexts(s, game->classes, 55).lines[1], "OPERATION NORTH CAPE");
    m = MessageTexts(s, game->classes, 53);
    EXPECT_EQ(m.lines[0], "OLVANE 2 Ver 2.50");
    EXPECT_EQ(m.lines[2], "Check for new updates and missions");
    EXPECT_FALSE(m.saveShown);
    EXPECT_EQ(MessageTexts(s, game->classes, 99).title, "INFORMATION");
}

} // namespace
} // namespace olvane
