#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "ai/scenario_start.h"
#include "ai/start_positions.h"
#include "opponent_fixture.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace olvane
{

namespace
{

using test::ForcesLine;
using test::MakeScenario;
using test::MapBuilder;
using test::TestGame;

constexpr int ScenarioId = 40;

/// Two home bases, three open zones and room around them: the player's base in the north-west,
/// the computer's in the south-east.
MapBuilder OpenSeaMap()
{
    MapBuilder map(48, 48);
    map.Zone(1, 0, 2, 2, {5}, 1)
        .Zone(2, 4, 40, 40, {5, 6}, 2)
        .Zone(5, 12, 14, 14, {6, 7})
        .Zone(6, 12, 28, 14, {5})
        .Zone(7, 12, 14, 28, {5});
    return map;
}

/// Starts scenario slot 1 with the record and forces given, on the map given.
bool Start(TestGame& game, const ScenarioRec& rec, const std::string& forces, const MapBuilder& map)
{
    game.dir.Write("game/" + MapFileName(1), map.Text());
    test::WriteScenarioFile(game, {rec});
    test::WriteForces(game, forces);
    game.state().GameMode = ModeMission;
    game.state().Rank = RankCaptain;
    return ChooseScenario(*game, 1) && StartScenario(*game);
}

int ZoneOf(const GameState& state, int unit)
{
    return state.AIGroup(state.Unit(unit).AIGroup).Zone;
}

} // namespace

TEST(StartPositions, DispersalFillsTheOpenZonesByQuota)
{
    // Seven single-destroyer groups over three open zones: two each, then the quota rises to
    // three and the seventh goes wherever the draw sends it.
    for (std::uint32_t seed : {1u, 77u, 4242u})
    {
        TestGame game(seed);
        ScenarioRec rec = MakeScenario(ScenarioId);
        rec.DisperseClasses1 = 43;
        std::vector<std::array<int, 4>> groups(7, {43, 1, 0, 0});
        groups.push_back({3, 1, 0, 0}); // a transporter group that is not spread
        ASSERT_TRUE(Start(game, rec, ForcesLine(ScenarioId + 1, groups), OpenSeaMap()));
        const GameState& state = game.state();
        std::map<int, int> perZone;
        for (int g = 1; g <= 7; ++g)
        {
            const AIGroupRec& group = state.AIGroup(g);
            ASSERT_GE(group.Zone, 5);
            EXPECT_EQ(group.PreviousZone, group.Zone);
            ++perZone[group.Zone];
            const UnitRec& ship = state.Unit(group.Members[0]);
            EXPECT_EQ(ship.AIWork1, group.Zone);
            EXPECT_EQ(ship.Order, OrderRegroup);
            EXPECT_EQ(ship.Facing, 2);
            const AIZoneRec& zone = state.AIZone(group.Zone);
            const int cx = zone.OriginX + zone.Size / 2;
            const int cy = zone.OriginY + zone.Size / 2;
            EXPECT_LE(std::abs(ship.X - cx), 4);
            EXPECT_LE(std::abs(ship.Y - cy), 4);
            EXPECT_EQ(state.MapGrid(ship.X, ship.Y), group.Members[0]);
        }
        ASSERT_EQ(perZone.size(), 3u);
        std::multiset<int> sizes;
        for (const auto& [zone, n] : perZone)
        {
            sizes.insert(n);
        }
        EXPECT_EQ(sizes, (std::multiset<int>{2, 2, 3})) << "seed " << seed;
        EXPECT_EQ(state.AIGroup(8).Zone, 2) << "the transporters stay at home";
    }

    // No selector: every group stays in the home zone of the computer's nation.
    TestGame game;
    std::vector<std::array<int, 4>> groups(3, {43, 2, 0, 0});
    ASSERT_TRUE(Start(game, MakeScenario(ScenarioId), ForcesLine(ScenarioId + 1, groups), OpenSeaMap()));
    for (int g = 1; g <= 3; ++g)
    {
        EXPECT_EQ(game.state().AIGroup(g).Zone, 2);
        EXPECT_EQ(game.state().AIGroup(g).MemberCount, 2);
        EXPECT_EQ(game.state().Unit(game.state().AIGroup(g).Members[1]).Order, OrderUnplanned);
    }
}

TEST(StartPositions, SelectorsNameDecadesAndTheSmallWarships)
{
    TestGame cruisers;
    ScenarioRec rec = MakeScenario(ScenarioId);
    rec.DisperseClasses1 = 150;
    const std::string forces =
        ForcesLine(ScenarioId + 1, {{53, 1, 0, 0}, {43, 1, 0, 0}, {13, 1, 0, 0}, {63, 1, 0, 0}});
    ASSERT_TRUE(Start(cruisers, rec, forces, OpenSeaMap()));
    EXPECT_GE(cruisers.state().AIGroup(1).Zone, 5) << "cruisers are spread";
    EXPECT_EQ(cruisers.state().AIGroup(2).Zone, 2);
    EXPECT_EQ(cruisers.state().AIGroup(4).Zone, 2);
    // A two-cell ship's stern lies north of its bow, both on their cells.
    const UnitRec& cruiser = cruisers.state().Unit(EnemyBaseId + 1);
    const UnitRec& stern = cruisers.state().Unit(EnemyBaseId + 101);
    EXPECT_EQ(stern.X, cruiser.X);
    EXPECT_EQ(stern.Y, cruiser.Y - 1);
    EXPECT_EQ(cruisers.state().MapGrid(stern.X, stern.Y), EnemyBaseId + 101);

    TestGame small;
    rec.DisperseClasses1 = 210;
    ASSERT_TRUE(Start(small, rec, forces, OpenSeaMap()));
    EXPECT_EQ(small.state().AIGroup(1).Zone, 2);
    EXPECT_GE(small.state().AIGroup(2).Zone, 5);
    EXPECT_GE(small.state().AIGroup(3).Zone, 5);
    EXPECT_EQ(small.state().AIGroup(4).Zone, 2);
}

TEST(StartPositions, MarksPlaceTheFirstShipsOfTheirClass)
{
    TestGame game;
    ScenarioRec rec = MakeScenario(ScenarioId);
    rec.Marks[0] = {43, 20, 20};
    rec.Marks[1] = {43, 20, 20}; // taken by the first: one column to the right
    rec.Marks[2] = {53, 30, 30};
    rec.Marks[3] = {43, 25, 25}; // no third destroyer: skipped
    rec.MarkFacing = 4;
    ASSERT_TRUE(Start(game, rec, ForcesLine(ScenarioId, {{43, 2, 53, 1}}), OpenSeaMap()));
    const GameState& state = game.state();
    EXPECT_EQ(state.MapGrid(20, 20), PlayerBaseId + 1);
    EXPECT_EQ(state.MapGrid(21, 20), PlayerBaseId + 2);
    EXPECT_EQ(state.Unit(PlayerBaseId + 2).Facing, 4);
    EXPECT_EQ(state.MapGrid(30, 30), PlayerBaseId + 3);
    EXPECT_EQ(state.MapGrid(31, 30), PlayerBaseId + 103) << "facing west, the stern lies east";
    EXPECT_EQ(state.MapGrid(25, 25), CodeSea);
    // The ships' berths at the home base were given back.
    int homeUnits = 0;
    for (int x = 2; x <= 8; ++x)
    {
        for (int y = 2; y <= 8; ++y)
        {
            homeUnits += IsUnitCode(state.MapGrid(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(homeUnits, 0);
}

TEST(StartPositions, AircraftStandAtDifferentPortsBeforeTheyShare)
{
    MapBuilder map = OpenSeaMap();
    map.LandBlock(8, 28, 12, 32).Port(3, 10, 30).LandBlock(28, 38, 32, 42).Port(3, 30, 40);
    map.LandBlock(38, 8, 42, 12).Port(4, 40, 10);
    for (std::uint32_t seed : {3u, 99u, 2024u})
    {
        TestGame game(seed);
        ASSERT_TRUE(Start(
            game, MakeScenario(ScenarioId),
            ForcesLine(ScenarioId, {{80, 3, 0, 0}}) + ForcesLine(ScenarioId + 1, {{86, 2, 0, 0}}), map));
        const GameState& state = game.state();
        const int first = state.Unit(PlayerBaseId + 1).AIWork1;
        const int second = state.Unit(PlayerBaseId + 2).AIWork1;
        const int third = state.Unit(PlayerBaseId + 3).AIWork1;
        EXPECT_NE(first, second);
        EXPECT_TRUE(third == first || third == second);
        for (int id :
             {PlayerBaseId + 1, PlayerBaseId + 2, PlayerBaseId + 3, EnemyBaseId + 1, EnemyBaseId + 2})
        {
            const UnitRec& plane = state.Unit(id);
            const PortRec& port = state.Port(plane.AIWork1);
            EXPECT_EQ(port.Owner, SideOf(id));
            EXPECT_LE(std::abs(plane.X - port.X), 3);
            EXPECT_LE(std::abs(plane.Y - port.Y), 3);
            EXPECT_TRUE(IsLandCell(state, plane.X, plane.Y));
            EXPECT_EQ(state.MapGrid(plane.X, plane.Y), id);
            EXPECT_EQ(plane.Facing, 6);
        }
    }

    // A side without ports keeps its aircraft off the map, waiting for deployment.
    TestGame portless;
    MapBuilder enemyPortOnly = OpenSeaMap();
    enemyPortOnly.LandBlock(38, 8, 42, 12).Port(4, 40, 10);
    ASSERT_TRUE(
        Start(portless, MakeScenario(ScenarioId), ForcesLine(ScenarioId, {{80, 2, 0, 0}}), enemyPortOnly));
    EXPECT_EQ(portless.state().Unit(PlayerBaseId + 1).X, 0);
    EXPECT_EQ(portless.state().Unit(PlayerBaseId + 2).X, 0);
}

TEST(StartPositions, FreeLandCellsNearerThePortComeUpMoreOften)
{
    TestGame game;
    MapBuilder map(20, 20);
    map.Land(10, 11).Land(12, 12).Land(13, 10);
    map.LoadInto(game);
    std::map<std::pair<int, int>, int> seen;
    for (int i = 0; i < 600; ++i)
    {
        ++seen[FindFreeLandCell(*game, 10, 10, 3)];
    }
    ASSERT_EQ(seen.size(), 3u);
    const int ring1 = seen[std::pair{10, 11}];
    const int ring2 = seen[std::pair{12, 12}];
    const int ring3 = seen[std::pair{13, 10}];
    EXPECT_GT(ring1, ring2) << "ring 1 is listed three times, ring 2 twice";
    EXPECT_GT(ring2, ring3);
    EXPECT_EQ(FindFreeLandCell(*game, 3, 3, 3), (std::pair{0, 0}));
    game.state().MapGrid(10, 11) = PlayerBaseId + 1;
    game.state().MapGrid(12, 12) = PlayerBaseId + 2;
    EXPECT_EQ(FindFreeLandCell(*game, 10, 10, 1), (std::pair{0, 0})) << "a field with a unit is not free";
}

TEST(StartPositions, PortGroupsGuardTheComputersMajorPorts)
{
    MapBuilder map = OpenSeaMap();
    // Port 1 is the computer's major port at (31, 33) in port zone 8, whose origin is (28, 30).
    map.Port(2, 31, 33).Land(32, 33).Zone(8, 6, 28, 30, {}, 1, 1);
    ScenarioRec rec = MakeScenario(ScenarioId);
    rec.SideSettings[0][0] = 1;
    rec.SideSettings[0][1] = 10;
    TestGame game;
    // Submarines, aircraft and groups with a transporter never guard a port.
    const std::string forces =
        ForcesLine(ScenarioId + 1, {{13, 2, 0, 0}, {80, 1, 0, 0}, {43, 1, 3, 1}, {53, 1, 43, 2}});
    ASSERT_TRUE(Start(game, rec, forces, map));
    const GameState& state = game.state();
    EXPECT_EQ(state.Port(1).Zone, 8);
    const AIGroupRec& guard = state.AIGroup(4);
    EXPECT_EQ(guard.Zone, 8);
    EXPECT_EQ(guard.PreviousZone, 8);
    EXPECT_EQ(state.AIGroup(1).Zone, 2);
    EXPECT_EQ(state.AIGroup(3).Zone, 2);
    // Members from (x0 + 1, y0 + 1) east, (x0 + 4, y0 + 1) west, (x0 + 1, y0 + 4) east; a
    // two-cell cruiser needs its stern's field free too.
    const UnitRec& cruiser = state.Unit(guard.Members[0]);
    EXPECT_EQ(cruiser.X, 29);
    EXPECT_EQ(cruiser.Y, 31);
    EXPECT_EQ(state.Unit(SecondCell(guard.Members[0])).Y, 30);
    EXPECT_EQ(state.Unit(guard.Members[1]).X, 32);
    EXPECT_EQ(state.Unit(guard.Members[1]).Y, 31);
    EXPECT_EQ(state.Unit(guard.Members[2]).X, 29);
    EXPECT_EQ(state.Unit(guard.Members[2]).Y, 34);
    for (int id : ActiveMembers(state, 4))
    {
        EXPECT_EQ(state.Unit(id).Order, OrderToPort) << "in a conquest mission the guards return to port";
        EXPECT_EQ(state.Unit(id).AIWork1, 8);
    }

    // No group qualifies: the draw ends and the port stays unguarded.
    TestGame none;
    ASSERT_TRUE(Start(none, rec, ForcesLine(ScenarioId + 1, {{13, 2, 0, 0}, {43, 1, 3, 1}}), map));
    EXPECT_EQ(none.state().AIGroup(1).Zone, 2);
    EXPECT_EQ(none.state().AIGroup(2).Zone, 2);

    // Neither a conquest nor a defence mission, and no flag: no guards.
    TestGame freeHunt;
    ASSERT_TRUE(Start(freeHunt, MakeScenario(ScenarioId), forces, map));
    EXPECT_EQ(freeHunt.state().AIGroup(4).Zone, 2);
}

TEST(StartPositions, SearchesEndWhenTheSeaHasNoRoom)
{
    // The only open zone is land from edge to edge: the dispersed ships keep their berths but
    // belong to the zone, so they sail there in their first phase.
    MapBuilder map(48, 48);
    map.Zone(1, 0, 2, 2, {5}, 1).Zone(2, 4, 40, 40, {5}, 2).Zone(5, 12, 14, 14, {});
    map.LandBlock(10, 10, 30, 30);
    TestGame game;
    ScenarioRec rec = MakeScenario(ScenarioId);
    rec.DisperseClasses1 = 43;
    ASSERT_TRUE(Start(game, rec, ForcesLine(ScenarioId + 1, {{43, 2, 0, 0}, {43, 1, 0, 0}}), map));
    const GameState& state = game.state();
    for (int id : {EnemyBaseId + 1, EnemyBaseId + 2, EnemyBaseId + 3})
    {
        const UnitRec& u = state.Unit(id);
        EXPECT_GE(u.X, 40);
        EXPECT_EQ(u.AIWork1, 5);
        EXPECT_EQ(u.Order, OrderRegroup);
        EXPECT_EQ(state.MapGrid(u.X, u.Y), id);
    }
    EXPECT_EQ(ZoneOf(state, EnemyBaseId + 1), 5);
}

TEST(StartPositions, ScenarioShipsAreNamed)
{
    TestGame game;
    ScenarioRec rec = MakeScenario(ScenarioId);
    rec.ShipName1.Set("HMAS PERTH");
    rec.NamedShipClass1 = 153;
    rec.ShipName2.Set("HMAS HOBART");
    rec.NamedShipClass2 = 43;
    ASSERT_TRUE(Start(game, rec,
                      ForcesLine(ScenarioId, {{20, 1, 43, 2}}) + ForcesLine(ScenarioId + 1, {{43, 1, 53, 2}}),
                      OpenSeaMap()));
    const GameState& state = game.state();
    EXPECT_EQ(state.Unit(EnemyBaseId + 2).Name.Str(), "HMAS PERTH");
    EXPECT_NE(state.Unit(EnemyBaseId + 3).Name.Str(), "HMAS PERTH");
    EXPECT_EQ(state.Unit(PlayerBaseId + 2).Name.Str(), "HMAS HOBART");
}

TEST(ScenarioStart, StartsAMissionWithDefencesAndTechnologyGrants)
{
    MapBuilder map = OpenSeaMap();
    map.LandBlock(32, 31, 34, 35).Port(2, 31, 33).Zone(8, 6, 28, 30, {}, 1, 1);
    ScenarioRec rec = MakeScenario(ScenarioId, 1, 8);
    rec.PortDefence = 200;
    rec.PortDefenceKinds = 2;
    rec.TechGrants[1][0] = {4, 1, 2}; // the computer's destroyers: armour + 2
    rec.TechGrants[0][0] = {4, 3, 1}; // the player's destroyers: speed + 1
    TestGame game;
    ASSERT_TRUE(Start(game, rec,
                      ForcesLine(ScenarioId, {{43, 2, 0, 0}}) + ForcesLine(ScenarioId + 1, {{43, 2, 0, 0}}),
                      map));
    const GameState& state = game.state();
    EXPECT_EQ(state.ScenarioNumber, 1);
    EXPECT_EQ(state.ProductionPoints, 500);
    EXPECT_EQ(state.EnemyNation, 8);
    EXPECT_EQ(state.AIGroup(1).Zone, 2) << "Italy sails from the German home zone";
    EXPECT_EQ(state.EnemyShipCount, 4) << "two destroyers and two port installations";
    EXPECT_TRUE(IsInstallation(state.Unit(EnemyBaseId + 3).Class));
    EXPECT_EQ(state.Unit(EnemyBaseId + 1).Armor, 5 + 2);
    EXPECT_EQ(state.Unit(PlayerBaseId + 1).Armor, 5);
    EXPECT_EQ(state.Unit(PlayerBaseId + 1).Speed, 3 + 1);
    EXPECT_EQ(state.TechBonus(SideEnemy, 4).Armor, 2);

    // A player fleet already on the map is not built again.
    const UnitRec before = state.Unit(PlayerBaseId + 1);
    ASSERT_TRUE(StartScenario(*game));
    EXPECT_EQ(game.state().Unit(PlayerBaseId + 1).X, before.X);
    EXPECT_EQ(game.state().PlayerShipCount, 2);

    // No such slot: nothing is chosen.
    EXPECT_FALSE(ChooseScenario(*game, 9));
}

} // namespace olvane

namespace olvane
{

TEST(ScenarioStart, ACampaignStartsItsFirstStepWithTheCarriedPoints)
{
    test::TestGame game;
    ScenarioRec mission = test::MakeScenario(40, 3, 2);
    ScenarioRec header = test::MakeScenario(900, 3, 2);
    header.Slot = 2;
    header.Kind = ModeCampaign;
    header.MapNumber = 0;
    header.CampaignSteps = {40, 60};
    game.dir.Write("game/" + MapFileName(1), test::MapBuilder(30, 30).Zone(1, 0, 2, 2, {}, 3).Text());
    test::WriteScenarioFile(game, {mission, header});
    test::WriteForces(game, test::ForcesLine(40, {{43, 2, 0, 0}}));
    GameState& state = game.state();
    state.GameMode = ModeCampaign;
    ResetCampaign(state);
    state.Campaign.CarriedPoints = 120;
    ASSERT_TRUE(ChooseScenario(*game, 2));
    EXPECT_EQ(state.CampaignStep, 40);
    EXPECT_EQ(state.Campaign.Number, 900);
    EXPECT_EQ(state.Campaign.MissionCounter, 1);
    ASSERT_TRUE(StartScenario(*game));
    EXPECT_EQ(state.ScenarioNumber, 1);
    EXPECT_EQ(state.MapNumber, 1);
    EXPECT_EQ(state.PlayerNation, 3);
    EXPECT_EQ(state.ProductionPoints, 500 + 120);
    EXPECT_EQ(state.PlayerShipCount, 2);
    EXPECT_NE(state.Unit(PlayerBaseId + 1).X, 0) << "at the British home base";

    // A step the database does not hold cannot start.
    state.CampaignStep = 77;
    EXPECT_FALSE(StartScenario(*game));
}

} // namespace olvane
