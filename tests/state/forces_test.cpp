#include "state/forces.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::TestGame;

/// A forces line: the unused first value, then the groups given, the rest zero.
std::string ForceLine(const std::vector<ForceGroup>& groups)
{
    std::string line = "0";
    for (int g = 0; g < ForceGroupCount; ++g)
    {
        const ForceGroup group = g < static_cast<int>(groups.size()) ? groups[static_cast<std::size_t>(g)] : ForceGroup{};
        for (int value : {group.ClassA, group.CountA, group.ClassB, group.CountB})
        {
            line += " " + std::to_string(value);
        }
    }
    return line + "\n";
}

int ActiveUnits(const GameState& state, int first, int last)
{
    int count = 0;
    for (int u = first; u <= last; ++u)
    {
        count += state.Unit(u).Active;
    }
    return count;
}

} // namespace

TEST(Forces, ReadsTheLineAfterTheKey)
{
    const std::string text = "10 0\n" + ForceLine({{43, 1, 0, 0}}) + "5 37 37\n" + "37 extra words\r\n" +
                             ForceLine({{63, 1, 43, 2}, {0, 0, 0, 0}, {20, 3, 0, 0}}) + "38\n" +
                             ForceLine({{13, 4, 0, 0}});
    const ForceTable table = ReadForces(text, 37);
    EXPECT_TRUE(table.Found);
    EXPECT_EQ(table.Groups[0], (ForceGroup{63, 1, 43, 2}));
    EXPECT_EQ(table.Groups[2], (ForceGroup{20, 3, 0, 0}));
    EXPECT_EQ(table.Groups[19], ForceGroup{});
    EXPECT_EQ(ReadForces(text, 38).Groups[0], (ForceGroup{13, 4, 0, 0}));
    EXPECT_EQ(ReadForces(text, 39), ForceTable{}) << "no key, no forces";
    EXPECT_EQ(ReadForces("37\n0 43 2 x 9\n", 37).Groups[0], (ForceGroup{43, 2, 0, 0})) << "a short line";
    EXPECT_EQ(ReadForces("37\n", 37).Groups[0], ForceGroup{});
}

TEST(Forces, PlacesBothSidesInGroupsFromTheirSlots)
{
    TestGame game;
    GameState& state = game.state();
    game.dir.Write("game/BAZE/TAKT.TXT", "37\n" + ForceLine({{43, 2, 20, 1}, {0, 0, 63, 5}, {63, 1, 0, 0}}) +
                                             "38\n" + ForceLine({{13, 2, 0, 0}, {73, 1, 46, 1}}));
    state.AIGroupCount = 9;
    PlaceSideForces(*game, 37, SidePlayer);
    EXPECT_EQ(state.PlayerShipCount, 4);
    EXPECT_EQ(state.Unit(60001).Class, 43);
    EXPECT_EQ(state.Unit(60003).Class, 20);
    EXPECT_EQ(state.Unit(60003).AIGroup, 1);
    EXPECT_EQ(state.Unit(60004).Class, 63) << "a group without a first class is left out";
    EXPECT_EQ(state.Unit(60004).AIGroup, 3);
    EXPECT_EQ(state.Unit(60005).Active, 0);
    EXPECT_EQ(state.AIGroupCount, 9) << "the player's groups are not the computer's";
    EXPECT_EQ(state.EnemyForceValue, 0);

    PlaceSideForces(*game, 37, SideEnemy);
    EXPECT_EQ(state.EnemyShipCount, 4);
    EXPECT_EQ(state.AIGroupCount, 2);
    EXPECT_EQ(state.Unit(60203).Class, 73);
    EXPECT_EQ(state.Unit(60204).AIGroup, 2);
    EXPECT_EQ(state.EnemyForceValue, 2 * 55 + 140 + 55);

    PlaceSideForces(*game, 99, SideEnemy);
    EXPECT_EQ(state.AIGroupCount, 0);
    EXPECT_EQ(state.EnemyShipCount, 0);
    EXPECT_TRUE(game.presenter.errors.empty());
}

TEST(Forces, MendsListsThatDoNotFit)
{
    TestGame game;
    GameState& state = game.state();
    // Unknown classes are left out; a list of 150 battleships ends at the side's last slot.
    game.dir.Write("game/BAZE/TAKT.TXT",
                   "5\n" + ForceLine({{200, 3, 43, 1}, {35, 2, 0, 0}, {-4, 1, 1, 1}, {63, 150, 43, 9}}));
    PlaceSideForces(*game, 4, SideEnemy);
    EXPECT_EQ(state.Unit(60201).Class, 43);
    EXPECT_EQ(state.Unit(60202).Class, 63);
    EXPECT_EQ(state.EnemyShipCount, 100);
    EXPECT_EQ(state.AIGroupCount, 2) << "groups with no class that exists do not count";
    EXPECT_EQ(ActiveUnits(state, 60201, 60300), 100);
    EXPECT_EQ(ActiveUnits(state, 60301, 60400), 0);

    std::filesystem::remove(game.files.BaseDir() / "BAZE/TAKT.TXT");
    PlaceSideForces(*game, 37, SidePlayer);
    EXPECT_EQ(state.PlayerShipCount, 0);
    ASSERT_EQ(game.presenter.errors.size(), 1u);
    EXPECT_EQ(game.presenter.errors[0], "FORCES FILE NOT FOUND");
}

