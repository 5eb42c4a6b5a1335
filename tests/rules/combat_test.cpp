#include "rules/combat.h"
#include "rules/awards.h"
#include "rules/detection.h"
#include "rules_fixture.h"

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

TEST(Combat, EveryShotCostsOneFireAndOneArmor)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& shooter = PlaceUnit(game, P1, 63, 10, 10, 9, 10); // battleship, Fire 4
    UnitRec& target = PlaceUnit(game, E1, 43, 12, 10);         // destroyer, Armor 5
    target.Armor = 2;
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalConquerPorts;

    FireShot(*game, P1, E1);
    EXPECT_EQ(target.Armor, 1);
    EXPECT_EQ(shooter.Fire, 3);
    EXPECT_EQ(target.HitMark, 100);
    EXPECT_EQ(target.AttackedBy, 20);
    EXPECT_TRUE(target.Active);
    // A hit sounds the attacker's explosion, shows frames 0..4 and pauses by the attacker's class.
    EXPECT_EQ(game.presenter.sounds.back(), 163);
    ASSERT_EQ(game.presenter.explosions.size(), 5u);
    EXPECT_EQ(game.presenter.explosions.front(), (test::RecordingPresenter::Frame{12, 10, 0}));
    EXPECT_EQ(game.presenter.explosions.back(), (test::RecordingPresenter::Frame{12, 10, 4}));
    EXPECT_EQ(game.presenter.delays.back(), 484);

    game.presenter.explosions.clear();
    FireShot(*game, P1, E1);
    EXPECT_FALSE(target.Active);
    EXPECT_EQ(target.X, 0);
    EXPECT_EQ(s.MapGrid(12, 10), 0);
    EXPECT_EQ(game.presenter.sounds.back(), 250);
    EXPECT_EQ(game.presenter.explosions.front().frame, 4);
    EXPECT_EQ(game.presenter.explosions.back().frame, 8);
    EXPECT_EQ(game.presenter.delays.back(), 1560);
    // The kill pays 7 production points and 5 score; enemy losses are not written to the list.
    EXPECT_EQ(s.ProductionPoints, 7);
    EXPECT_EQ(s.MissionScore, 5);
    EXPECT_TRUE(s.LBinfo.empty());
    ASSERT_EQ(s.DestroyedList.Count, 1);
    EXPECT_EQ(s.DestroyedList.Entries[0], (DestroyedEntry{43, SideEnemy}));
}

TEST(Combat, AShotAtTheSecondCellHitsTheShipAndTheKillClearsBothCells)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 43, 5, 5);
    s.MapGrid(8, 5) = CodeColumnLine;
    UnitRec& cruiser = PlaceUnit(game, E1, 53, 7, 5, 8, 5);
    cruiser.Armor = 1;
    FireShot(*game, P1, SecondCell(E1));
    EXPECT_EQ(cruiser.Armor, 0);
    EXPECT_FALSE(cruiser.Active);
    EXPECT_FALSE(s.Unit(SecondCell(E1)).Active);
    EXPECT_EQ(s.MapGrid(7, 5), 0);
    EXPECT_EQ(s.MapGrid(8, 5), CodeColumnLine);
    EXPECT_EQ(s.Unit(SecondCell(E1)).X, 0);
    // Both cells of a two-cell ship explode.
    EXPECT_EQ(game.presenter.explosions.size(), 10u);
}

TEST(Combat, TheComputersHitsAreReportedInTwoLines)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& mine = PlaceUnit(game, P1, 43, 10, 10);
    mine.Name.Set("  Kestrel ");
    PlaceUnit(game, E1, 13, 11, 10);
    FireShot(*game, E1, P1);
    ReportAttack(*game, E1, P1);
    ASSERT_EQ(s.LBinfo.size(), 2u);
    EXPECT_EQ(s.LBinfo[0], "DE Kestrel");
    EXPECT_EQ(s.LBinfo[1], "          -under torpedo attack");
    EXPECT_EQ(mine.AttackedBy, 3);
    // The computer's shots do not pause for the player to watch.
    EXPECT_EQ(game.presenter.delays.size(), 5u);

    // Each weapon sets its own digit; a port gun marks a player unit instead.
    PlaceUnit(game, E2, 80, 12, 11);
    RecordAttack(*game, E2, P1);
    PlaceUnit(game, EnemyBaseId + 3, 103, 9, 9);
    RecordAttack(*game, EnemyBaseId + 3, P1);
    EXPECT_EQ(mine.AttackedBy, 103);
    EXPECT_EQ(mine.PortArtilleryHit, 4);
    ReportAttack(*game, EnemyBaseId + 3, P1);
    EXPECT_EQ(s.LBinfo[1], "          -under port artillery attack");
    // An unarmed attacker leaves no mark, and its report names no weapon.
    PlaceUnit(game, EnemyBaseId + 4, 3, 1, 1);
    RecordAttack(*game, EnemyBaseId + 4, P1);
    EXPECT_EQ(mine.AttackedBy, 103);
    ReportAttack(*game, EnemyBaseId + 4, P1);
    EXPECT_EQ(s.LBinfo[1], "          -underattack");
}

