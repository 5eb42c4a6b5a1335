#include "rules/movement.h"
#include "rules/awards.h"
#include "rules_fixture.h"
#include "state/cell_code.h"

#include <gtest/gtest.h>

#include <random>

namespace olvane
{
namespace
{

using test::PlaceUnit;
using test::TestGame;
using test::P1;
using test::P2;
using test::E1;
using test::E2;
using test::Land;

std::vector<std::pair<int, int>> Cells(const Path& path)
{
    std::vector<std::pair<int, int>> cells;
    for (const PathStep& s : path)
    {
        cells.emplace_back(s.x, s.y);
    }
    return cells;
}

void Order(TestGame& game, int unit, int x, int y)
{
    game.state().Unit(unit).DestX = static_cast<std::uint8_t>(x);
    game.state().Unit(unit).DestY = static_cast<std::uint8_t>(y);
}

TEST(Movement, PathsTryOrthogonalStepsBeforeDiagonalOnesAtEveryLevel)
{
    TestGame game;
    PlaceUnit(game, P1, 43, 10, 10);
    const ReachTable reach = ComputeReachable(*game, P1, ReachMode::Compute);
    const Path path = FindPath(*game, reach, 10, 10, 12, 11, 3, ReachMode::Compute);
    using Cell = std::pair<int, int>;
    EXPECT_EQ(Cells(path), (std::vector<Cell>{{10, 10}, {11, 11}, {12, 11}}));
    EXPECT_EQ(path[1].direction, 1);
    EXPECT_EQ(path[2].direction, 0);
    EXPECT_EQ(Cells(FindPath(*game, reach, 10, 10, 10, 12, 3, ReachMode::Compute)),
              (std::vector<Cell>{{10, 10}, {10, 11}, {10, 12}}));
    // Beyond the levels given, or off the reach, there is no path.
    EXPECT_TRUE(FindPath(*game, reach, 10, 10, 14, 10, 3, ReachMode::Compute).empty());
    EXPECT_TRUE(FindPath(*game, reach, 10, 10, 12, 11, 1, ReachMode::Compute).empty());
}

TEST(Movement, AnOrderOutOfReachIsClampedToAReachableField)
{
    TestGame game;
    UnitRec& u = PlaceUnit(game, P1, 43, 10, 10); // Speed 3
    Order(game, P1, 20, 14);
    ClampDestination(*game, P1);
    // The box edge on the farther axis, half way on the other: not the straight line's (13, 11).
    EXPECT_EQ(u.DestX, 13);
    EXPECT_EQ(u.DestY, 12);

    // A clamped point on land moves to the nearest reachable field, columns first.
    game.state().MapGrid(13, 12) = Land;
    Order(game, P1, 20, 14);
    ClampDestination(*game, P1);
    EXPECT_EQ(u.DestX, 12);
    EXPECT_EQ(u.DestY, 11);

    // Hemmed in on every side: no destination at all.
    for (int dx = -1; dx <= 1; ++dx)
    {
        for (int dy = -1; dy <= 1; ++dy)
        {
            if (dx != 0 || dy != 0)
            {
                game.state().MapGrid(10 + dx, 10 + dy) = Land;
            }
        }
    }
    Order(game, P1, 20, 14);
    ClampDestination(*game, P1);
    EXPECT_EQ(u.DestX, 0);
    EXPECT_EQ(u.DestY, 0);
}

TEST(Movement, ATwoCellShipDragsItsSternBehindIt)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    s.MapGrid(9, 10) = CodeColumnLine;
    UnitRec& ship = PlaceUnit(game, P1, 53, 10, 10, 9, 10);
    const UnitRec& stern = s.Unit(SecondCell(P1));
    Order(game, P1, 13, 10);
    MoveUnit(*game, P1);
    EXPECT_EQ(ship.X, 13);
    EXPECT_EQ(stern.X, 12);
    EXPECT_EQ(stern.Y, 10);
    EXPECT_EQ(ship.Facing, 0);
    EXPECT_EQ(stern.Facing, 0);
    EXPECT_EQ(s.MapGrid(13, 10), P1);
    EXPECT_EQ(s.MapGrid(12, 10), SecondCell(P1));
    EXPECT_EQ(s.MapGrid(9, 10), CodeColumnLine);
    EXPECT_FALSE(IsUnitCode(s.MapGrid(10, 10)));
    EXPECT_FALSE(IsUnitCode(s.MapGrid(11, 10)));
    EXPECT_EQ(ship.DestX, 0);
    EXPECT_EQ(ship.MovedThisTurn, 1);
    // Three steps of the player's ship pause 18 ms each.
    EXPECT_EQ(std::count(game.presenter.delays.begin(), game.presenter.delays.end(), 18), 3);
    EXPECT_EQ(game.presenter.sounds.front(), 53);
}

TEST(Movement, ShipsStayOffLandAndAircraftFlyOverIt)
{
    TestGame game;
    GameState& s = game.state();
    for (int y = 1; y <= 20; ++y)
    {
        s.MapGrid(11, y) = Land;
    }
    PlaceUnit(game, P1, 43, 10, 10);
    const ReachTable ship = ComputeReachable(*game, P1, ReachMode::Compute);
    EXPECT_FALSE(ship.Has(11, 10));
    EXPECT_FALSE(ship.Has(12, 10));
    PlaceUnit(game, P2, 80, 10, 5);
    const ReachTable plane = ComputeReachable(*game, P2, ReachMode::Compute);
    EXPECT_TRUE(plane.Has(11, 5));
    EXPECT_TRUE(plane.Has(15, 5));
    // Speed 5 reaches five fields and no more.
    EXPECT_FALSE(plane.Has(16, 5));
}

TEST(Movement, CoastCornersCutDiagonalSteps)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& u = PlaceUnit(game, P1, 43, 10, 10);
    u.Speed = 1;
    s.MarkGrid(10, 10) = 3; // the corner towards (+1, +1)
    EXPECT_FALSE(ComputeReachable(*game, P1, ReachMode::Compute).Has(11, 11));
    EXPECT_TRUE(ComputeReachable(*game, P1, ReachMode::Compute).Has(9, 11));