TEST(PortDefences, EachEnemyPortGetsItsInstallations)
{
    TestGame game(777);
    GameState& state = game.state();
    state.PortCount = 3;
    state.Port(1) = {20, 20, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    state.Port(2) = {40, 40, SidePlayer, SidePlayer, 0, PortKindOrdinary, 1};
    state.Port(3) = {60, 60, SideEnemy, SideEnemy, 0, PortKindMajor, 0};
    // The port stands at the tip of a headland that runs north.
    state.MapGrid(20, 20) = CodeEnemyPort;
    for (int y = 10; y <= 19; ++y)
    {
        for (int x = 19; x <= 21; ++x)
        {
            state.MapGrid(x, y) = CodeCoastLine;
        }
    }
    for (int x = 58; x <= 62; ++x)
    {
        state.MapGrid(x, 59) = CodeCoastLine;
    }
    state.EnemyShipCount = 5;

    // The same draws, made by hand: one for the extra installation, one per installation.
    FixedSeedSource seeds(777);
    Random expected(seeds);
    expected.Reseed();
    std::vector<int> classes;
    for (int port = 0; port < 2; ++port)
    {
        const int count = 2 + (expected.Below(101) <= 50 ? 1 : 0);
        for (int k = 0; k < count; ++k)
        {
            classes.push_back(3 * (static_cast<int>(expected.Below(4)) + 1) + 97);
        }
    }

    PlaceEnemyPortDefences(*game, 250, 4);
    ASSERT_EQ(state.EnemyShipCount, 5 + static_cast<int>(classes.size()));
    for (std::size_t i = 0; i < classes.size(); ++i)
    {
        EXPECT_EQ(state.Unit(60206 + static_cast<int>(i)).Class, classes[i]);
    }
    const UnitRec& first = state.Unit(60206);
    EXPECT_EQ(first.X, 20) << "the first shore cell of the rings, north of the port";
    EXPECT_EQ(first.Y, 19);
    EXPECT_EQ(first.Under, CodeCoastLine);
    EXPECT_EQ(state.MapGrid(20, 19), 60206);
    EXPECT_EQ(state.MapGrid(20, 20), CodeEnemyPort) << "the port itself stays open water";
    EXPECT_EQ(first.Visible, 0);
    EXPECT_EQ(first.Speed, 0);
    EXPECT_EQ(first.Armor, game->classes.Class(first.Class).Armor);
    EXPECT_EQ(first.Picture, game->classes.Class(first.Class).Sprite);
    EXPECT_EQ(state.Unit(60207).X, 19) << "the next shore cell of the rings, north-west";
    EXPECT_EQ(state.Unit(60207).Y, 19);
    EXPECT_EQ(state.MapGrid(40, 40), 0) << "the player's port gets none";

    // A single kind, or none given, means light port guns only.
    ResetGame(state);
    state.PortCount = 1;
    state.Port(1) = {1, 1, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    for (int x = 1; x <= 4; ++x)
    {
        state.MapGrid(x, 2) = CodeCoastLine;
    }
    PlaceEnemyPortDefences(*game, 300, 0);
    EXPECT_GE(state.EnemyShipCount, 3);
    for (int u = 60201; u <= 60200 + state.EnemyShipCount; ++u)
    {
        EXPECT_EQ(state.Unit(u).Class, 100);
    }
}

TEST(PortDefences, NoRoomGivesTheSlotBack)
{
    TestGame game;
    GameState& state = game.state();
    state.PortCount = 2;
    state.Port(1) = {20, 20, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    state.Port(2) = {60, 60, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    // Open sea all round the first port: no shore for a gun. The second has a strip of coast.
    for (int x = 55; x <= 65; ++x)
    {
        state.MapGrid(x, 61) = CodeCoastLine;
    }
    PlaceEnemyPortDefences(*game, 100, 2);
    ASSERT_GE(state.EnemyShipCount, 1);
    EXPECT_EQ(state.Unit(60201).X, 60) << "the second port takes the first slot";

    // Never past the side's last slot.
    for (int x = 55; x <= 65; ++x)
    {
        state.MapGrid(x, 62) = CodeCoastLine;
    }
    state.EnemyShipCount = 99;
    PlaceEnemyPortDefences(*game, 900, 3);
    EXPECT_EQ(state.EnemyShipCount, 100);
    EXPECT_EQ(state.Unit(60301).Active, 0);
}

} // namespace olvane
