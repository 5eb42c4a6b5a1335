#include "rules_fixture.h"
#include "rules/awards.h"
#include "rules/movement.h"
#include "rules/ports.h"

#include <gtest/gtest.h>

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

void AddPort(GameState& s, int x, int y, int owner, int kind, int zone = 0)
{
    ++s.PortCount;
    PortRec& p = s.Port(s.PortCount);
    p.X = static_cast<std::uint8_t>(x);
    p.Y = static_cast<std::uint8_t>(y);
    p.Owner = static_cast<std::uint8_t>(owner);
    p.StartOwner = p.Owner;
    p.Kind = static_cast<std::uint8_t>(kind);
    p.Zone = static_cast<std::uint8_t>(zone);
    p.Flag = owner == SidePlayer ? 1 : 0;
    const int base = kind == PortKindMajor ? CodePlayerMajorPort : CodePlayerPort;
    s.MapGrid(x, y) = static_cast<std::uint16_t>(base + (owner == SideEnemy ? 100 : 0));
}

void Goal(GameState& s, int type, int best, int middle, int least)
{
    SideStatsRec& g = s.SideStats(SidePlayer);
    g[GoalTypeByte] = static_cast<std::uint8_t>(type);
    g[GoalBestByte] = static_cast<std::uint8_t>(best);
    g[GoalMiddleByte] = static_cast<std::uint8_t>(middle);
    g[GoalLeastByte] = static_cast<std::uint8_t>(least);
}

void MoveTo(TestGame& game, int unit, int x, int y)
{
    game.state().Unit(unit).DestX = static_cast<std::uint8_t>(x);
    game.state().Unit(unit).DestY = static_cast<std::uint8_t>(y);
    MoveUnit(*game, unit);
}

TEST(Ports, ThePlayerIsPaidForAPortOnlyTheFirstTimeHeTakesIt)
{
    TestGame game;
    GameState& s = game.state();
    Goal(s, GoalDefendPorts, 3, 2, 1);
    AddPort(s, 12, 10, SideEnemy, PortKindMajor, 6);
    AddPort(s, 30, 30, SideEnemy, PortKindMajor);
    UnitRec& destroyer = PlaceUnit(game, P1, 43, 10, 10);
    PlaceUnit(game, P2, 43, 40, 40);
    MoveTo(game, P1, 12, 10);
    EXPECT_EQ(s.Port(1).Owner, SidePlayer);
    EXPECT_EQ(destroyer.Under / 100 * 100, CodePlayerMajorPort); // under the radar tint
    EXPECT_EQ(s.ProductionPoints, 30);
    EXPECT_EQ(game.presenter.messages, std::vector<int>{101});

    // The computer takes it back: the port turns, its zone's groups regroup, the taker stays.
    UnitRec& cruiser = PlaceUnit(game, E1, 53, 15, 10, 16, 10);
    UnitRec& escort = PlaceUnit(game, E2, 43, 50, 50);
    escort.Order = 2;
    s.AIGroup(4).Zone = 6;
    s.AIGroup(4).Members = {E1, E2, 0, 0};
    s.AIGroup(4).MemberCount = 2;
    MoveTo(game, P1, 11, 11);
    MoveTo(game, E1, 12, 10);
    EXPECT_EQ(s.Port(1).Owner, SideEnemy);
    EXPECT_EQ(cruiser.Under / 100 * 100, CodeEnemyMajorPort);
    EXPECT_EQ(game.presenter.messages.back(), 131);
    EXPECT_EQ(cruiser.Order, 20);
    EXPECT_EQ(escort.Order, 11);

    // Retaken, it pays nothing more; the cruiser must have left first.
    cruiser.Order = 0;
    MoveTo(game, E1, 14, 12);
    MoveTo(game, P1, 12, 10);
    EXPECT_EQ(s.Port(1).Owner, SidePlayer);
    EXPECT_EQ(s.ProductionPoints, 30);
    EXPECT_EQ(s.MapGrid(12, 10), P1);
    EXPECT_EQ(destroyer.Under / 100 * 100, CodePlayerMajorPort); // under the radar tint
}