TEST(Combat, PlayerLossesAreListedAndForgottenByTheComputer)
{
    TestGame game;
    GameState& s = game.state();
    UnitRec& fighter = PlaceUnit(game, P1, 80, 20, 30);
    fighter.Name.Set("Hawk");
    fighter.Armor = 1;
    UnitRec& destroyer = PlaceUnit(game, P2, 43, 21, 30);
    destroyer.Name.Set("Vigil");
    destroyer.Armor = 1;
    s.KnownEnemies[3] = P1;
    s.KnownEnemies[7] = P2;
    s.KnownEnemyCount = 2;
    s.ProductionPoints = 5;
    PlaceUnit(game, E1, 63, 22, 31, 23, 31);

    FireShot(*game, E1, P1);
    EXPECT_EQ(s.LBinfo.front(), "FT Hawk     destroyed at 20-30");
    FireShot(*game, E1, P2);
    EXPECT_EQ(s.LBinfo.front(), "DE Vigil     sank at 21-30");
    EXPECT_EQ(s.KnownEnemyCount, 0);
    EXPECT_EQ(s.KnownEnemies[3], 0);
    EXPECT_EQ(s.ProductionPoints, 5 - 10 - 7);
    EXPECT_EQ(s.DestroyedList.Entries[1], (DestroyedEntry{43, SidePlayer}));
}

TEST(Combat, ADestroyedPortGunIsNotListedAndAGroupEmptiedIsReset)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 63, 10, 10, 9, 10);
    UnitRec& gun = PlaceUnit(game, E1, 100, 11, 10);
    gun.AIGroup = 3;
    gun.Armor = 1;
    s.AIGroup(3).MemberCount = 1;
    s.AIGroup(3).Zone = 7;
    FireShot(*game, P1, E1);
    EXPECT_EQ(s.DestroyedList.Count, 0);
    EXPECT_EQ(s.AIGroup(3).MemberCount, 1);
    EXPECT_EQ(s.AIGroup(3).Zone, 7);

    UnitRec& ship = PlaceUnit(game, E2, 43, 12, 10);
    ship.AIGroup = 3;
    ship.Armor = 1;
    s.AIGroup(3).Members = {E2, 0, 0, 0};
    s.AIGroup(3).Sector = 2;
    s.AIGroup(3).Phases = 9;
    FireShot(*game, P1, E2);
    const AIGroupRec& g = s.AIGroup(3);
    EXPECT_EQ(g.MemberCount, 0);
    EXPECT_EQ(g.Zone, 0);
    EXPECT_EQ(g.Sector, 0);
    EXPECT_EQ(g.Mark, 72);
    EXPECT_EQ(g.Members[0], 0);
    EXPECT_EQ(g.Phases, 0);
    EXPECT_EQ(g.Number, 3);
}

TEST(Combat, TheOpponentIsToldToResetTheGroupItsLastShipLeft)
{
    TestGame game{TestGame::RulesOnly{}};
    GameState& s = game.state();
    PlaceUnit(game, E1, 43, 12, 10).AIGroup = 3;
    PlaceUnit(game, E2, 43, 14, 10).AIGroup = 3;
    s.AIGroup(3).MemberCount = 2;
    s.AIGroup(3).Zone = 7;
    DestroyUnit(*game, E1);
    EXPECT_TRUE(game.handed.groupsReset.empty());
    DestroyUnit(*game, E2);
    EXPECT_EQ(game.handed.groupsReset, std::vector<int>{3});
    EXPECT_EQ(s.AIGroup(3).MemberCount, 0);
    EXPECT_EQ(s.AIGroup(3).Zone, 7) << "resetting the group is the opponent's business";
}

TEST(Combat, TargetingFollowsTheDetectionRules)
{
    TestGame game;
    PlaceUnit(game, P1, 63, 10, 10, 9, 10); // Range 3: the 5 x 5 square without corners
    PlaceUnit(game, P2, 43, 10, 12);        // Range 1: the 3 x 3 square
    PlaceUnit(game, E1, 13, 11, 11);
    PlaceUnit(game, E2, 80, 9, 12);
    PlaceUnit(game, EnemyBaseId + 3, 43, 12, 11);
    PlaceUnit(game, EnemyBaseId + 4, 43, 12, 12);
    EXPECT_FALSE(CanTarget(*game, P1, E1)); // no sonar on a battleship
    EXPECT_TRUE(CanTarget(*game, P2, E1));  // a destroyer hears it
    EXPECT_FALSE(CanTarget(*game, P2, E2)); // but cannot see aircraft
    EXPECT_TRUE(CanTarget(*game, P1, EnemyBaseId + 3));
    EXPECT_FALSE(CanTarget(*game, P1, EnemyBaseId + 4)); // a corner outside its pattern
    PlaceUnit(game, PlayerBaseId + 3, 80, 30, 30);
    game.state().Unit(E2).X = 31;
    game.state().Unit(E2).Y = 31;
    EXPECT_TRUE(CanTarget(*game, PlayerBaseId + 3, E2)); // a fighter sees aircraft
    PlaceUnit(game, PlayerBaseId + 4, 10, 40, 40);
    PlaceUnit(game, EnemyBaseId + 5, 103, 41, 40);
    EXPECT_FALSE(CanTarget(*game, PlayerBaseId + 4, EnemyBaseId + 5)); // a submarine sees no port gun
}

