// olvane-tool start and simulate, run as a scenario author would run them, over the game folder
// this build generated.

#include "state/data_files.h"
#include "support/tool_run.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace olvane
{

namespace
{

namespace fs = std::filesystem;

using test::Contains;
using test::GeneratedGameFolder;
using test::RunTool;
using test::ToolRun;

/// The final state of a simulate --json run: everything from its "State" key on.
std::string StatePart(const std::string& json)
{
    const auto at = json.find("\"State\"");
    return at == std::string::npos ? std::string() : json.substr(at);
}

class ToolStartAndSimulate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!fs::exists(GeneratedGameFolder() / "BAZE"))
        {
            GTEST_SKIP() << "no generated game folder in this build";
        }
    }

    test::TempDir dir;
    const std::string base = " --base " + GeneratedGameFolder().string();
};

} // namespace

TEST_F(ToolStartAndSimulate, StartPrintsTheGroupsAndSavesTheGame)
{
    const std::string save = (dir.Path() / "start.sav").string();
    ToolRun run = RunTool(dir, "start --slot 27 --mode 2 --rank 3 --seed 9 --save " + save + base);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Contains(run.out, "\"AIGroups\": ["));
    EXPECT_TRUE(Contains(run.out, "\"MemberCount\":"));
    EXPECT_TRUE(Contains(run.out, "\"Rank\": 3"));
    EXPECT_TRUE(Contains(run.out, "\"TurnNumber\": 0"));
    // The mission's texts as the briefing and the mission status show them.
    EXPECT_TRUE(Contains(run.out, "\"Objective1\": \"Conquer all enemy major ports\""));
    EXPECT_TRUE(Contains(run.out, "\"TurnLabel\": \"1. TURN\""));
    EXPECT_TRUE(Contains(run.out, "\"MAJOR VICTORY: 16 TURNS\"")) << "an admiral has less time";
    ASSERT_TRUE(fs::exists(save));
    ToolRun loaded = RunTool(dir, "load " + save + base);
    EXPECT_EQ(loaded.status, 0);
    EXPECT_TRUE(Contains(loaded.out, "\"ScenarioNumber\": 27"));
    EXPECT_TRUE(Contains(loaded.out, "\"Restriction\": ["));

    EXPECT_EQ(RunTool(dir, "start --slot 9999 --mode 2 --rank 2" + base).status, 1) << "no such scenario";
    EXPECT_EQ(RunTool(dir, "start --slot 1 --mode 7 --rank 2" + base).status, 2) << "no such game mode";
}

TEST_F(ToolStartAndSimulate, TheSameSeedPlaysTheSameGame)
{
    const std::string args = "simulate --slot 26 --turns 40 --seed 21 --json" + base;
    const ToolRun first = RunTool(dir, args);
    const ToolRun second = RunTool(dir, args);
    EXPECT_EQ(first.status, 0);
    EXPECT_TRUE(Contains(first.out, "\"TurnsPlayed\": "));
    EXPECT_TRUE(Contains(first.out, "\"MedianTurnMicroseconds\": "));
    ASSERT_FALSE(StatePart(first.out).empty());
    EXPECT_EQ(StatePart(first.out), StatePart(second.out));
    const ToolRun other = RunTool(dir, "simulate --slot 26 --turns 40 --seed 22 --json" + base);
    EXPECT_NE(StatePart(first.out), StatePart(other.out)) << "another seed, another game";

    const ToolRun text = RunTool(dir, "simulate --slot 26 --turns 3 --seed 21" + base);
    EXPECT_TRUE(Contains(text.out, "turns played: "));
    EXPECT_TRUE(Contains(text.out, "median time per turn: "));
    EXPECT_EQ(RunTool(dir, "simulate --slot 26" + base).status, 2) << "--turns missing";
}

TEST_F(ToolStartAndSimulate, SimulatedGamesSaveAndLoadFromTheCommandLine)
{
    const auto file = [&](const char* name) { return (dir.Path() / name).string(); };
    EXPECT_EQ(RunTool(dir, "simulate --slot 26 --turns 4 --seed 3 --save " + file("a.sav") + base).status, 0);
    EXPECT_EQ(RunTool(dir, "load " + file("a.sav") + " --save " + file("b.sav") + base).status, 0);
    EXPECT_EQ(RunTool(dir, "load " + file("b.sav") + " --save " + file("c.sav") + base).status, 0);
    const auto a = ReadWholeFile(file("a.sav"));
    const auto b = ReadWholeFile(file("b.sav"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->size(), b->size());
    EXPECT_GT(a->size(), 91u * 64u) << "the units follow the fixed records";
    EXPECT_EQ(ReadWholeFile(file("c.sav")), b) << "a loaded game saves as it was loaded";
    // A failed load writes nothing.
    EXPECT_EQ(RunTool(dir, "load " + file("none.sav") + " --save " + file("d.sav") + base).status, 1);
    EXPECT_FALSE(fs::exists(file("d.sav")));
}

} // namespace olvane