    // A corner the map flags passable cuts the move all the same, and so the reach shown too.
    s.MarkGrid(10, 10) = 13;
    EXPECT_FALSE(ComputeReachable(*game, P1, ReachMode::Compute).Has(11, 11));
    ComputeReachable(*game, P1, ReachMode::Display);
    EXPECT_EQ(s.MapGrid(11, 11), 0);
    EXPECT_EQ(s.MapGrid(9, 11), 50);
    HideReach(*game, P1);

    // The entered field's corner facing back cuts the step as well, in the reach as in the path.
    s.MarkGrid(10, 10) = 0;
    s.MarkGrid(11, 11) = 1;
    EXPECT_FALSE(ComputeReachable(*game, P1, ReachMode::Compute).Has(11, 11));
    ComputeReachable(*game, P1, ReachMode::Display);
    EXPECT_EQ(s.MapGrid(11, 11), 0);
    HideReach(*game, P1);

    // A path may not enter a field across its corner that faces the field it comes from.
    s.MarkGrid(10, 10) = 0;
    s.MarkGrid(11, 11) = 1;
    u.Speed = 3;
    const ReachTable reach = ComputeReachable(*game, P1, ReachMode::Compute);
    const Path around = FindPath(*game, reach, 10, 10, 11, 11, 3, ReachMode::Compute);
    ASSERT_EQ(around.size(), 3u);
    EXPECT_EQ(around[1].direction % 2, 0);
    Order(game, P1, 11, 11);
    MoveUnit(*game, P1);
    EXPECT_EQ(u.X, 11);
    EXPECT_EQ(u.Y, 11);
    EXPECT_EQ(u.Facing % 2, 0);
}

TEST(Movement, TheReachShownIsExactlyWhereTheMoveGoes)
{
    // A ragged coast: land scattered over a 40 x 40 sea, and coast corners of every kind, the
    // passable ones among them, on the sea fields beside it.
    TestGame game;
    GameState& s = game.state();
    std::mt19937 dice(20);
    for (int y = 2; y <= 41; ++y)
    {
        for (int x = 2; x <= 41; ++x)
        {
            if (dice() % 4 == 0)
            {
                s.MapGrid(x, y) = Land;
            }
        }
    }
    constexpr std::uint16_t Corners[8] = {1, 2, 3, 4, 11, 12, 13, 14};
    for (int y = 1; y <= 42; ++y)
    {
        for (int x = 1; x <= 42; ++x)
        {
            if (s.MapGrid(x, y) != Land && dice() % 2 == 0)
            {
                s.MarkGrid(x, y) = Corners[dice() % 8];
            }
        }
    }
    struct Case
    {
        int id, cls, x, y, speed;
    };
    const Case cases[] = {{P1, 43, 12, 12, 3}, {P2, 43, 30, 14, 7}, {PlayerBaseId + 3, 20, 14, 30, 2},
                          {PlayerBaseId + 4, 56, 28, 28, 5}, {PlayerBaseId + 5, 80, 20, 21, 4}};
    for (const Case& c : cases)
    {
        s.MapGrid(c.x, c.y) = 0;
        s.MapGrid(c.x - 1, c.y) = 0;
        PlaceUnit(game, c.id, c.cls, c.x, c.y, c.x - 1, c.y).Speed = static_cast<std::uint8_t>(c.speed);
    }
    KeepPlayerPhaseOpen(game);
    const GameState start = s;

    int shown = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE("unit of class " + std::to_string(c.cls));
        ShowReach(*game, c.id);
        const GameState marked = s;
        for (int y = c.y - c.speed - 1; y <= c.y + c.speed + 1; ++y)
        {
            for (int x = c.x - c.speed - 1; x <= c.x + c.speed + 1; ++x)
            {
                if (!OnMap(s, x, y) || (x == c.x && y == c.y))
                {
                    continue;
                }
                const bool green = DecodeCell(marked, x, y).highlight != 0;
                s = start;
                Order(game, c.id, x, y);
                MoveUnit(*game, c.id);
                const bool reached = s.Unit(c.id).X == x && s.Unit(c.id).Y == y;
                EXPECT_EQ(green, reached) << "field " << x << "," << y;
                shown += green ? 1 : 0;
            }
        }
        s = marked;
        HideReach(*game, c.id);
        EXPECT_TRUE(s == start) << "hiding the reach takes every mark away again";
    }
    EXPECT_GT(shown, 100);
}

