#include "state/map_file.h"
#include "state/zone_names.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace olvane
{

namespace
{

// A map file around the given object and zone lines: a 40 × 40 map, the three header lines, and
// the terminating zone line.
std::string MapText(std::string_view objects, std::string_view zones = "")
{
    return "40 40\n" + std::string(objects) + "0 0 0 0\n10\n20\n30\n" + std::string(zones) + "0\n";
}

// Loads `text` as map 410 of a fresh game whose sector lines are drawn on a 40 × 40 map.
void LoadText(test::TestGame& game, std::string_view text)
{
    game.dir.Write("game/BAZE/ZEM/F410_OST.TXT", text);
    game.state().MapWidth = 40;
    game.state().MapHeight = 40;
    ClearMaps(game.state());
}

} // namespace

TEST(MapFile, ObjectLinesWriteTheirCellCodes)
{
    test::TestGame game;
    LoadText(game, "  33 45 \r\n"
                   "1 5 1 1\n1 6 2 1\n1 7 3 1\n"
                   "1 8 1 2\n1 12 2 2\n1 13 3 2\n1 57 4 2\n"
                   "\n"
                   "1 101 1 3\n1 120 2 3 extra words are ignored\n"
                   "1 61 1 4\n1 900 2 4\n1 1000 3 4\n"
                   "2 5 1 5\n-7 8 1 6\n"
                   "0 0 0 0\n1\n2\n3\n0\n");
    ASSERT_TRUE(LoadMapFile(*game, 410));
    const GameState& s = game.state();
    EXPECT_TRUE(game.presenter.errors.empty());
    EXPECT_EQ(s.MapWidth, 33);
    EXPECT_EQ(s.MapHeight, 45);
    EXPECT_EQ(s.MapWidthByte, 33);
    EXPECT_EQ(s.MapHeightByte, 45);

    EXPECT_EQ(s.MapGrid(1, 1), 4100);
    EXPECT_EQ(s.MapGrid(2, 1), 4200);
    EXPECT_EQ(s.MapGrid(3, 1), 4300);
    EXPECT_EQ(s.MapGrid(1, 2), 37000);
    EXPECT_EQ(s.MapGrid(2, 2), 51800);
    EXPECT_EQ(s.MapGrid(3, 2), 55500);
    EXPECT_EQ(s.MapGrid(4, 2), 59900);
    EXPECT_EQ(s.MapGrid(1, 3), 100);
    EXPECT_EQ(s.MapGrid(2, 3), 2000);
    EXPECT_EQ(s.ZoneMarkerCount, 2);

    // Unknown codes and lines that are not objects leave the map alone.
    for (int x = 1; x <= 3; ++x)
    {
        EXPECT_EQ(s.MapGrid(x, 4), 0) << x;
        EXPECT_EQ(s.LandGrid(x, 4), 0) << x;
    }
    EXPECT_EQ(s.MapGrid(1, 5), 0);
    EXPECT_EQ(s.MapGrid(1, 6), 0);
    EXPECT_EQ(s.PortCount, 0);
}

TEST(MapFile, LinePointsInPairsDrawCoastLines)
{
    test::TestGame game;
    LoadText(game, MapText("1 60 5 20\n1 60 5 24\n"   // down a column
                           "1 60 5 24\n1 60 9 24\n"   // along a row
                           "1 60 20 10\n1 60 20 6\n"  // backwards: nothing
                           "1 60 30 10\n1 60 25 10\n" // backwards: nothing
                           "1 60 11 30\n1 60 13 35\n" // askew: along the first point's row
                           "1 60 2 2\n"));            // alone: nothing
    ASSERT_TRUE(LoadMapFile(*game, 410));
    std::set<std::pair<int, int>> coast;
    for (int x = 1; x <= MapSize; ++x)
    {
        for (int y = 1; y <= MapSize; ++y)
        {
            if (game.state().MapGrid(x, y) == CodeCoastLine)
            {
                coast.insert({x, y});
            }
        }
    }
    std::set<std::pair<int, int>> expected;
    for (int i = 0; i <= 4; ++i)
    {
        expected.insert({5, 20 + i});
        expected.insert({5 + i, 24});
    }
    expected.insert({{11, 30}, {12, 30}, {13, 30}});
    EXPECT_EQ(coast, expected);
}

TEST(MapFile, MajorPortsOnlyWhereAGoalIsAboutPorts)
{
    // Codes 1 and 2 are major ports when either side's goal is about ports (conquer 1, defend 2),
    // and side 1's is flagged; codes 3 and 4 stay ordinary.
    const struct
    {
        std::uint8_t playerGoal;
        std::uint8_t enemyGoal;
        std::uint8_t major;
    } cases[] = {{1, 0, 1}, {5, 2, 1}, {3, 0, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.playerGoal) + " against " + std::to_string(c.enemyGoal));
        test::TestGame game;
        game.state().SideStats(SidePlayer)[0] = c.playerGoal;
        game.state().SideStats(SideEnemy)[0] = c.enemyGoal;
        LoadText(game, MapText("1 1 10 12\n1 2 20 22\n1 3 11 12\n1 4 21 22\n"));
        ASSERT_TRUE(LoadMapFile(*game, 410));
        const GameState& s = game.state();
        ASSERT_EQ(s.PortCount, 4);
        const std::uint8_t kind = c.major ? PortKindMajor : PortKindOrdinary;
        EXPECT_EQ(s.Port(1), (PortRec{10, 12, 1, 1, 0, kind, c.major}));
        EXPECT_EQ(s.Port(2), (PortRec{20, 22, 2, 2, 0, kind, 0}));
        EXPECT_EQ(s.Port(3), (PortRec{11, 12, 1, 1, 0, PortKindOrdinary, 0}));
        EXPECT_EQ(s.Port(4), (PortRec{21, 22, 2, 2, 0, PortKindOrdinary, 0}));
        EXPECT_EQ(s.MapGrid(10, 12), c.major ? 3700 : 3900);
        EXPECT_EQ(s.MapGrid(20, 22), c.major ? 3800 : 4000);
        EXPECT_EQ(s.MapGrid(11, 12), 3900);
        EXPECT_EQ(s.MapGrid(21, 22), 4000);
    }
}

