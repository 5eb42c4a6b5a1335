#include "rules/movement.h"
#include "screen/screen_fixture.h"
#include "state/cell_code.h"

namespace olvane
{

namespace
{

using test::ScreenTest;
using OrdersTest = ScreenTest;

TEST_F(OrdersTest, ARightClickOutsideTheReachDoesNothing)
{
    GameState& s = state();
    const int ship = PlayerBaseId + 1;
    const int other = PlayerBaseId + 2;
    Place(ship, 43, 10, 10);
    Place(other, 43, 20, 20);
    const int hidden = EnemyBaseId + 1;
    Place(hidden, 43, 10, 18);
    LeftClick(10, 10);
    ASSERT_EQ(s.SelectedUnit, ship);

    RightClick(18, 10);
    EXPECT_EQ(s.Unit(ship).X, 10) << "out of reach";
    RightClick(10, 18);
    EXPECT_EQ(s.Unit(ship).Y, 10) << "a hidden enemy out of reach answers like the sea";
    RightClick(10, 10);
    EXPECT_EQ(s.Unit(ship).MovedThisTurn, 0) << "its own field is no order";

    // A unit that has acted shows no reach and cannot be ordered again.
    s.Unit(other).MovedThisTurn = 1;
    LeftClick(20, 20);
    ASSERT_EQ(s.SelectedUnit, other);
    RightClick(21, 20);
    EXPECT_EQ(s.Unit(other).X, 20);

    // Inside the reach the unit sails there and its turn is used; it was the last unit to act,
    // so the enemy phase runs and the next turn starts with the mission status.
    LeftClick(10, 10);
    messages.clear();
    RightClick(12, 11);
    EXPECT_EQ(s.Unit(ship).X, 12);
    EXPECT_EQ(s.Unit(ship).Y, 11);
    EXPECT_EQ(s.MapGrid(12, 11), ship);
    EXPECT_EQ(s.TurnNumber, 2);
    EXPECT_EQ(messages, (std::vector<int>{1}));
    EXPECT_EQ(s.Unit(ship).MovedThisTurn, 0);
    EXPECT_EQ(s.SelectedUnit, ship) << "the lowest-numbered unit starts the turn";
    EXPECT_FALSE(form->lbENDTURNPORUKA.visible);
}

TEST_F(OrdersTest, AGroupDragTakesAtMostFiftyShipsThatMayStillMove)
{
    GameState& s = state();
    // 51 destroyers on a 17 x 3 block, an aircraft and a ship that has acted among them.
    int id = PlayerBaseId + 1;
    for (int y = 2; y <= 4; ++y)
    {
        for (int x = 2; x <= 18; ++x)
        {
            Place(id++, 43, x, y);
        }
    }
    Place(id, 80, 2, 6);
    const int aircraft = id++;
    Place(id, 43, 3, 6).MovedThisTurn = 1;
    const int acted = id++;
    Redraw();

    const platform::Point from = Centre(2, 2);
    const platform::Point to = Centre(18, 6);
    form->EKRMouseDown(platform::MouseButton::Left, 0, from.x - 30, from.y - 30);
    EXPECT_EQ(s.SelectedUnit, 0);
    form->EKRMouseMove(platform::LeftButtonHeld, to.x, to.y);
    form->EKRMouseUp(platform::MouseButton::Left, 0, to.x, to.y);
    ASSERT_EQ(form->GroupCount(), 50);
    EXPECT_EQ(s.GroupMode, GroupModeSelected);
    EXPECT_EQ(form->GroupMember(0), PlayerBaseId + 1) << "row by row, left to right";
    for (int i = 0; i < form->GroupCount(); ++i)
    {
        EXPECT_NE(form->GroupMember(i), aircraft);
        EXPECT_NE(form->GroupMember(i), acted);
        EXPECT_EQ(s.Unit(form->GroupMember(i)).Highlighted, 1);
    }
    EXPECT_EQ(s.Unit(PlayerBaseId + 51).Highlighted, 0) << "the 51st stays out";

    // A left click on an own unit dissolves the group and selects that unit.
    LeftClick(5, 3);
    EXPECT_EQ(form->GroupCount(), 0);
    EXPECT_EQ(s.GroupMode, GroupModeNone);
    EXPECT_EQ(s.SelectedUnit, s.MapGrid(5, 3));
    EXPECT_EQ(s.Unit(PlayerBaseId + 1).Highlighted, 0);
}

TEST_F(OrdersTest, AGroupKeepsItsFormationButNotPastTheMapEdge)
{
    GameState& s = state();
    const int west = PlayerBaseId + 1;
    const int east = PlayerBaseId + 2;
    Place(west, 43, 10, 10);
    Place(east, 43, 14, 12);
    Place(PlayerBaseId + 3, 43, 30, 30).MovedThisTurn = 0;
    const platform::Point a = Centre(10, 10);
    const platform::Point b = Centre(14, 12);
    form->EKRMouseDown(platform::MouseButton::Left, 0, a.x, a.y - 30);
    form->EKRMouseMove(platform::LeftButtonHeld, b.x, b.y);
    form->EKRMouseUp(platform::MouseButton::Left, 0, b.x, b.y);
    ASSERT_EQ(form->GroupCount(), 2);

    // Centre (12, 11): the west ship's place lies two columns left of a target in column 1.
    RightClick(1, 11);
    const auto& lines = form->GroupOrderLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].first, (platform::Point{10, 10})) << "nearest to the target first";
    EXPECT_EQ(lines[0].second, (platform::Point{1, 10})) << "its column offset falls to 0";
    EXPECT_EQ(lines[1].second, (platform::Point{3, 12}));
    EXPECT_EQ(form->GroupCount(), 0);
    EXPECT_EQ(s.GroupMode, GroupModeNone);
    EXPECT_EQ(s.Unit(west).MovedThisTurn, 1);
    EXPECT_EQ(s.Unit(east).MovedThisTurn, 1);
}