TEST(Movement, TheReachDisplayIgnoresHiddenEnemiesButTheMoveDoesNot)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    UnitRec& mine = PlaceUnit(game, P1, 43, 10, 10);
    mine.Speed = 1;
    UnitRec& hidden = PlaceUnit(game, E1, 43, 11, 10);
    ShowReach(*game, P1);
    EXPECT_EQ(hidden.Under, 50); // the mark goes under the hidden ship
    EXPECT_EQ(s.MapGrid(9, 9), 50);
    EXPECT_EQ(s.MapGrid(10, 10), P1);
    HideReach(*game, P1);
    EXPECT_EQ(hidden.Under, 0);
    EXPECT_EQ(s.MapGrid(9, 9), 0);

    // The player's own ships block the reach shown whatever their slot.
    UnitRec& own = PlaceUnit(game, PlayerBaseId + 95, 43, 9, 10);
    ShowReach(*game, P1);
    EXPECT_EQ(own.Under, 0);
    HideReach(*game, P1);
    s.MapGrid(9, 10) = 0;
    own = UnitRec{};

    // Ordered onto the hidden ship, the move stops next to it and never enters its field.
    Order(game, P1, 11, 10);
    MoveUnit(*game, P1);
    EXPECT_EQ(s.MapGrid(11, 10), E1);
    EXPECT_NE(mine.X * 100 + mine.Y, 1110);
    EXPECT_EQ(hidden.Visible, 1); // and its radar found it
}

TEST(Movement, ComputerShipsKeepTheirDistanceExceptEscorts)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, E1, 53, 20, 10, 19, 10);
    UnitRec& destroyer = PlaceUnit(game, E2, 43, 15, 10);
    Order(game, E2, 18, 10);
    MoveUnit(*game, E2);
    // (18, 10) lies next to the cruiser's stern: the first field clear of it is (17, 9).
    EXPECT_EQ(destroyer.X, 17);
    EXPECT_EQ(destroyer.Y, 9);
    EXPECT_TRUE(SpacingAllows(s, E2, destroyer.X, destroyer.Y));

    UnitRec& corvette = PlaceUnit(game, EnemyBaseId + 3, 20, 20, 14);
    Order(game, EnemyBaseId + 3, 20, 12);
    MoveUnit(*game, EnemyBaseId + 3);
    EXPECT_EQ(corvette.Y, 12);
    EXPECT_EQ(corvette.X, 20);

    // A ship's own second cell and a player's ship do not count.
    EXPECT_TRUE(SpacingAllows(s, E1, 18, 11));
    PlaceUnit(game, P1, 43, 30, 30);
    EXPECT_TRUE(SpacingAllows(s, E2, 31, 31));
    s.Unit(E2).Order = 12;
    EXPECT_TRUE(SpacingAllows(s, E2, 21, 10));
    s.Unit(E2).Order = 0;
    EXPECT_FALSE(SpacingAllows(s, E2, 21, 10));
}