TEST(Ports, TransportersSubmarinesAndAircraftTakeNoPort)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    AddPort(s, 11, 10, SideEnemy, PortKindOrdinary);
    for (int cls : {3, 13, 80, 93})
    {
        PlaceUnit(game, P1, cls, 10, 10);
        MoveTo(game, P1, 11, 10);
        EXPECT_EQ(s.Unit(P1).X, 11) << cls;
        EXPECT_EQ(s.Port(1).Owner, SideEnemy) << cls;
        s.MapGrid(11, 10) = s.Unit(P1).Under;
        s.MapGrid(10, 10) = 0;
    }
    PlaceUnit(game, P1, 20, 10, 10);
    MoveTo(game, P1, 11, 10);
    EXPECT_EQ(s.Port(1).Owner, SidePlayer);
    EXPECT_EQ(s.ProductionPoints, 15);
    EXPECT_EQ(s.MissionScore, 8);
}

TEST(Ports, ATwoCellShipTakesAPortWithItsStern)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    AddPort(s, 11, 10, SideEnemy, PortKindOrdinary);
    AddPort(s, 31, 30, SidePlayer, PortKindOrdinary);
    PlaceUnit(game, P1, 53, 10, 10, 9, 10);
    MoveTo(game, P1, 12, 10);
    ASSERT_EQ(s.Unit(SecondCell(P1)).X, 11);
    EXPECT_EQ(s.Port(1).Owner, SidePlayer);
    EXPECT_EQ(s.ProductionPoints, 15);

    // The computer's cruisers take ports the same way.
    PlaceUnit(game, E1, 53, 30, 30, 29, 30);
    MoveTo(game, E1, 32, 30);
    ASSERT_EQ(s.Unit(SecondCell(E1)).X, 31);
    EXPECT_EQ(s.Port(2).Owner, SideEnemy);
}

TEST(Ports, RetakingAHomePortCallsItsComputerGroupBack)
{
    TestGame game;
    GameState& s = game.state();
    Goal(s, GoalConquerPorts, 5, 8, 12);
    AddPort(s, 12, 10, SideEnemy, PortKindOrdinary, 7);
    s.Port(1).StartOwner = SidePlayer;
    s.Port(1).Flag = 1;
    AddPort(s, 60, 60, SideEnemy, PortKindMajor);
    PlaceUnit(game, P1, 43, 10, 10);
    UnitRec& away = PlaceUnit(game, E1, 43, 50, 50);
    UnitRec& guard = PlaceUnit(game, E2, 43, 55, 55);
    away.Order = 2;
    guard.Order = 20;
    s.AIGroup(2).Zone = 7;
    s.AIGroup(2).Members = {E1, E2, 0, 0};
    MoveTo(game, P1, 12, 10);
    EXPECT_EQ(s.Port(1).Owner, SidePlayer);
    EXPECT_EQ(s.ProductionPoints, 0); // his own port pays nothing
    EXPECT_EQ(away.Order, 12);
    EXPECT_EQ(guard.Order, 20);
}

TEST(Ports, EarlyInAConquestAComputerShipReachingItsZonesMajorPortGuardsIt)
{
    TestGame game;
    GameState& s = game.state();
    Goal(s, GoalConquerPorts, 5, 8, 12);
    AddPort(s, 20, 20, SideEnemy, PortKindMajor, 9);
    AddPort(s, 40, 40, SideEnemy, PortKindOrdinary, 9);
    UnitRec& ship = PlaceUnit(game, E1, 43, 18, 20);
    UnitRec& mate = PlaceUnit(game, E2, 43, 60, 60);
    ship.AIWork1 = 9;
    ship.Order = 1;
    mate.Order = 2;
    s.AIGroup(1).Zone = 9;
    s.AIGroup(1).Members = {E1, E2, 0, 0};
    s.TurnNumber = 3;
    MoveTo(game, E1, 20, 20);
    EXPECT_EQ(ship.Order, 20);
    EXPECT_EQ(mate.Order, 11);

    // From turn 4 on a ship passing through does not stop there.
    s.TurnNumber = 4;
    ship.Order = 1;
    mate.Order = 2;
    MoveTo(game, E1, 21, 22);
    MoveTo(game, E1, 20, 20);
    EXPECT_EQ(ship.Order, 1);
    EXPECT_EQ(mate.Order, 2);
}