TEST(MapFile, ZoneLinesFillTheComputersZonesAndNamePortZones)
{
    test::TestGame game;
    GameState& s = game.state();
    // Leftovers of an earlier map: a zone record, a port and its zone number.
    s.AIZone(20).Size = 9;
    s.AIZone(20).Neighbours = {1, 2, 3, 4, 5};
    s.AIZone(20).Key = 7;
    s.AIZone(20).SectorCount = 3;
    s.PortCount = 3;
    s.Port(3) = PortRec{1, 1, 2, 2, 14, PortKindOrdinary, 0};
    LoadText(game, MapText("1 3 10 12\n1 4 20 22\n", "1 3 30 31 5 0 0 0 0 2 0\n"
                                                     "5 6 10 12 1 7 0 0 0 0 1\n"
                                                     "7 6 20 22 5 0 0 0 0 0 2\n"
                                                     "6 2 15 15 5 7 0 0 0 0 0\n"));
    ASSERT_TRUE(LoadMapFile(*game, 410));

    const AIZoneRec& home = s.AIZone(1);
    EXPECT_EQ(home.Size, 3);
    EXPECT_EQ(home.OriginX, 30);
    EXPECT_EQ(home.OriginY, 31);
    EXPECT_EQ(home.Neighbours, (std::array<std::uint8_t, 5>{5, 0, 0, 0, 0}));
    EXPECT_EQ(home.Key, 2);
    EXPECT_EQ(s.AIZone(5).Port, 1);
    EXPECT_EQ(s.AIZone(5).Neighbours[1], 7);

    // Zones the file does not name start over: empty, with the key byte at 1.
    EXPECT_EQ(s.AIZone(20).Size, 0);
    EXPECT_EQ(s.AIZone(20).Neighbours, (std::array<std::uint8_t, 5>{}));
    EXPECT_EQ(s.AIZone(20).Key, 1);
    EXPECT_EQ(s.AIZone(20).SectorCount, 3) << "the sectors are built elsewhere";

    // The last line counts the zones beyond the four home zones.
    EXPECT_EQ(s.ZoneExtraCount, 2);

    // Port zones 5 and 7 (size 6) hand their numbers to ports 1 and 2; zone 7 lies beyond
    // ZoneExtraCount + 4 and does not.
    EXPECT_EQ(s.Port(1).Zone, 5);
    EXPECT_EQ(s.Port(2).Zone, 0);
    // No port keeps what an earlier map left.
    EXPECT_EQ(s.PortCount, 2);
    EXPECT_EQ(s.Port(3), PortRec{});

    // With zone 7 read last, it counts, and so its port gets it.
    LoadText(game, MapText("1 3 10 12\n1 4 20 22\n", "5 6 10 12 1 7 0 0 0 0 1\n7 6 20 22 5 0 0 0 0 0 2\n"));
    ASSERT_TRUE(LoadMapFile(*game, 410));
    EXPECT_EQ(s.ZoneExtraCount, 3);
    EXPECT_EQ(s.Port(1).Zone, 5);
    EXPECT_EQ(s.Port(2).Zone, 7);

    // A home zone read last counts its distance from zone 4; zone 26 is never reset.
    s.AIZone(26).Size = 4;
    LoadText(game, MapText("", "5 6 10 12 1 7 0 0 0 0 1\n1 3 30 31 5 0 0 0 0 2 0\n"));
    ASSERT_TRUE(LoadMapFile(*game, 410));
    EXPECT_EQ(s.ZoneExtraCount, 3);
    EXPECT_EQ(s.AIZone(26).Size, 4);
}