TEST_F(OrdersTest, AGroupMoveLeavesNoReachBehind)
{
    GameState& s = state();
    // Four destroyers in a square and a corvette of speed 2 that waits across the view.
    for (int i = 0; i < 4; ++i)
    {
        Place(PlayerBaseId + 1 + i, 43, 3 + i % 2, 3 + i / 2);
    }
    const int corvette = PlayerBaseId + 5;
    Place(corvette, 20, 22, 16).Speed = 2;
    Redraw();
    const platform::Point a = Centre(2, 2);
    const platform::Point b = Centre(4, 4);
    form->EKRMouseDown(platform::MouseButton::Left, 0, a.x, a.y);
    form->EKRMouseMove(platform::LeftButtonHeld, b.x, b.y);
    form->EKRMouseUp(platform::MouseButton::Left, 0, b.x, b.y);
    ASSERT_EQ(form->GroupCount(), 4);

    RightClick(8, 4);
    for (int i = 1; i <= 4; ++i)
    {
        EXPECT_EQ(s.Unit(PlayerBaseId + i).MovedThisTurn, 1);
    }
    ASSERT_EQ(s.SelectedUnit, corvette);
    EXPECT_EQ(s.Unit(corvette).MovedThisTurn, 0);

    // The only marks left on the map are the corvette's own reach, shown in full.
    const ReachTable reach = ComputeReachable(game(), corvette, ReachMode::Compute);
    int marks = 0;
    for (int y = 1; y <= s.MapHeight; ++y)
    {
        for (int x = 1; x <= s.MapWidth; ++x)
        {
            const bool marked = DecodeCell(s, x, y).highlight != 0;
            EXPECT_EQ(marked, reach.Has(x, y)) << "field " << x << "," << y;
            marks += marked ? 1 : 0;
        }
    }
    EXPECT_EQ(marks, 24) << "two fields all round";

    // Where the group started, a right click sends the corvette nowhere.
    RightClick(3, 3);
    EXPECT_EQ(s.Unit(corvette).X, 22);
    EXPECT_EQ(s.Unit(corvette).MovedThisTurn, 0);
}

TEST_F(OrdersTest, DeploymentNeedsClearLandNearAnOwnPort)
{
    GameState& s = state();
    // A port at (20, 20) with land around it from column 18 to 26.
    constexpr std::uint16_t Land = 55500;
    for (int y = 17; y <= 23; ++y)
    {
        for (int x = 18; x <= 26; ++x)
        {
            s.MapGrid(x, y) = Land;
        }
    }
    s.MapGrid(20, 20) = CodePlayerMajorPort;
    s.PortCount = 1;
    s.Port(1) = PortRec{20, 20, SidePlayer, SidePlayer, 1, PortKindMajor, 0};
    Place(PlayerBaseId + 1, 43, 10, 10);
    Place(PlayerBaseId + 2, 43, 21, 21);
    UnitRec& fighter = Place(PlayerBaseId + 3, 80, 1, 1);
    s.MapGrid(1, 1) = fighter.Under;
    fighter.X = 0;
    fighter.Y = 0;
    form->deploymentPending = true;
    form->OpenDeployment();
    EXPECT_TRUE(form->PBAVION.visible);
    EXPECT_FALSE(form->ISPIS.visible);
    EXPECT_FALSE(form->btHQ.enabled);
    EXPECT_EQ(fighter.DestY, 1);

    form->PBAVIONMouseDown(platform::MouseButton::Left, 0, 5, 5);
    ASSERT_EQ(form->DeployingUnit(), PlayerBaseId + 3);
    messages.clear();
    LeftClick(16, 20);
    LeftClick(21, 21);
    LeftClick(24, 20);
    EXPECT_EQ(messages, (std::vector<int>{54, 54, 54})) << "sea, occupied land, 4 fields from the port";
    EXPECT_EQ(fighter.X, 0);
    RightClick(22, 20);
    EXPECT_EQ(fighter.X, 0) << "right clicks are ignored while deploying";

    LeftClick(22, 19);
    EXPECT_EQ(fighter.X, 22);
    EXPECT_EQ(fighter.Y, 19);
    EXPECT_EQ(fighter.Under, Land);
    EXPECT_EQ(s.MapGrid(22, 19), PlayerBaseId + 3);
    EXPECT_FALSE(form->deploymentPending);
    EXPECT_TRUE(form->ISPIS.visible);
    EXPECT_EQ(messages.back(), 51);
}

TEST_F(OrdersTest, HoverShowsSeenEnemiesAndPorts)
{
    GameState& s = state();
    s.MapGrid(30, 5) = CodeEnemyPort;
    const int enemy = EnemyBaseId + 4;
    Place(enemy, 56, 6, 6, 5, 6).Visible = 1;
    s.Unit(SecondCell(enemy)).Visible = 1;
    Redraw();
    const platform::Point stern = Centre(5, 6);
    form->EKRMouseMove(0, stern.x, stern.y);
    EXPECT_EQ(form->HoverUnit(), enemy) << "the second field names its ship";
    const platform::Point sea = Centre(8, 8);
    form->EKRMouseMove(0, sea.x, sea.y);
    EXPECT_EQ(form->HoverUnit(), 0);
    s.ViewX = 10;
    form->RedrawView();
    const platform::Point port = Centre(30, 5);
    form->EKRMouseMove(0, port.x, port.y);
    EXPECT_EQ(form->lbX.caption, "");
    EXPECT_EQ(form->lbY.caption, "enemy port");
}

} // namespace

} // namespace olvane