TEST(Ports, ACaptureAndAnEarlyComputerMoveAreHandedToTheOpponent)
{
    TestGame game{TestGame::RulesOnly{}};
    GameState& s = game.state();
    Goal(s, GoalConquerPorts, 5, 8, 12);
    AddPort(s, 12, 10, SidePlayer, PortKindMajor, 6);
    AddPort(s, 40, 40, SideEnemy, PortKindMajor, 9);
    PlaceUnit(game, P1, 43, 30, 30);
    UnitRec& cruiser = PlaceUnit(game, E1, 43, 10, 10);
    cruiser.Order = 1;
    s.TurnNumber = 3;
    MoveTo(game, E1, 12, 10);
    EXPECT_EQ(s.Port(1).Owner, SideEnemy);
    EXPECT_EQ(game.handed.zoneOrders, (std::vector<std::pair<int, int>>{{6, 11}}));
    EXPECT_EQ(cruiser.Order, 20) << "the taker stays in the port";
    EXPECT_TRUE(game.handed.guardChecks.empty()) << "a ship standing still guards already";

    // Every other computer move of the first three turns is offered to the opponent as a port
    // guard; a ship's that stands still and any from turn 4 on are not.
    UnitRec& ship = PlaceUnit(game, E2, 43, 37, 40);
    ship.Order = 1;
    MoveTo(game, E2, 38, 40);
    ship.Order = 20;
    MoveTo(game, E2, 39, 40);
    ship.Order = 1;
    s.TurnNumber = 4;
    MoveTo(game, E2, 39, 41);
    EXPECT_EQ(game.handed.guardChecks, std::vector<int>{E2});
    EXPECT_EQ(game.handed.zoneOrders.size(), 1u);
}

TEST(Ports, MissionsAreGradedByTheTurnTheGoalIsReached)
{
    TestGame game;
    GameState& s = game.state();
    Goal(s, GoalDestroyAll, 5, 8, 12);
    PlaceUnit(game, P1, 43, 10, 10);
    UnitRec& last = PlaceUnit(game, E1, 43, 12, 10);
    s.TurnNumber = 4;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 0);
    last.Active = 0;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultMajorVictory);
    s.TurnNumber = 8;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameResult, ResultVictory);
    s.TurnNumber = 13;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameResult, ResultDefeat);

    // Sinking enough ships of the goal class.
    Goal(s, GoalSinkClass, 5, 8, 12);
    s.SideStats(SidePlayer)[GoalClassByte] = 63;
    s.SideStats(SidePlayer)[GoalKillCountByte] = 2;
    s.TurnNumber = 6;
    s.DestroyedList.Entries[0] = {63, SideEnemy};
    s.DestroyedList.Entries[1] = {63, SidePlayer};
    s.DestroyedList.Count = 2;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 0);
    s.DestroyedList.Entries[2] = {63, SideEnemy};
    s.DestroyedList.Count = 3;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultVictory);

    // Conquest: no major port left to the enemy.
    Goal(s, GoalConquerPorts, 5, 8, 12);
    AddPort(s, 30, 30, SideEnemy, PortKindOrdinary);
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameResult, ResultVictory); // ordinary ports do not count
    AddPort(s, 31, 30, SideEnemy, PortKindMajor);
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 0);

    // Losing every unit ends the game in defeat; an abandoned game ends at the next check.
    s.Unit(P1).Active = 0;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultDefeat);
    s.Unit(P1).Active = 1;
    s.GameResult = ResultQuit;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultQuit);
}

