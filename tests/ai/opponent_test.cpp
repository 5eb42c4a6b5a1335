#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "opponent_fixture.h"
#include "rules/rules_fixture.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"

#include <gtest/gtest.h>
#include <set>

namespace olvane
{

namespace
{

using test::MapBuilder;
using test::PlaceUnit;
using test::TestGame;

/// Open zone 5 next to port zone 6, which holds the player's major port 1 at (30, 12), and
/// open zone 7 beyond it; sectors built.
void LoadWaters(TestGame& game, int goalType = 1)
{
    game.state().SideStats(SidePlayer)[0] = static_cast<std::uint8_t>(goalType);
    MapBuilder map(40, 40);
    map.Land(31, 12).Port(1, 30, 12);
    map.Zone(2, 4, 34, 34, {5}, 2)
        .Zone(5, 12, 10, 10, {6, 7})
        .Zone(6, 6, 28, 10, {5}, 1, 1)
        .Zone(7, 12, 10, 24, {5});
    map.LoadInto(game);
    BuildZoneSectors(game.state());
}

void FormGroup(GameState& state, int g, int zone, std::vector<int> units)
{
    AIGroupRec& group = state.AIGroup(g);
    group.Zone = static_cast<std::uint8_t>(zone);
    group.PreviousZone = static_cast<std::uint8_t>(zone);
    group.MemberCount = static_cast<std::uint8_t>(units.size());
    for (std::size_t i = 0; i < units.size(); ++i)
    {
        group.Members[i] = static_cast<std::uint16_t>(units[i]);
        state.Unit(units[i]).AIGroup = static_cast<std::uint8_t>(g);
        state.Unit(units[i]).AIWork1 = static_cast<std::uint8_t>(zone);
    }
    state.AIGroupCount = std::max<std::uint8_t>(state.AIGroupCount, static_cast<std::uint8_t>(g));
}

} // namespace

TEST(Opponent, AHitShipMakesItsGroupTakeANewSector)
{
    TestGame game;
    LoadWaters(game, 5);
    GameState& state = game.state();
    UnitRec& u = PlaceUnit(game, EnemyBaseId + 1, 43, 15, 13);
    FormGroup(state, 1, 5, {EnemyBaseId + 1});
    AssignSector(*game, 1);
    GoToSector(state, 1);
    const int before = state.AIGroup(1).Sector;
    u.Order = OrderPatrol;
    u.HitMark = HitMarkHit;
    state.TurnNumber = 2;
    EnemyPhase(*game);
    EXPECT_EQ(u.HitMark, 0);
    EXPECT_TRUE(u.Order == OrderToSector || u.Order == OrderPatrol);
    EXPECT_NE(state.AIGroup(1).Sector, 0);
    EXPECT_EQ(SectorOf(state, 5, before).Owner == 1, state.AIGroup(1).Sector == before);
    EXPECT_EQ(u.MovedThisTurn, 1);
    EXPECT_EQ(state.LBinfo.front(), "--------------------------End of 2. turn");
    EXPECT_EQ(state.AIGroup(1).Phases, 1);
    EXPECT_EQ(state.AIGroup(1).ZonePhases, 1);
    EXPECT_EQ(state.EnemyPhaseRunning, 0);
}

TEST(Opponent, ARegroupingGroupWithoutASectorStandsButStillFires)
{
    TestGame game;
    LoadWaters(game, 5);
    GameState& state = game.state();
    for (ZoneSector& sector : state.AIZone(5).Sectors)
    {
        sector.Owner = 9;
    }
    UnitRec& ship = PlaceUnit(game, EnemyBaseId + 1, 43, 15, 15);
    ship.Order = OrderRegroup;
    FormGroup(state, 1, 5, {EnemyBaseId + 1});
    UnitRec& target = PlaceUnit(game, PlayerBaseId + 1, 6, 16, 15);
    EnemyPhase(*game);
    EXPECT_EQ(ship.Order, OrderStand);
    EXPECT_EQ(ship.X, 15);
    EXPECT_EQ(target.Armor, 5 - 2) << "two shots from the destroyer";

    EnemyPhase(*game);
    EXPECT_EQ(ship.X, 15);
    EXPECT_EQ(target.Active, 1);
    EXPECT_EQ(target.Armor, 3 - 2) << "a standing ship still scans and fires";
    EXPECT_EQ(ship.Fire, 2) << "the phase ends with the class's Fire";
}

TEST(Opponent, PortRaidsComeAtTheScenariosInterval)
{
    TestGame game;
    LoadWaters(game);
    GameState& state = game.state();
    ASSERT_EQ(state.Port(1).Zone, 6);
    ASSERT_EQ(state.Port(1).Kind, PortKindMajor);
    PlaceUnit(game, EnemyBaseId + 1, 43, 20, 15);
    PlaceUnit(game, EnemyBaseId + 2, 43, 12, 30);
    FormGroup(state, 1, 5, {EnemyBaseId + 1});
    FormGroup(state, 2, 7, {EnemyBaseId + 2});
    state.CurrentScenario.AttackInterval = 3;
    for (int turn : {0, 1, 2, 4, 5, 7})
    {
        state.TurnNumber = static_cast<std::uint16_t>(turn);
        AttackPort(*game);
        EXPECT_EQ(state.AIGroup(1).Zone, 5) << "turn " << turn;
    }
    EXPECT_EQ(FindAttackGroup(state, 6), 1) << "group 2's zone does not border the port's";
    state.TurnNumber = 3;
    AttackPort(*game);
    const AIGroupRec& raiders = state.AIGroup(1);
    EXPECT_EQ(raiders.Zone, 6);
    EXPECT_EQ(raiders.PreviousZone, 5);
    const UnitRec& raider = state.Unit(EnemyBaseId + 1);
    EXPECT_EQ(raider.Order, OrderToZone);
    EXPECT_EQ(raider.AIWork1, 6);
    EXPECT_EQ(raider.PlacedX, 31);
    EXPECT_EQ(raider.PlacedY, 13);

    // The port now has a group in its zone: no second raid on it.
    state.TurnNumber = 6;
    AttackPort(*game);
    EXPECT_EQ(state.AIGroup(2).Zone, 7);

    // No interval, no raids.
    state.CurrentScenario.AttackInterval = 0;
    EXPECT_EQ(FindAttackGroup(state, 0), 0);
}

TEST(Opponent, AircraftStrikeSeaFieldsAlongRowsColumnsAndDiagonals)
{
    std::set<std::pair<int, int>> offsets;
    TestGame game;
    MapBuilder map(40, 40);
    map.Land(20, 20).Land(23, 20);
    map.LoadInto(game);
    UnitRec& plane = PlaceUnit(game, EnemyBaseId + 1, 83, 20, 20);
    ASSERT_EQ(plane.Speed, 6);
    for (int strike = 0; strike < 200; ++strike)
    {
        AirStrikeTarget(*game, EnemyBaseId + 1);
        const int dx = plane.PlacedX - 20;
        const int dy = static_cast<int>(plane.PlacedY) - 20;
        EXPECT_FALSE(IsLandCell(game.state(), plane.PlacedX, plane.PlacedY));
        offsets.insert({dx, dy});
    }
    for (const auto& [dx, dy] : offsets)
    {
        const bool along = (dx == 0) != (dy == 0) || std::abs(dx) == std::abs(dy);
        EXPECT_TRUE(along &&
                    (std::abs(dx) == 3 || std::abs(dx) == 6 || std::abs(dy) == 3 || std::abs(dy) == 6))
            << dx << "," << dy;
    }
    EXPECT_FALSE(offsets.contains({3, 0})) << "(23, 20) is land";
    EXPECT_GE(offsets.size(), 12u);

    // Land all round: the draws end and the aircraft strikes where it stands.
    TestGame island;
    MapBuilder land(20, 20);
    land.LandBlock(1, 1, 20, 20);
    land.LoadInto(island);
    UnitRec& stranded = PlaceUnit(island, EnemyBaseId + 1, 83, 10, 10);
    AirStrikeTarget(*island, EnemyBaseId + 1);
    EXPECT_EQ(stranded.PlacedX, 10);
    EXPECT_EQ(stranded.PlacedY, 10);
}

TEST(Opponent, SightedPlayerUnitsAreAttackedBeforePatrolling)
{
    TestGame game;
    LoadWaters(game, 5);
    GameState& state = game.state();
    // A radar post sights the transporter; the destroyer within Speed + Range closes in and sinks
    // it; the far destroyer keeps to its patrol.
    PlaceUnit(game, EnemyBaseId + 1, 109, 20, 30);
    UnitRec& hunter = PlaceUnit(game, EnemyBaseId + 2, 43, 20, 35);
    UnitRec& far = PlaceUnit(game, EnemyBaseId + 3, 43, 35, 20);
    FormGroup(state, 1, 5, {EnemyBaseId + 2});
    FormGroup(state, 2, 5, {EnemyBaseId + 3});
    hunter.Order = OrderStand + 1; // no plan of its own
    far.Order = OrderStand + 1;
    UnitRec& target = PlaceUnit(game, PlayerBaseId + 1, 2, 20, 32);
    target.Armor = 2;
    EnemyPhase(*game);
    EXPECT_EQ(target.Active, 0);
    EXPECT_LE(std::abs(hunter.X - 20) + std::abs(hunter.Y - 32), 2) << "it attacked from next to the target";
    EXPECT_EQ(far.X, 35);
    EXPECT_EQ(state.KnownEnemyCount, 0) << "a sunk unit is forgotten";
}

TEST(Opponent, AttackFieldsLieFartherOutForLargerShips)
{
    TestGame game;
    MapBuilder map(40, 40);
    map.LoadInto(game);
    GameState& state = game.state();
    PlaceUnit(game, PlayerBaseId + 1, 43, 20, 20);
    PlaceUnit(game, EnemyBaseId + 1, 43, 20, 23);
    PlaceUnit(game, EnemyBaseId + 2, 73, 26, 26, 26, 27);
    state.Unit(EnemyBaseId + 2).Speed = 3;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(AttackField(state, EnemyBaseId + 1, PlayerBaseId + 1, x, y));
    EXPECT_EQ(std::pair(x, y), std::pair(19, 21)) << "the last field of ring 2 within reach";
    EXPECT_TRUE(CanReach(state, EnemyBaseId + 1, 20, 20));
    EXPECT_FALSE(AttackField(state, EnemyBaseId + 2, PlayerBaseId + 1, x, y)) << "nothing within Speed 3";
    state.Unit(EnemyBaseId + 2).Speed = 6;
    ASSERT_TRUE(AttackField(state, EnemyBaseId + 2, PlayerBaseId + 1, x, y));
    EXPECT_EQ(std::pair(x, y), std::pair(21, 23)) << "a carrier attacks from ring 5";
    EXPECT_FALSE(CanReach(state, EnemyBaseId + 1, 20, 27)) << "4 fields: not below Speed 3 + Range 1";
}

TEST(Opponent, HomeGroupsSailForANeighbouringZone)
{
    TestGame game;
    LoadWaters(game, 5);
    GameState& state = game.state();
    PlaceUnit(game, EnemyBaseId + 1, 43, 35, 35);
    PlaceUnit(game, EnemyBaseId + 2, 43, 37, 35);
    FormGroup(state, 1, 2, {EnemyBaseId + 1, EnemyBaseId + 2});
    state.TechBonus(SideEnemy, 4).Fire = 3;
    state.Unit(EnemyBaseId + 1).Fire = 7;
    state.Unit(EnemyBaseId + 2).Fire = 7;
    state.TurnNumber = 1;
    EnemyPhase(*game);
    const AIGroupRec& group = state.AIGroup(1);
    EXPECT_EQ(group.Zone, 5);
    EXPECT_EQ(group.PreviousZone, 2);
    EXPECT_EQ(group.ZonePhases, 1);
    for (int id : {EnemyBaseId + 1, EnemyBaseId + 2})
    {
        const UnitRec& u = state.Unit(id);
        EXPECT_EQ(u.Order, OrderToZone);
        EXPECT_EQ(u.AIWork1, 5);
        EXPECT_EQ(u.PlacedX, 16);
        EXPECT_EQ(u.PlacedY, 16);
        EXPECT_LT(u.X, 35 + 2) << "sailing west";
        EXPECT_EQ(u.Fire, 2) << "no technology bonus in the refill";
    }
    // Zone 5 has a port zone and an open zone next to it; a port zone is never a move target.
    EXPECT_TRUE(ZoneTakesGroup(state, 7, 1));
    EXPECT_FALSE(ZoneTakesGroup(state, 6, 1));
}

} // namespace olvane