TEST(MapFile, PortLabelsUseZoneNamesWhileMarkersLast)
{
    test::TestGame game;
    GameState& s = game.state();
    s.SideStats(SidePlayer)[0] = 1;
    s.CurrentScenario.MapPicture = 7;
    LoadText(game, MapText("1 1 10 12\n1 4 23 41\n1 3 5 6\n"
                           "1 101 1 1\n1 102 2 1\n1 103 3 1\n1 104 4 1\n1 105 5 1\n"));
    ASSERT_TRUE(LoadMapFile(*game, 410));
    ASSERT_EQ(s.ZoneMarkerCount, 5);
    EXPECT_EQ(PortLabel(s, 1), "Major Port Weymouth");
    EXPECT_EQ(PortLabel(s, 2), "Port Newport");
    EXPECT_EQ(PortLabel(s, 3), "Port 5-6") << "5 div 2 markers name two ports";

    // A picture without a name for the port falls back to its coordinates too.
    s.CurrentScenario.MapPicture = 8;
    s.ZoneMarkerCount = 6;
    EXPECT_EQ(PortLabel(s, 1), "Major Port Singapore");
    EXPECT_EQ(PortLabel(s, 3), "Port 5-6");
    s.CurrentScenario.MapPicture = 0;
    EXPECT_EQ(PortLabel(s, 2), "Port 23-41");
}

TEST(MapFile, LandCodesGoToTheLandGridAndCoastCornersToTheMarks)
{
    test::TestGame game;
    LoadText(game, MapText("1 901 7 7\n1 901 8 7\n1 904 1 1\n1 905 2 1\n1 908 3 1\n1 950 4 1\n1 999 5 1\n"));
    ASSERT_TRUE(LoadMapFile(*game, 410));
    const GameState& s = game.state();
    EXPECT_EQ(s.LandGrid(7, 7), 901);
    EXPECT_EQ(s.MapGrid(7, 7), 0);
    EXPECT_EQ(s.MapGrid(8, 7), 4100) << "the sector line stays";
    EXPECT_EQ(s.MarkGrid(7, 7), 1);
    EXPECT_EQ(s.MarkGrid(1, 1), 4);
    EXPECT_EQ(s.MarkGrid(2, 1), 11);
    EXPECT_EQ(s.MarkGrid(3, 1), 14);
    EXPECT_EQ(s.LandGrid(3, 1), 908);
    EXPECT_EQ(s.LandGrid(4, 1), 950);
    EXPECT_EQ(s.MarkGrid(4, 1), 0);
    EXPECT_EQ(s.LandGrid(5, 1), 999);
    EXPECT_EQ(s.MarkGrid(5, 1), 0);
}

