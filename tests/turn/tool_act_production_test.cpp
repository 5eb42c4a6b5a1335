// olvane-tool act with the production and technology commands, run as a tester would run it over
// the game folder this build generated.

#include "state/data_files.h"
#include "state/scenario.h"
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

/// The text of a top-level part of the JSON, from its key to the next top-level key.
std::string Part(const std::string& json, std::string_view key)
{
    const std::size_t at = json.find("\n  \"" + std::string(key) + "\"");
    if (at == std::string::npos)
    {
        return {};
    }
    const std::size_t end = json.find("\n  \"", at + 1);
    return json.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

long long NumberAt(const std::string& json, std::string_view key)
{
    const std::string quoted = "\"" + std::string(key) + "\": ";
    const std::size_t at = json.find(quoted);
    return at == std::string::npos ? -1 : std::atoll(json.c_str() + at + quoted.size());
}

/// Blanks and line breaks taken out, so a JSON object reads on one line.
std::string Squeezed(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

class ToolActProduction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!fs::exists(GeneratedGameFolder() / "BAZE"))
        {
            GTEST_SKIP() << "no generated game folder in this build";
        }
        const DataFiles files(GeneratedGameFolder(), GeneratedGameFolder());
        for (const ScenarioRec& rec : ReadScenarioDatabase(files, 2))
        {
            if (rec.Title.Str() == "DEVIL ISLAND" && rec.Kind == ModeMission)
            {
                slot = "--slot " + std::to_string(rec.Slot) + " --seed 4 ";
            }
        }
        ASSERT_FALSE(slot.empty());
    }

    ToolRun Act(const std::string& actions)
    {
        return RunTool(dir, "act --base " + GeneratedGameFolder().string() + " --user-dir " +
                                (dir.Path() / "user").string() + " " + slot + actions);
    }

    test::TempDir dir;
    std::string slot;
};

TEST_F(ToolActProduction, BuyAndRemoveFillTheListThatFinishTurnsIntoUnits)
{
    const ToolRun start = Act("");
    const long long points = NumberAt(start.out, "ProductionPoints");
    const long long ships = NumberAt(start.out, "PlayerShipCount");
    ASSERT_GT(points, 0);

    const ToolRun listed = Act("buy:43 buy:43 remove:43 buy:80");
    ASSERT_EQ(listed.status, 0) << listed.out;
    const std::string purchase = Squeezed(Part(listed.out, "Purchase"));
    EXPECT_TRUE(Contains(purchase, "{\"Row\":6,\"Class\":43,\"Count\":1}")) << purchase;
    EXPECT_TRUE(Contains(purchase, "{\"Row\":27,\"Class\":80,\"Count\":1}")) << purchase;
    EXPECT_TRUE(Contains(purchase, "\"DeploymentPending\":false"));

    const ToolRun finished = Act("buy:43 buy:80 finish");
    ASSERT_EQ(finished.status, 0) << finished.out;
    EXPECT_EQ(NumberAt(finished.out, "PlayerShipCount"), ships + 2);
    EXPECT_TRUE(Contains(Squeezed(Part(finished.out, "Purchase")), "\"Rows\":[],\"DeploymentPending\":true"));

    // Refusals name their message and change nothing: restriction 1 refuses every unit.
    const ToolRun refused = Act("restriction:1 buy:43 remove:43");
    EXPECT_EQ(refused.status, 0);
    EXPECT_TRUE(Contains(Squeezed(Part(refused.out, "Messages")), "[251]"));
    EXPECT_EQ(NumberAt(refused.out, "ProductionPoints"), points);
}

TEST_F(ToolActProduction, TechnologyMarksAreBoughtInTurn)
{
    const ToolRun run = Act("tech:4:1:2 tech:4:1:1 tech:4:1:1 restriction:12 tech:4:1:2");
    EXPECT_EQ(run.status, 1);
    const std::string errors = Part(run.out, "Errors");
    EXPECT_TRUE(Contains(errors, "You should have Extended Armor 1 first.")) << errors;
    EXPECT_TRUE(Contains(errors, "You already have this technology"));
    EXPECT_TRUE(Contains(Squeezed(Part(run.out, "Messages")), "[252]"));
    const std::string tech = Squeezed(Part(run.out, "Technology"));
    EXPECT_TRUE(Contains(tech, "{\"Category\":4,\"Attribute\":1,\"Mark\":1,\"Price\":50,\"State\":1}"))
        << tech;
    EXPECT_TRUE(Contains(tech, "{\"Category\":4,\"Attribute\":1,\"Mark\":2,\"Price\":60,\"State\":0}"));
    EXPECT_EQ(std::count(tech.begin(), tech.end(), '{'), 73);
}

TEST_F(ToolActProduction, MisspeltCommandsRunNothing)
{
    for (const char* bad :
         {"buy:2", "buy:x", "remove:", "tech:4:1", "tech:1:2:2", "tech:4:5:1", "restriction:"})
    {
        const ToolRun run = Act(bad);
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
    }
}

} // namespace

} // namespace olvane