TEST(Ports, TimeRunsOutAtTheEndOfTheEnemyPhase)
{
    TestGame game;
    GameState& s = game.state();
    Goal(s, GoalConquerPorts, 5, 8, 12);
    PlaceUnit(game, P1, 43, 10, 10);
    UnitRec& enemy = PlaceUnit(game, E1, 43, 20, 20);
    s.TurnNumber = 11;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameOver, 0);
    s.TurnNumber = 12;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultDefeat);

    // Hunting every enemy: past the limit the result depends on who is left.
    Goal(s, GoalDestroyAll, 5, 8, 12);
    s.TurnNumber = 13;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameResult, ResultDefeat);
    enemy.Active = 0;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameResult, ResultMinorVictory);

    // Defending: graded by the major ports held once the last turn is played out.
    Goal(s, GoalDefendPorts, 3, 2, 1);
    s.SideStats(SidePlayer)[GoalLastTurnByte] = 13;
    AddPort(s, 30, 30, SidePlayer, PortKindMajor);
    AddPort(s, 40, 40, SidePlayer, PortKindMajor);
    AddPort(s, 50, 50, SidePlayer, PortKindOrdinary);
    enemy.Active = 1;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameOver, 0); // the computer has not finished its moves
    enemy.MovedThisTurn = 1;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultVictory);

    s.Unit(P1).Active = 0;
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameResult, ResultDefeat);
}

TEST(Ports, ConvoyShipsLeaveTheMapAtTheirGoalAndTheMissionIsGradedByArrivals)
{
    TestGame game;
    GameState& s = game.state();
    Goal(s, GoalConvoy, 2, 1, 1);
    SideStatsRec& goal = s.SideStats(SidePlayer);
    goal[GoalClassByte] = 3;
    goal[GoalPortByte] = 1;
    goal[GoalLastTurnByte] = 20;
    AddPort(s, 12, 10, SidePlayer, PortKindOrdinary);
    UnitRec& first = PlaceUnit(game, P1, 3, 10, 10);
    UnitRec& second = PlaceUnit(game, P2, 3, 30, 30);
    PlaceUnit(game, PlayerBaseId + 3, 43, 40, 40);
    MoveTo(game, P1, 12, 10);
    EXPECT_EQ(first.Active, 0);
    EXPECT_EQ(first.X, 0);
    EXPECT_EQ(s.MapGrid(12, 10), CodePlayerPort);
    EXPECT_EQ(goal[GoalArrivedByte], 1);
    EXPECT_EQ(s.ProductionPoints, 20);
    EXPECT_EQ(s.DestroyedList.Count, 0);
    EXPECT_EQ(s.GameOver, 0);

    // The last convoy ship sunk: the mission ends graded by the one that arrived.
    second.Active = 0;
    VictoryCheckAfterMove(*game);
    EXPECT_EQ(s.GameOver, 1);
    EXPECT_EQ(s.GameResult, ResultVictory);
    VictoryCheckEndOfTurn(*game);
    EXPECT_EQ(s.GameResult, ResultVictory);
}

TEST(Ports, AircraftArePlacedOnFreeLandNearAnOwnPortOncePerField)
{
    TestGame game;
    GameState& s = game.state();
    KeepPlayerPhaseOpen(game);
    EXPECT_FALSE(CanPlaceAircraft(*game));
    AddPort(s, 10, 10, SidePlayer, PortKindMajor);
    EXPECT_FALSE(CanPlaceAircraft(*game)); // no land near it
    s.MapGrid(13, 12) = Land;
    s.MapGrid(14, 12) = Land;
    EXPECT_TRUE(CanPlaceAircraft(*game));
    EXPECT_TRUE(AirFieldAllowed(*game, 13, 12, SidePlayer));
    EXPECT_FALSE(AirFieldAllowed(*game, 14, 12, SidePlayer)); // four fields away
    EXPECT_FALSE(AirFieldAllowed(*game, 12, 12, SidePlayer)); // sea
    EXPECT_FALSE(AirFieldAllowed(*game, 13, 12, SideEnemy));
    EXPECT_FALSE(AirFieldAllowed(*game, 0, 101, SidePlayer));
    EXPECT_TRUE(game.presenter.errors.empty());

    UnitRec& fighter = PlaceUnit(game, P1, 80, 13, 12);
    EXPECT_FALSE(AirFieldAllowed(*game, 13, 12, SidePlayer)); // taken
    EXPECT_FALSE(CanPlaceAircraft(*game));
    MoveTo(game, P1, 15, 15);
    EXPECT_EQ(fighter.PlacedX, 13);
    EXPECT_FALSE(AirFieldAllowed(*game, 13, 12, SidePlayer));
    EXPECT_EQ(game.presenter.errors, std::vector<std::string>{"You have already placed air unit here."});
}

} // namespace
} // namespace olvane