TEST(Combat, TheComputerFiresAtTheLargestClassFirstAndAtTheConvoyBeforeAll)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 43, 10, 10);
    PlaceUnit(game, P2, 63, 12, 10, 13, 10);
    PlaceUnit(game, PlayerBaseId + 3, 20, 14, 10);
    s.ContactList = {P1, P2, PlayerBaseId + 3};
    s.ContactCount = 3;
    OrderTargets(*game);
    EXPECT_EQ(s.ContactList[0], P2);
    EXPECT_EQ(s.ContactList[1], P1);
    EXPECT_EQ(s.ContactList[2], PlayerBaseId + 3);

    s.SideStats(SidePlayer)[GoalClassByte] = 43;
    s.ContactList = {P1, P2, PlayerBaseId + 3};
    OrderTargets(*game);
    EXPECT_EQ(s.ContactList[0], P2); // no convoy port: the goal class has no priority
    s.SideStats(SidePlayer)[GoalPortByte] = 2;
    s.ContactList = {P2, P1, PlayerBaseId + 3};
    OrderTargets(*game);
    EXPECT_EQ(s.ContactList[0], P1);
    EXPECT_EQ(s.ContactList[1], P2);
}

TEST(Combat, TheComputerRemembersSurvivingContactsWhileSlotsLast)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 43, 10, 10);
    PlaceUnit(game, P2, 43, 11, 10);
    s.KnownEnemies.fill(PlayerBaseId + 50);
    s.KnownEnemies[4] = 0;
    s.KnownEnemyCount = 29;
    s.Unit(P2).X = 0;
    s.ContactList = {P1, P2, P1};
    s.ContactCount = 3;
    RememberContacts(*game);
    EXPECT_EQ(s.KnownEnemies[4], P1);
    EXPECT_EQ(s.KnownEnemyCount, 30);
    PlaceUnit(game, PlayerBaseId + 3, 43, 12, 10);
    s.ContactList = {PlayerBaseId + 3};
    s.ContactCount = 1;
    RememberContacts(*game);
    EXPECT_EQ(s.KnownEnemyCount, 30);
}

TEST(Combat, APortGunTurnsTheShortWayToItsTarget)
{
    TestGame game;
    UnitRec& gun = PlaceUnit(game, E1, 106, 10, 10);
    gun.Facing = 0;
    TurnTurret(*game, E1, 9, 9); // north-west: 5, three steps back
    EXPECT_EQ(gun.Facing, 5);
    EXPECT_EQ(game.presenter.delays.size(), 3u);
    TurnTurret(*game, E1, 11, 9); // north-east: 7, two steps on
    EXPECT_EQ(gun.Facing, 7);
    gun.Facing = 1;
    TurnTurret(*game, E1, 5, 10); // west: 4, three steps on
    EXPECT_EQ(gun.Facing, 4);
    gun.Facing = 0;
    TurnTurret(*game, E1, 5, 10); // straight behind: four steps clockwise
    EXPECT_EQ(gun.Facing, 4);
}

TEST(Combat, ThePlayerFiresOnlyAtVisibleEnemiesInReachWhileATargetIsAwaited)
{
    TestGame game;
    GameState& s = game.state();
    PlaceUnit(game, P1, 43, 10, 10);
    UnitRec& enemy = PlaceUnit(game, E1, 43, 11, 10);
    s.FireMode = FireModeMove;
    enemy.Visible = 1;
    EXPECT_FALSE(PlayerFireAt(*game, P1, E1));
    s.FireMode = FireModeTarget;
    enemy.Visible = 0;
    EXPECT_FALSE(PlayerFireAt(*game, P1, E1));
    EXPECT_FALSE(PlayerFireAt(*game, P1, P1));
    // A ship bought into one of the high slots is still the player's own.
    PlaceUnit(game, PlayerBaseId + 95, 43, 9, 10);
    EXPECT_FALSE(PlayerFireAt(*game, P1, PlayerBaseId + 95));
    EXPECT_EQ(s.Unit(PlayerBaseId + 95).Armor, 5);
    enemy.Visible = 1;
    EXPECT_TRUE(PlayerFireAt(*game, P1, E1));
    EXPECT_EQ(enemy.Armor, 4);
    EXPECT_EQ(s.FireMode, FireModeMove);
}

} // namespace
} // namespace olvane