namespace olvane
{

TEST(Opponent, ZoneChangesFollowTheGroupsTimeAndState)
{
    TestGame game;
    LoadWaters(game, 5);
    GameState& state = game.state();
    PlaceUnit(game, EnemyBaseId + 1, 43, 15, 15);
    FormGroup(state, 1, 5, {EnemyBaseId + 1});
    AIGroupRec& group = state.AIGroup(1);
    state.TurnNumber = 5;

    EXPECT_FALSE(WantsZoneChange(*game, EnemyBaseId + 1)) << "new in an open zone";
    group.ZonePhases = 13;
    EXPECT_TRUE(WantsZoneChange(*game, EnemyBaseId + 1)) << "more than 12 phases in it";
    group.ZonePhases = 0;
    group.ZoneChange = 1;
    EXPECT_TRUE(WantsZoneChange(*game, EnemyBaseId + 1)) << "a change wanted";
    group.ZoneChange = 3;
    EXPECT_FALSE(WantsZoneChange(*game, EnemyBaseId + 1));
    EXPECT_EQ(group.ZoneChange, 0) << "state 3 is reset at the test";

    // Zone 5's only open neighbour is 7: the change goes there, and raises a non-zero state.
    group.ZoneChange = 1;
    ChangeZone(*game, EnemyBaseId + 1);
    EXPECT_EQ(group.Zone, 7);
    EXPECT_EQ(group.PreviousZone, 5);
    EXPECT_EQ(group.ZoneChange, 2);

    // A crowded neighbour takes no group: zone 5 now holds as many groups as its sectors less one.
    for (int g = 2; g <= 10; ++g)
    {
        PlaceUnit(game, EnemyBaseId + g, 43, 2 * g, 2);
        FormGroup(state, g, 5, {EnemyBaseId + g});
    }
    EXPECT_FALSE(ZoneTakesGroup(state, 5, 1));
    group.ZonePhases = 13;
    EXPECT_FALSE(WantsZoneChange(*game, EnemyBaseId + 1)) << "no neighbour can take it";
    ChangeZone(*game, EnemyBaseId + 1);
    EXPECT_EQ(group.Zone, 7) << "so it stays";
}

} // namespace olvane
