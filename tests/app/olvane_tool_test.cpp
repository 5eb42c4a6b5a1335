#include "state/save_file.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::Contains;
using test::RunProgram;
using test::RunTool;
using test::ToolRun;

constexpr std::string_view PortMap = "20 20\n"
                                     "1 1 10 12\n"
                                     "1 4 15 15\n"
                                     "0 0 0 0\n"
                                     "0\n0\n0\n"
                                     "0\n";

} // namespace

TEST(OlvaneTool, DumpMapPrintsTheStateAsJson)
{
    test::TempDir dir;
    dir.Write("game/BAZE/ZEM/F12_OST.TXT", PortMap);
    const std::string base = " --base " + (dir.Path() / "game").string();

    ToolRun run = RunTool(dir, "dump-map 12" + base);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "\"MapWidth\": 20"));
    EXPECT_TRUE(Contains(run.out, "\"10,12\": 3900")) << "code 1 is an ordinary port without major-port goals";
    EXPECT_TRUE(Contains(run.out, "\"8,5\": 4100")) << "the sector lines of the cleared map";
    EXPECT_TRUE(Contains(run.out, "\"PortCount\": 2"));
    EXPECT_TRUE(Contains(run.out, "\"Errors\": []"));

    run = RunTool(dir, "dump-map 12 --goal-types 1,0" + base);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Contains(run.out, "\"10,12\": 3700")) << "a major port once side 1 fights for ports";

    // A map that is not there: the state as the game then holds it, the error, status 1.
    run = RunTool(dir, "dump-map 99" + base);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.out, "\"FATAL ERROR LOADING FILE\""));
    EXPECT_TRUE(Contains(run.out, "\"MapWidth\": 96"));
}

TEST(OlvaneTool, LoadReportsDamagedSaves)
{
    test::TempDir dir;
    dir.Write("game/BAZE/readme.txt", "");
    dir.Write("broken.sav", std::string(100, 'x'));
    const ToolRun run =
        RunTool(dir, (dir.Path() / "broken.sav").string() + " --base " + (dir.Path() / "game").string());
    EXPECT_EQ(run.status, 2) << "the command word is missing";
    const ToolRun load = RunTool(dir, "load " + (dir.Path() / "broken.sav").string() + " --base " +
                                          (dir.Path() / "game").string());
    EXPECT_EQ(load.status, 1);
    EXPECT_TRUE(Contains(load.out, std::string("\"") + std::string(SaveDamagedError) + "\""));
}

TEST(OlvaneTool, BadArgumentsAreRefusedClearly)
{
    test::TempDir dir;
    dir.Write("game/BAZE/readme.txt", "");
    const std::string base = " --base " + (dir.Path() / "game").string();
    for (const std::string& args : {std::string(""), "dump-map" + base, "dump-map x" + base, "dump-map 70000" + base,
                                   std::string("dump-map 3 --base /no/such/folder"),
                                   "dump-map 3 --goal-types 1" + base, "fly 3" + base, "dump-map 3 --color red" + base,
                                   std::string("dump-map 3 --base")})
    {
        const ToolRun run = RunTool(dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(Contains(run.err, "olvane-tool: ")) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    const ToolRun frob = RunTool(dir, "--frob");
    EXPECT_EQ(frob.status, 2);
    EXPECT_TRUE(Contains(frob.err, "unknown option --frob")) << frob.err;
    const ToolRun twice = RunTool(dir, "dump-map 3 --seed 1 --seed 2" + base);
    EXPECT_EQ(twice.status, 2);
    EXPECT_TRUE(Contains(twice.err, "--seed is given twice")) << twice.err;

    const ToolRun validate = RunTool(dir, "validate" + base);
    EXPECT_EQ(validate.status, 1) << "an empty game folder is full of problems";
    EXPECT_TRUE(Contains(validate.out, "SCENARIO2.FLS"));
    EXPECT_EQ(RunTool(dir, "validate 3" + base).status, 2);

    const ToolRun help = RunTool(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Contains(help.out, "dump-map N --base DIR"));
}

#ifdef OLVANE_GAME_PATH
// The game refuses a bad command line before it opens a window, so these need no display.
TEST(OlvaneProgram, BadCommandLinesAreRefusedBeforeAnyWindowOpens)
{
    test::TempDir dir;
    const std::string game = test::GeneratedGameFolder().string();
    dir.Write("empty/readme.txt", "");
    dir.Write("script-folder/readme.txt", "");
    const std::string base = " --base " + game;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--seed -1" + base, "--seed takes a whole number from 0 to 4294967295"},
        {"--seed 4294967296" + base, "--seed takes a whole number"},
        {"--seed 0x10" + base, "--seed takes a whole number"},
        {"--speed nan" + base, "--speed takes a factor"},
        {"--speed inf" + base, "--speed takes a factor"},
        {"--speed 1e400" + base, "--speed takes a factor"},
        {"--speed 0x10" + base, "--speed takes a factor"},
        {"--speed -1" + base, "--speed takes a factor"},
        {"--rank 4" + base, "--rank takes a whole number from 1 to 3"},
        {"--start 1 --start 2" + base, "--start is given twice"},
        {"--frob" + base, "unknown argument --frob"},
        {"--script " + (dir.Path() / "script-folder").string() + base, "is not a file"},
        {"--script " + (dir.Path() / "none.script").string() + base, "is not a file"},
        {"--base " + (dir.Path() / "missing").string(), "does not exist"},
        {"--base " + (dir.Path() / "empty").string(), "holds no game"},
        {"--start 999" + base, "there is no scenario in slot 999"},
    };
    for (const auto& [args, message] : cases)
    {
        const ToolRun run = RunProgram(OLVANE_GAME_PATH, dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(Contains(run.err, message)) << args << ": " << run.err;
    }
    if (std::filesystem::exists(game + "/BAZE"))
    {
        // The data pack's campaigns sit behind its missions; their headers start no mission.
        const ToolRun run = RunProgram(OLVANE_GAME_PATH, dir, "--start 123" + base);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(Contains(run.err, "slot 123 is a campaign")) << run.err;
    }
}
#endif

} // namespace olvane
