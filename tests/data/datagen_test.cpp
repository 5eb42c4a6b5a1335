// The data pack compiler on small sources: what it writes is what the game's loaders read.

#include "list_compiler.h"
#include "map_compiler.h"
#include "scenario_compiler.h"
#include "state/cell_code.h"
#include "state/forces.h"
#include "state/game_state.h"
#include "state/map_file.h"
#include "state/name_file.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using datagen::SourceError;

const char* const AtollGrid = "grid\n"
                              "..................\n"
                              "..................\n"
                              "..................\n"
                              "..................\n"
                              "..................\n"
                              "..................\n"
                              ".......#####......\n"
                              "......A#####......\n"
                              ".......#####B.....\n"
                              ".......##c##......\n"
                              ".......###C#......\n"
                              "..................\n"
                              "..................\n"
                              "..................\n"
                              "........#.........\n"
                              ".......#..........\n"
                              "..................\n"
                              "..................\n";

const char* const AtollKeys = "map 900 allies\nmap 902 axis\npicture 12\nsize 18 18\n"
                              "home 1 13 1 4\nhome 3 13 13 4\nhome 2 1 1 0\nhome 4 1 13 0\n"
                              "zone 1 1 12\nzone 7 7 12\n";

datagen::MapSource Atoll(const test::TempDir& dir, const std::string& ports, const std::string& grid = AtollGrid)
{
    return datagen::ReadMapSource(dir.Write("atoll.map", AtollKeys + ports + grid));
}

/// Loads compiled map text the way the game does, with a goal that makes codes 1 and 2 major ports.
GameState Load(const std::string& text)
{
    GameState state;
    state.SideStats(SidePlayer)[0] = 1;
    state.CurrentScenario.MapPicture = 12;
    ClearMaps(state);
    const MapReadResult result = ReadMapText(state, text);
    EXPECT_TRUE(result.ok) << result.line << ": " << result.problem;
    return state;
}

TEST(DataCompiler, MapSourceBecomesTheMapTheGameLoads)
{
    test::TempDir dir;
    const auto map = Atoll(dir, "port A \"Spit\" minor allies\nport B \"Sand Island\" major axis\nport C - minor allies\n");
    const GameState allies = Load(datagen::CompileMapFile(map, map.variants[0]));

    ASSERT_EQ(allies.PortCount, 3);
    EXPECT_EQ(allies.Port(1), (PortRec{7, 8, 1, 1, allies.Port(1).Zone, PortKindOrdinary, 0}));
    EXPECT_EQ(allies.Port(2).Owner, SideEnemy);
    EXPECT_EQ(allies.Port(2).Kind, PortKindMajor);
    EXPECT_EQ(allies.ZoneMarkerCount, 4); // two markers for each named port
    EXPECT_EQ(PortLabel(allies, 2), "Major Port Sand Island");
    EXPECT_EQ(PortLabel(allies, 3), "Port 11-11");
    for (int p = 1; p <= 3; ++p)
    {
        ASSERT_GT(allies.Port(p).Zone, HomeZoneCount) << p;
        EXPECT_EQ(allies.AIZone(allies.Port(p).Zone).Port, p);
        EXPECT_EQ(allies.AIZone(allies.Port(p).Zone).Size, ZoneSizePort);
    }
    for (int z = 1; z <= HomeZoneCount; ++z)
    {
        EXPECT_EQ(allies.AIZone(z).Key, z);
    }
    EXPECT_EQ(allies.AIZone(2).OriginX, 1);
    EXPECT_EQ(allies.AIZone(3).Size, 4); // facing west

    // Shore on the coast, plain land inland, a city where the map shows one; a narrow diagonal
    // passage is cut by coast corners.
    EXPECT_EQ(allies.MapGrid(10, 7), 37000);
    EXPECT_EQ(allies.MapGrid(10, 9), 55500);
    EXPECT_EQ(allies.MapGrid(10, 10), 56200);
    EXPECT_TRUE(IsLandCell(allies, 9, 15));
    EXPECT_EQ(allies.LandGrid(9, 16), 901);
    EXPECT_EQ(allies.MarkGrid(9, 16), 1);
    EXPECT_EQ(allies.LandGrid(8, 15), 903);

    // The open zones know each other, so groups can move between them.
    const AIZoneRec& first = allies.AIZone(5);
    EXPECT_NE(std::find(first.Neighbours.begin(), first.Neighbours.end(), 6), first.Neighbours.end());

    // The other variant hands the ports to the other side.
    const GameState axis = Load(datagen::CompileMapFile(map, map.variants[1]));
    EXPECT_EQ(axis.Port(1).Owner, SideEnemy);
    EXPECT_EQ(axis.Port(2).Owner, SidePlayer);
    EXPECT_EQ(axis.Port(2).Flag, 1);
}