TEST(MapFile, FaultsStopReadingShowTheMessageOnceAndKeepWhatWasRead)
{
    struct Case
    {
        const char* name;
        std::string text;
        int line;
    };

    std::string ports = "1 3 10 12\n";
    for (int k = 2; k <= 26; ++k)
    {
        ports += "1 3 " + std::to_string(k) + " 2\n";
    }
    const Case cases[] = {
        {"bad number", MapText("1 3 10 12\n1 3 1O 12\n1 4 20 22\n"), 3},
        {"number too large", MapText("1 3 10 12\n1 3 4294967297 12\n"), 3},
        {"column 0", MapText("1 3 10 12\n1 5 0 12\n"), 3},
        {"row 101", MapText("1 3 10 12\n1 901 10 101\n"), 3},
        {"negative column", MapText("1 3 10 12\n1 60 -3 12\n"), 3},
        {"26th port", MapText(ports), 27},
        {"object 58", MapText("1 3 10 12\n1 58 3 3\n"), 3},
        {"object 59", MapText("1 3 10 12\n1 59 3 3\n"), 3},
        {"zone 27", MapText("1 3 10 12\n", "5 6 1 1 0 0 0 0 0 0 1\n27 6 1 1 0 0 0 0 0 0 1\n"), 8},
        {"negative zone", MapText("1 3 10 12\n", "5 6 1 1 0 0 0 0 0 0 1\n-1 0\n"), 8},
        {"zone value 256", MapText("1 3 10 12\n", "5 6 1 1 0 0 0 0 0 0 1\n6 6 256\n"), 8},
        {"header word", "40 40\n1 3 10 12\n0 0 0 0\nZONES\n", 4},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        test::TestGame game;
        LoadText(game, c.text);
        EXPECT_FALSE(LoadMapFile(*game, 410));
        EXPECT_EQ(game.presenter.errors, std::vector<std::string>{std::string(MapLoadError)});
        const GameState& s = game.state();
        EXPECT_EQ(s.MapWidth, 40);
        EXPECT_EQ(s.Port(1), (PortRec{10, 12, 1, 1, 0, PortKindOrdinary, 0}));
        const MapReadResult result = ReadMapText(*std::make_unique<GameState>(), c.text);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.line, c.line) << result.problem;
        EXPECT_FALSE(result.problem.empty());
    }

    // What came before the fault stays; what came after it is never read.
    {
        test::TestGame game;
        LoadText(game, MapText("1 3 10 12\n1 8 5 5\n1 3 x 12\n1 8 6 6\n"));
        EXPECT_FALSE(LoadMapFile(*game, 410));
        EXPECT_EQ(game.state().PortCount, 1);
        EXPECT_EQ(game.state().MapGrid(5, 5), 37000);
        EXPECT_EQ(game.state().MapGrid(6, 6), 0);
    }
    {
        test::TestGame game;
        ports += "1 8 5 5\n";
        LoadText(game, MapText(ports));
        EXPECT_FALSE(LoadMapFile(*game, 410));
        EXPECT_EQ(game.state().PortCount, 25);
        EXPECT_EQ(game.state().MapGrid(25, 2), 3900);
        EXPECT_EQ(game.state().MapGrid(26, 2), 0);
        EXPECT_EQ(game.state().MapGrid(5, 5), 0);
    }
    // A size off the map changes nothing.
    for (const char* size : {"0 40\n", "40 101\n", ""})
    {
        test::TestGame game;
        LoadText(game, size);
        EXPECT_FALSE(LoadMapFile(*game, 410));
        EXPECT_EQ(game.presenter.errors.size(), 1u);
        EXPECT_EQ(game.state().MapWidth, 40);
    }
    // A missing file leaves no ports of the previous map behind.
    {
        test::TestGame game;
        game.state().PortCount = 2;
        game.state().Port(2) = PortRec{3, 4, 1, 1, 6, PortKindMajor, 1};
        game.state().ZoneMarkerCount = 4;
        EXPECT_FALSE(LoadMapFile(*game, 411));
        EXPECT_EQ(game.presenter.errors, std::vector<std::string>{std::string(MapLoadError)});
        EXPECT_EQ(game.state().PortCount, 0);
        EXPECT_EQ(game.state().Port(2), PortRec{});
        EXPECT_EQ(game.state().ZoneMarkerCount, 0);
    }
}

