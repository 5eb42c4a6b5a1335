#include "state/data_files.h"
#include "state/records.h"
#include "state/scenario.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <regex>

namespace olvane
{

namespace
{

namespace fs = std::filesystem;
using test::Contains;
using test::GeneratedGameFolder;
using test::RunTool;
using test::ToolRun;

struct PrintedRow
{
    int slot = 0;
    std::string title;
    int mode = 0;
    int games = 0;
    int wins = 0;
    int defeats = 0;
    int others = 0;
    double turns = 0;
    double playerLosses = 0;
    double enemyLosses = 0;
    double milliseconds = 0;
};

std::vector<PrintedRow> RowsOf(const std::string& json)
{
    static const std::regex row(
        R"re(\{\s*"Slot": (\d+),\s*"Title": "([^"]*)",\s*"Mode": (\d+),\s*"Games": (\d+),\s*"Wins": (\d+),\s*"Defeats": (\d+),\s*"Others": (\d+),\s*"AverageTurns": ([-0-9.e+]+),\s*"AveragePlayerLosses": ([-0-9.e+]+),\s*"AverageEnemyLosses": ([-0-9.e+]+),\s*"AverageTurnMilliseconds": ([-0-9.e+]+)\s*\})re");
    std::vector<PrintedRow> rows;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), row); it != std::sregex_iterator(); ++it)
    {
        const std::smatch& m = *it;
        rows.push_back({std::stoi(m[1]), m[2], std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6]),
                        std::stoi(m[7]), std::stod(m[8]), std::stod(m[9]), std::stod(m[10]), std::stod(m[11])});
    }
    return rows;
}

} // namespace

TEST(ToolBalance, PlaysEveryDeathMatchAndMissionOfTheDataPack)
{
    if (!fs::exists(GeneratedGameFolder() / "BAZE"))
    {
        GTEST_SKIP() << "no generated game folder in this build";
    }
    const DataFiles files(GeneratedGameFolder(), GeneratedGameFolder());
    std::vector<std::pair<int, std::string>> expected;
    const std::vector<ScenarioRec> records = ReadScenarioDatabase(files, 2);
    for (std::size_t i = 0; i < records.size(); ++i)
    {
        if (records[i].Kind == ModeDeathMatch || records[i].Kind == ModeMission)
        {
            expected.emplace_back(static_cast<int>(i + 1), records[i].Title.Str());
        }
    }
    ASSERT_FALSE(expected.empty());

    test::TempDir dir;
    const ToolRun run = RunTool(dir, "balance --seeds 1 --turns 2 --json --base " + GeneratedGameFolder().string());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<PrintedRow> rows = RowsOf(run.out);
    ASSERT_EQ(rows.size(), expected.size()) << run.out.substr(0, 2000);
    bool anyLoss = false;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        const PrintedRow& row = rows[i];
        SCOPED_TRACE(row.title);
        EXPECT_EQ(row.slot, expected[i].first);
        EXPECT_EQ(row.title, expected[i].second);
        EXPECT_TRUE(row.mode == ModeDeathMatch || row.mode == ModeMission);
        EXPECT_EQ(row.games, 1);
        EXPECT_EQ(row.wins + row.defeats + row.others, 1);
        // Two turns at most; a game lost or won in its first turn still plays that turn.
        EXPECT_GE(row.turns, 1);
        EXPECT_LE(row.turns, 2);
        EXPECT_GE(row.playerLosses, 0);
        EXPECT_GE(row.enemyLosses, 0);
        EXPECT_GE(row.milliseconds, 0);
        EXPECT_LT(row.milliseconds, 60000);
        anyLoss = anyLoss || row.playerLosses > 0 || row.enemyLosses > 0;
    }
    EXPECT_TRUE(anyLoss) << "in two turns of every scenario someone sinks something";
}

TEST(ToolBalance, BadArgumentsAreRefused)
{
    test::TempDir dir;
    const std::string base = " --base " + GeneratedGameFolder().string();
    for (const std::string& args : {"balance" + base, "balance --seeds 0" + base, "balance --seeds x" + base,
                                   "balance --seeds 1 --turns 0" + base, "balance --seeds 1 --slot 3" + base,
                                   "balance 4 --seeds 1" + base, std::string("balance --seeds 1 --base /no/such")})
    {
        const ToolRun run = RunTool(dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(Contains(run.err, "olvane-tool: ")) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
}

} // namespace olvane