TEST(Movement, WhoScansAfterAMove)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    PlaceUnit(game, E1, 43, 12, 12);
    UnitRec& transporter = PlaceUnit(game, P1, 3, 10, 10);
    Order(game, P1, 11, 11);
    MoveUnit(*game, P1);
    EXPECT_EQ(transporter.X, 11);
    EXPECT_EQ(s.LastMovedUnit, 0);
    EXPECT_EQ(s.Unit(E1).Visible, 0);

    // A unit that stands does not move but still turns its radar on.
    UnitRec& guard = PlaceUnit(game, P2, 43, 13, 13);
    guard.Order = 20;
    Order(game, P2, 15, 15);
    MoveUnit(*game, P2);
    EXPECT_EQ(guard.X, 13);
    EXPECT_EQ(s.LastMovedUnit, P2);
    EXPECT_EQ(s.Unit(E1).Visible, 1);
    EXPECT_EQ(guard.DestX, 0);

    // Without any order a unit stays where it is and scans.
    UnitRec& idle = PlaceUnit(game, PlayerBaseId + 3, 43, 30, 30);
    MoveUnit(*game, PlayerBaseId + 3);
    EXPECT_EQ(idle.X, 30);
    EXPECT_EQ(idle.Y, 30);
    EXPECT_EQ(s.LastMovedUnit, PlayerBaseId + 3);
}

TEST(Movement, AircraftRememberTheirFieldAndComputerAircraftStrikeWhereTheyArePlaced)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    s.MapGrid(10, 10) = Land;
    UnitRec& fighter = PlaceUnit(game, P1, 80, 10, 10);
    Order(game, P1, 13, 12);
    MoveUnit(*game, P1);
    EXPECT_EQ(fighter.PlacedX, 10);
    EXPECT_EQ(fighter.PlacedY, 10);
    EXPECT_EQ(fighter.X, 13);
    EXPECT_EQ(s.MapGrid(10, 10), Land);

    UnitRec& bomber = PlaceUnit(game, E1, 86, 40, 40);
    bomber.Visible = 1;
    bomber.PlacedX = 14;
    bomber.PlacedY = 12;
    MoveUnit(*game, E1);
    EXPECT_EQ(bomber.X, 40);
    EXPECT_EQ(bomber.Visible, 1);
    EXPECT_LT(fighter.Armor, 5);
}

// Two player ships and no enemy: the first moves, then the second's move wins the mission on
// turn 3; `between` looks at the game after the first move.
template <typename Check>
void MoveTwoShipsToVictory(TestGame& game, Check between)
{
    GameState& s = game.state();
    PlaceUnit(game, P1, 43, 10, 10);
    PlaceUnit(game, P2, 43, 20, 20);
    s.SelectedUnit = P1;
    Order(game, P1, 11, 10);
    MoveUnit(*game, P1);
    between();
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalDestroyAll;
    s.SideStats(SidePlayer)[GoalLeastByte] = 10;
    s.TurnNumber = 3;
    Order(game, P2, 21, 20);
    MoveUnit(*game, P2);
}

TEST(Movement, APlayerMoveEndsInTheNextUnitOrTheEndOfTheGame)
{
    TestGame game;
    GameState& s = game.state();
    MoveTwoShipsToVictory(game, [&] { EXPECT_EQ(s.SelectedUnit, P2); });
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultMinorVictory);
    EXPECT_EQ(game.presenter.endOfGameShown, 1);
    EXPECT_EQ(s.MissionScore, 100 + 25 * 7);
}

TEST(Movement, WithoutTheTurnCycleAMoveOnlyHandsItTheNextUnitOrTheEndOfTheGame)
{
    TestGame game{TestGame::RulesOnly{}};
    GameState& s = game.state();
    MoveTwoShipsToVictory(game, [&] {
        EXPECT_EQ(game.handed.nextUnitChoices, 1);
        EXPECT_EQ(game.handed.endsOfGame, 0);
        EXPECT_EQ(s.SelectedUnit, P1) << "choosing the next unit is the turn cycle's business";
    });
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultMinorVictory);
    EXPECT_EQ(game.handed.endsOfGame, 1);
    EXPECT_EQ(game.handed.nextUnitChoices, 1);
    EXPECT_EQ(game.presenter.endOfGameShown, 0);
    EXPECT_EQ(s.MissionScore, 0) << "the mission's award comes with the end of the game";
}

TEST(Movement, TheLastUnitsMoveHandsTheTurnToTheComputer)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 43, 10, 10);
    PlaceUnit(game, E1, 43, 60, 60);
    s.TurnNumber = 1;
    s.SelectedUnit = P1;
    Order(game, P1, 11, 10);
    MoveUnit(*game, P1);
    EXPECT_EQ(s.TurnNumber, 2) << "the enemy phase was played and the next player phase began";
    EXPECT_EQ(s.Unit(P1).MovedThisTurn, 0) << "the ship may act again";
    EXPECT_EQ(s.GameOver, 0);
    EXPECT_NE(std::find_if(s.LBinfo.begin(), s.LBinfo.end(),
                           [](const std::string& line) { return line.find("End of 1. turn") != std::string::npos; }),
              s.LBinfo.end());
}

} // namespace
} // namespace olvane