TEST(MapFile, ReadsAnyLayoutOfTheSameNumbers)
{
    // Lower-case names, Windows line ends, a byte-order mark, blank lines, tabs, short lines and
    // a remark after an end mark: all read as the plain file would.
    test::TestGame game;
    game.dir.Write("game/baze/zem/f410_ost.txt", "\xEF\xBB\xBF"
                                                 "30\t31\r\n\r\n1 3 +10 12 9 9\r\n1 8 5\t5\r\n0\r\n"
                                                 "\r\n1\r2\r3\r5 6 1 1 0 0 0 0 0 0 1\r\n0 end of zones\r\n");
    ASSERT_TRUE(LoadMapFile(*game, 410));
    const GameState& s = game.state();
    EXPECT_TRUE(game.presenter.errors.empty());
    EXPECT_EQ(s.MapWidth, 30);
    EXPECT_EQ(s.MapHeight, 31);
    EXPECT_EQ(s.Port(1), (PortRec{10, 12, 1, 1, 5, PortKindOrdinary, 0}));
    EXPECT_EQ(s.MapGrid(5, 5), 37000);
    EXPECT_EQ(s.AIZone(5).Size, 6);
    EXPECT_EQ(s.ZoneExtraCount, 1);
    EXPECT_EQ(MapFileName(410), "BAZE/ZEM/F410_OST.TXT");

    // A file that stops in the middle of its objects ends there, regularly.
    auto bare = std::make_unique<GameState>();
    EXPECT_TRUE(ReadMapText(*bare, "40 40\n1 3 10 12").ok);
    EXPECT_EQ(bare->PortCount, 1);
}

TEST(MapFile, NoTextCrashesOrThrows)
{
    // Texts stitched from words near every boundary the reader checks.
    const std::string_view words[] = {"0",  "1",   "-1",  "3",          "6",           "26",  "27",  "58",
                                      "60", "100", "101", "120",        "255",         "256", "908", "999",
                                      "x",  "+",   "-",   "2147483648", "-2147483649", "\n",  "\r",  "\t"};
    std::uint32_t seed = 1;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<std::size_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    };
    auto state = std::make_unique<GameState>();
    for (int round = 0; round < 2000; ++round)
    {
        // Half the texts start with a good size line, so the later sections are reached too.
        std::string text = round % 2 == 0 ? "40 40\n" : "";
        const std::size_t length = next(300);
        for (std::size_t i = 0; i < length; ++i)
        {
            text += words[next(std::size(words))];
            text += next(4) == 0 ? '\n' : ' ';
        }
        ResetGame(*state);
        state->SideStats(SidePlayer)[0] = static_cast<std::uint8_t>(round % 3);
        EXPECT_NO_THROW(ReadMapText(*state, text)) << text;
    }
}

TEST(ZoneNames, TableOfPortNames)
{
    EXPECT_EQ(ZoneName(1, 1), "Alfa");
    EXPECT_EQ(ZoneName(6, 10), "Anzio");
    EXPECT_EQ(ZoneName(15, 3), "San Francisc");
    EXPECT_EQ(ZoneName(18, 3), "Bergen");
    EXPECT_EQ(ZoneName(8, 3), "");
    EXPECT_EQ(ZoneName(1, 9), "");
    EXPECT_EQ(ZoneName(0, 1), "");
    EXPECT_EQ(ZoneName(19, 1), "");
    EXPECT_EQ(ZoneName(1, 0), "");
    EXPECT_EQ(ZoneName(1, 11), "");
    // The lettered names of the charts are checked against their places by the art tests.
}

} // namespace olvane
