#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "opponent_fixture.h"
#include "rules/rules_fixture.h"

#include <gtest/gtest.h>
#include <set>

namespace olvane
{

namespace
{

using test::MapBuilder;
using test::PlaceUnit;
using test::TestGame;

/// A group of the given units in a zone, as the scenario start forms one.
void FormGroup(GameState& state, int g, int zone, std::vector<int> units)
{
    AIGroupRec& group = state.AIGroup(g);
    group.Zone = static_cast<std::uint8_t>(zone);
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

TEST(ZoneSectors, LanesEveryPatrolRowAndBoxesOutsidePortZones)
{
    TestGame game;
    MapBuilder map(40, 40);
    // Zone 5 is open sea but for land cutting two lanes of its first horizontal sector and one
    // corner; zone 6 holds port 1.
    map.LandBlock(10, 13, 17, 13).LandBlock(10, 15, 13, 15);
    map.Port(4, 33, 33).Zone(5, 12, 10, 10, {6}).Zone(6, 6, 30, 30, {5}, 1, 1);
    map.LoadInto(game);
    GameState& state = game.state();
    BuildZoneSectors(state);

    const AIZoneRec& open = state.AIZone(5);
    ASSERT_EQ(open.SectorCount, 2 + 2 + 6);
    const ZoneSector& first = SectorOf(state, 5, 1);
    EXPECT_EQ(first.Shape, SectorShapeHorizontal);
    EXPECT_EQ(first.Positions[0], (SectorPosition{10, 10, 21, 10, 3})) << "a whole lane of sea";
    EXPECT_EQ(first.Positions[1], (SectorPosition{18, 13, 21, 13, 1})) << "4 of 12 fields: poor";
    EXPECT_EQ(first.Positions[2], (SectorPosition{14, 15, 21, 15, 2})) << "8 of 12: fair";
    EXPECT_EQ(first.Capacity, 2) << "one poor lane takes one ship off";
    EXPECT_EQ(SectorOf(state, 5, 2).Positions[0].AY, 16);
    EXPECT_EQ(SectorOf(state, 5, 2).Positions[2].AY, 21);
    const ZoneSector& vertical = SectorOf(state, 5, 3);
    EXPECT_EQ(vertical.Shape, SectorShapeVertical);
    EXPECT_EQ(vertical.Positions[0], (SectorPosition{10, 10, 10, 21, 3}))
        << "a lane's ends are its first sea fields";
    EXPECT_EQ(vertical.Positions[1].AX, 13);
    const ZoneSector& box = SectorOf(state, 5, 5);
    EXPECT_EQ(box.Shape, SectorShapeBox);
    EXPECT_EQ(box.Capacity, 3);
    EXPECT_EQ(box.Positions[0].AX, 10);
    EXPECT_EQ(box.Positions[0].BX, 21);
    EXPECT_EQ(box.Positions[0].BY, 21);
    EXPECT_EQ(SectorOf(state, 5, 6).Capacity, 1);
    EXPECT_EQ(SectorOf(state, 5, 8).Capacity, 3);
    // The sixth box runs from (x0, y0 + s - 5) = (10, 17) to (x0 + s - 5, y0) = (17, 10).
    EXPECT_EQ(SectorOf(state, 5, 10).Positions[2], (SectorPosition{10, 17, 17, 10, 3}));

    const AIZoneRec& portZone = state.AIZone(6);
    EXPECT_EQ(portZone.SectorCount, 2) << "a port zone gets lanes only";
    EXPECT_EQ(SectorOf(state, 6, 2).Shape, SectorShapeVertical);

    // A box corner on land moves diagonally towards the opposite corner until it is at sea.
    TestGame cornered;
    MapBuilder land(40, 40);
    land.LandBlock(10, 10, 11, 11).Zone(5, 12, 10, 10);
    land.LoadInto(cornered);
    BuildZoneSectors(cornered.state());
    EXPECT_EQ(SectorOf(cornered.state(), 5, 5).Positions[0].AX, 12);
    EXPECT_EQ(SectorOf(cornered.state(), 5, 5).Positions[0].AY, 12);
}

TEST(ZoneSectors, AGroupTakesAFreeSectorWithFormationPositions)
{
    TestGame game;
    MapBuilder map(40, 40);
    map.Zone(5, 12, 10, 10);
    map.LoadInto(game);
    GameState& state = game.state();
    BuildZoneSectors(state);
    PlaceUnit(game, EnemyBaseId + 1, 53, 15, 15, 15, 14);
    PlaceUnit(game, EnemyBaseId + 2, 43, 17, 17);
    PlaceUnit(game, EnemyBaseId + 3, 43, 19, 19);
    PlaceUnit(game, EnemyBaseId + 4, 43, 12, 19);
    FormGroup(state, 1, 5, {EnemyBaseId + 1, EnemyBaseId + 2});
    FormGroup(state, 2, 5, {EnemyBaseId + 3, EnemyBaseId + 4});

    AssignSector(*game, 1);
    const int sector = state.AIGroup(1).Sector;
    ASSERT_GE(sector, 1);
    EXPECT_EQ(SectorOf(state, 5, sector).Owner, 1);
    EXPECT_EQ(state.Unit(EnemyBaseId + 1).AIWork3, 1);
    EXPECT_EQ(state.Unit(EnemyBaseId + 2).AIWork3, 3) << "a cruiser and a destroyer count three points";
    AssignSector(*game, 2);
    EXPECT_EQ(state.Unit(EnemyBaseId + 4).AIWork3, 2) << "two destroyers count two";
    EXPECT_NE(state.AIGroup(2).Sector, sector);

    // Regrouping frees the old sector.
    AssignSector(*game, 1);
    EXPECT_EQ(SectorOf(state, 5, sector).Owner == 1, state.AIGroup(1).Sector == sector);
    int owned = 0;
    for (const ZoneSector& s : state.AIZone(5).Sectors)
    {
        owned += s.Owner == 1 ? 1 : 0;
    }
    EXPECT_EQ(owned, 1);

    // Going there: every member heads for the farther end of its own lane.
    GoToSector(state, 1);
    const SectorPosition& lane = SectorOf(state, 5, state.AIGroup(1).Sector).Positions[0];
    const UnitRec& lead = state.Unit(EnemyBaseId + 1);
    EXPECT_EQ(lead.Order, OrderToSector);
    EXPECT_EQ(lead.AIWork2, state.AIGroup(1).Sector);
    const int toA = (lead.X - lane.AX) * (lead.X - lane.AX) + (lead.Y - lane.AY) * (lead.Y - lane.AY);
    const int toB = (lead.X - lane.BX) * (lead.X - lane.BX) + (lead.Y - lane.BY) * (lead.Y - lane.BY);
    EXPECT_EQ(lead.PlacedX, toA < toB ? lane.BX : lane.AX);

    // A group of four fits where three do; its fourth ship keeps its formation position.
    PlaceUnit(game, EnemyBaseId + 5, 43, 12, 12);
    PlaceUnit(game, EnemyBaseId + 6, 43, 14, 12);
    PlaceUnit(game, EnemyBaseId + 7, 43, 16, 12);
    PlaceUnit(game, EnemyBaseId + 8, 43, 18, 12);
    FormGroup(state, 3, 5, {EnemyBaseId + 5, EnemyBaseId + 6, EnemyBaseId + 7, EnemyBaseId + 8});
    state.Unit(EnemyBaseId + 8).AIWork3 = 2;
    AssignSector(*game, 3);
    ASSERT_NE(state.AIGroup(3).Sector, 0);
    EXPECT_EQ(SectorOf(state, 5, state.AIGroup(3).Sector).Capacity, 3);
    EXPECT_EQ(state.Unit(EnemyBaseId + 7).AIWork3, 3);
    EXPECT_EQ(state.Unit(EnemyBaseId + 8).AIWork3, 2);

    // No free sector takes the group: every member stands.
    for (ZoneSector& s : state.AIZone(5).Sectors)
    {
        s.Owner = s.Owner == 0 ? 9 : s.Owner;
    }
    AssignSector(*game, 2);
    EXPECT_EQ(state.Unit(EnemyBaseId + 3).Order, OrderStand);
    EXPECT_EQ(state.Unit(EnemyBaseId + 4).Order, OrderStand);
}

TEST(ZoneSectors, ShipsPatrolTheirLaneBackAndForth)
{
    TestGame game;
    MapBuilder map(40, 40);
    map.Zone(5, 12, 10, 10);
    map.LoadInto(game);
    GameState& state = game.state();
    BuildZoneSectors(state);
    UnitRec& u = PlaceUnit(game, EnemyBaseId + 1, 43, 20, 14);
    FormGroup(state, 1, 5, {EnemyBaseId + 1});
    state.AIGroup(1).Sector = 1;
    SectorOf(state, 5, 1).Owner = 1;
    u.AIWork2 = 1;
    u.AIWork3 = 2; // the lane on row 13, columns 10..21
    u.Order = OrderToSector;
    u.PlacedX = 10;
    u.PlacedY = 13;

    CheckArrival(state, EnemyBaseId + 1);
    EXPECT_EQ(u.Order, OrderPatrol) << "within a row of its lane";
    Patrol(state, EnemyBaseId + 1);
    EXPECT_EQ(u.PlacedX, 10) << "near B (column 21 less 2) it turns for A";
    EXPECT_EQ(u.HitMark, 1);
    u.X = 12;
    Patrol(state, EnemyBaseId + 1);
    EXPECT_EQ(u.PlacedX, 21);
    EXPECT_EQ(u.HitMark, 2);
    u.X = 15;
    Patrol(state, EnemyBaseId + 1);
    EXPECT_EQ(u.HitMark, 2) << "mid-lane nothing changes";

    u.Order = OrderToSector;
    u.Y = 17;
    CheckArrival(state, EnemyBaseId + 1);
    EXPECT_EQ(u.Order, OrderToSector) << "four rows off its lane";
}

} // namespace olvane