TEST(DataCompiler, MapSourceFaultsAreRefused)
{
    test::TempDir dir;
    // A name the picture gives to port 2, with no port 1 before it.
    EXPECT_THROW(datagen::CompileMapFile(Atoll(dir, "port A \"Sand Island\" minor allies\nport B - minor axis\n"
                                                    "port C - minor allies\n"),
                                         {900, datagen::Alliance::Allies}),
                 SourceError);
    // A port in open water.
    std::string grid = AtollGrid;
    grid.replace(grid.find("..................\n..................\n..................\n") + 3, 1, "C");
    grid.replace(grid.find(".......###C#......"), 18, ".......####.......");
    try
    {
        datagen::CompileMapFile(Atoll(dir, "port A \"Spit\" minor allies\nport B - major axis\nport C - minor axis\n", grid),
                                {900, datagen::Alliance::Allies});
        ADD_FAILURE() << "a port at sea was accepted";
    }
    catch (const SourceError& error)
    {
        EXPECT_NE(std::string(error.what()).find("port C is not on a coast"), std::string::npos) << error.what();
    }
    // A port that the grid does not show.
    EXPECT_THROW(Atoll(dir, "port A \"Spit\" minor allies\nport B - major axis\nport C - minor axis\nport D - minor axis\n"),
                 SourceError);
}

TEST(DataCompiler, ScenarioTableAndForces)
{
    test::TempDir dir;
    const std::string block = "  kind mission\n  nations 1 4\n  map 500 9\n  points 100\n  goal 5 4 6 8\n"
                              "  player 43*2+53 80\n  enemy 63+43*3 13*2\n";
    dir.Write("scenarios/a.txt", "scenario 40 \"FIRST\"\n" + block + "scenario 60 \"SECOND \"\n" + block);
    const auto scenarios = datagen::ReadScenarioSources(dir.Path() / "scenarios");
    ASSERT_EQ(scenarios.size(), 2u);
    EXPECT_EQ(scenarios[1].rec.Slot, 2);
    EXPECT_EQ(scenarios[1].rec.Title.Str(), "SECOND "); // the trailing blank is kept
    EXPECT_EQ(scenarios[0].rec.MarkFacing, 6);

    const std::string forces = datagen::CompileForcesFile(scenarios);
    const ForceTable player = ReadForces(forces, 60);
    const ForceTable enemy = ReadForces(forces, 61);
    EXPECT_EQ(player.Groups[0], (ForceGroup{43, 2, 53, 1}));
    EXPECT_EQ(player.Groups[1], (ForceGroup{80, 1, 0, 0}));
    EXPECT_EQ(enemy.Groups[0], (ForceGroup{63, 1, 43, 3}));
    EXPECT_EQ(enemy.Groups[2], ForceGroup{});
    EXPECT_EQ(datagen::CompileScenarioFile(scenarios).size(), 2u * ScenarioRecordSize);

    // Ids next to each other would file one side's forces under the other's key.
    dir.Write("clash/a.txt", "scenario 40 \"FIRST\"\n" + block + "scenario 41 \"SECOND\"\n" + block);
    EXPECT_THROW(datagen::ReadScenarioSources(dir.Path() / "clash"), SourceError);
    dir.Write("group/a.txt", "scenario 40 \"FIRST\"\n" + block + "  enemy 43*5\n");
    EXPECT_THROW(datagen::ReadScenarioSources(dir.Path() / "group"), SourceError);
    dir.Write("step/a.txt", "scenario 40 \"FIRST\"\n" + block + "scenario 70 \"CAMPAIGN\"\n  kind campaign\n  steps 40 42\n");
    EXPECT_THROW(datagen::ReadScenarioSources(dir.Path() / "step"), SourceError);
}

TEST(DataCompiler, NameAndRankFiles)
{
    test::TempDir dir;
    std::string names = "list 43 Destroyer\n";
    std::vector<std::string> expected;
    for (int i = 1; i <= 15; ++i)
    {
        expected.push_back("Ship Number " + std::to_string(i));
        names += expected.back() + (i % 5 == 0 ? "\n" : ", ");
    }
    const std::string text = datagen::CompileNameFile(dir.Write("NTST.txt", names + "list 46 Heavy\n" + names.substr(18)));
    std::vector<std::string> read = ReadNameList(text, 43);
    ASSERT_EQ(read.size(), 15u);
    for (std::size_t i = 0; i < read.size(); ++i)
    {
        EXPECT_EQ(read[i].substr(0, read[i].find_last_not_of(' ') + 1), expected[i]);
    }
    EXPECT_EQ(ReadNameList(text, 46).size(), 15u);
    EXPECT_THROW(datagen::CompileNameFile(dir.Write("short.txt", "list 43 D\nA, B, C, D, E, F, G, H, I, J, K, L\n")),
                 SourceError);
    EXPECT_THROW(datagen::CompileNameFile(dir.Write("long.txt", "list 43 D\nA Name Of Sixteen, B, C, D, E, F, G, H, I, J\n")),
                 SourceError);

    std::string ranks;
    for (int i = 1; i <= 28; ++i)
    {
        ranks += "R" + std::to_string(i) + " Rank Title " + std::to_string(i) + "\n";
    }
    const std::string rankText = datagen::CompileRankFile(dir.Write("1.txt", ranks));
    EXPECT_EQ(rankText.substr(0, rankText.find('\n')), "1 R1   Rank Title 1           ");
    EXPECT_THROW(datagen::CompileRankFile(dir.Write("2.txt", ranks.substr(ranks.find('\n') + 1))), SourceError);
}

} // namespace
} // namespace olvane
