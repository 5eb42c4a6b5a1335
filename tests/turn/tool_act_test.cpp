// olvane-tool act, run as a tester would run it, over the game folder this build generated: the
// end of a mission, the hall of fame in a user folder of the test's own, a campaign going on, and
// the production and technology commands. The rules behind each command have their own tests;
// these prove the command line reaches them and the JSON shows what they did.

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

/// The number after the first "key": at or after `from`; -1 when there is none.
long long NumberAt(const std::string& json, std::string_view key, std::size_t from = 0)
{
    const std::string quoted = "\"" + std::string(key) + "\": ";
    const std::size_t at = json.find(quoted, from);
    return at == std::string::npos ? -1 : std::atoll(json.c_str() + at + quoted.size());
}

/// The text of one score table record: table `mode`, place `place` (1..15).
std::string TableRecord(const std::string& json, int mode, int place)
{
    std::size_t at = json.find("\"ScoreTables\"");
    at = json.find("\"" + std::to_string(mode) + "\": [", at);
    for (int i = 0; i < place && at != std::string::npos; ++i)
    {
        at = json.find('{', at + 1);
    }
    return at == std::string::npos ? std::string() : json.substr(at, json.find('}', at) - at);
}

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

/// Blanks and line breaks taken out, so a JSON object reads on one line.
std::string Squeezed(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

/// The state part that every command prints alike, from the game mode to the message codes.
std::string StateFields(const std::string& json)
{
    const std::size_t from = json.find("\"GameMode\"");
    const std::size_t to = json.find("\"Messages\"");
    return from == std::string::npos || to == std::string::npos ? std::string()
                                                                : json.substr(from, to - from);
}

int SlotOf(std::string_view title, int kind)
{
    const DataFiles files(GeneratedGameFolder(), GeneratedGameFolder());
    for (const ScenarioRec& rec : ReadScenarioDatabase(files, 2))
    {
        if (rec.Title.Str() == title && rec.Kind == kind)
        {
            return rec.Slot;
        }
    }
    return 0;
}

class ToolAct : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!fs::exists(GeneratedGameFolder() / "BAZE"))
        {
            GTEST_SKIP() << "no generated game folder in this build";
        }
        hawaii = SlotOf("HAWAII ATTACK", ModeMission);
        ASSERT_NE(hawaii, 0);
    }

    ToolRun Act(const std::string& args)
    {
        return RunTool(dir,
                       "act --base " + GeneratedGameFolder().string() + " --user-dir " + user.string() + " " + args);
    }

    test::TempDir dir;
    fs::path user = dir.Path() / "user" / "olvane";
    int hawaii = 0;
};

} // namespace

TEST_F(ToolAct, AMissionScoreEntersTheTableOfItsMode)
{
    const std::string slot = "--slot " + std::to_string(hawaii) + " --seed 4 ";
    const ToolRun won = Act(slot + "end:2 name:Yamamoto");
    ASSERT_EQ(won.status, 0) << won.out;
    EXPECT_TRUE(Contains(won.out, "\"Title\": \"VICTORY\""));
    EXPECT_TRUE(Contains(won.out, "\"Errors\": []"));
    const long long score = NumberAt(won.out, "MissionScore");
    ASSERT_GT(score, 0);
    const std::string first = TableRecord(won.out, ModeMission, 1);
    EXPECT_TRUE(Contains(first, "\"Name\": \"Yamamoto\"")) << first;
    EXPECT_TRUE(Contains(first, "\"Title\": \"HAWAII ATTACK\""));
    EXPECT_EQ(NumberAt(first, "Nation"), NationJapan);
    EXPECT_EQ(NumberAt(first, "Number"), 37);
    EXPECT_EQ(NumberAt(first, "Mode"), ModeMission);
    EXPECT_EQ(NumberAt(first, "Score"), score);
    EXPECT_EQ(NumberAt(first, "Victories"), 1);
    EXPECT_EQ(NumberAt(first, "Major") + NumberAt(first, "Minor"), 0);
    const std::size_t view = won.out.find("\"EndOfGame\"");
    EXPECT_EQ(NumberAt(first, "Rank"), NumberAt(won.out, "RankIndex", view));
    const std::size_t title = won.out.find("\"RankTitle\": \"", view);
    ASSERT_NE(title, std::string::npos);
    EXPECT_NE(won.out[title + 14], '"') << "Japan's rank file names the rank";
    EXPECT_EQ(ReadWholeFile(user / "SK2.OBJ")->size(), 810u);
    EXPECT_FALSE(fs::exists(user / "SK1.OBJ")) << "only the mode's table is written";
    EXPECT_TRUE(TableRecord(won.out, ModeDeathMatch, 1).find("\"Mode\": 0") != std::string::npos);

    // A defeat earns no place; a name too long is refused and the next one taken.
    const ToolRun lost = Act(slot + "end:0 name:Loser");
    EXPECT_EQ(lost.status, 1);
    EXPECT_TRUE(Contains(lost.out, "\"Title\": \"DEFEAT\""));
    EXPECT_TRUE(Contains(lost.out, "\"QualifiesAt\": 0"));
    EXPECT_TRUE(Contains(lost.out, "\"THE SCORE EARNS NO PLACE IN THE SCORE TABLE\""));
    const ToolRun major = Act(slot + "end:3 name:Sixteen_letters_ name:Kurita");
    EXPECT_EQ(major.status, 1);
    EXPECT_TRUE(Contains(major.out, "\"Errors\": [\n    \"Maximum 15 characters\"\n  ]"));
    EXPECT_TRUE(Contains(TableRecord(major.out, ModeMission, 1), "\"Name\": \"Kurita\""));
    EXPECT_TRUE(Contains(TableRecord(major.out, ModeMission, 2), "\"Name\": \"Yamamoto\""));
    EXPECT_FALSE(Contains(major.out, "\"Loser\""));

    // CLEAR TABLE empties the mode's table and leaves the others.
    ASSERT_EQ(Act(slot + "end:2 name:Spruance clear:2").status, 0);
    EXPECT_EQ(ReadWholeFile(user / "SK2.OBJ"), std::string(810, '\0'));
    EXPECT_FALSE(fs::exists(user / "SK1.OBJ"));
}

TEST_F(ToolAct, CommandsOutOfTurnAreRefusedAndTheRestRuns)
{
    const std::string slot = "--slot " + std::to_string(hawaii) + " --seed 4 ";
    const ToolRun early = Act(slot + "name:Late name:Early end:100 end:2 finish");
    EXPECT_EQ(early.status, 1);
    const std::size_t errors = early.out.find("\"Errors\"");
    const std::size_t notEnded = early.out.find("\"THE MISSION HAS NOT ENDED\"", errors);
    ASSERT_NE(notEnded, std::string::npos);
    EXPECT_NE(early.out.find("\"THE MISSION HAS NOT ENDED\"", notEnded + 1), std::string::npos);
    EXPECT_TRUE(Contains(early.out, "\"THE MISSION HAS ALREADY ENDED\""));
    // The quit stood, and finishing a single mission clears the game for the menu.
    EXPECT_TRUE(Contains(early.out, "\"GameMode\": 2"));
    EXPECT_TRUE(Contains(early.out, "\"PlayerNation\": 0"));
    EXPECT_TRUE(Contains(early.out, "\"ProductionPoints\": 0"));
    EXPECT_TRUE(Contains(early.out, "\"MissionScore\": 0"));
    EXPECT_FALSE(fs::exists(user / "SK2.OBJ"));

    for (const std::string& bad :
         {slot + "end:7", slot + "end:x", slot + "fly", slot + "turn:-1", slot + "save:", slot + "finish:now",
          slot + "clear:4", slot + "clear:", slot + "name", std::string("--seed 4 end:1"),
          slot + "--load x.sav end:1", std::string("--load x.sav --mode 2 end:1"), slot + "buy:2",
          slot + "buy:x", slot + "remove:", slot + "tech:4:1", slot + "tech:1:2:2", slot + "tech:4:5:1",
          slot + "restriction:"})
    {
        const ToolRun run = Act(bad);
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
    }
    const ToolRun noUser = RunTool(dir, "act --base " + GeneratedGameFolder().string() + " " + slot + "end:1");
    EXPECT_EQ(noUser.status, 2) << "the user folder is never guessed";
}

TEST_F(ToolAct, TurnsPlayAsTheSimulationPlaysThem)
{
    const ToolRun act = Act("--slot " + std::to_string(hawaii) + " --seed 21 turn:2 turn:1");
    const ToolRun simulated = RunTool(dir, "simulate --json --slot " + std::to_string(hawaii) +
                                               " --turns 3 --seed 21 --base " + GeneratedGameFolder().string());
    ASSERT_EQ(act.status, 0);
    ASSERT_FALSE(StateFields(act.out).empty());
    EXPECT_EQ(StateFields(act.out), StateFields(simulated.out));
    EXPECT_GT(NumberAt(act.out, "TurnNumber"), 0);
}

TEST_F(ToolAct, ACampaignGoesOnToItsNextMissionAndEndsWhenLost)
{
    const int header = SlotOf("KRIEGSMARINE", ModeCampaign);
    ASSERT_NE(header, 0);
    const std::string save = (dir.Path() / "second.sav").string();
    const ToolRun won =
        Act("--slot " + std::to_string(header) + " --mode 3 --seed 5 end:3 finish save:" + save);
    ASSERT_EQ(won.status, 0) << won.out.substr(won.out.find("\"Errors\""));
    EXPECT_TRUE(Contains(won.out, "\"Messages\": [\n    55\n  ]"));
    EXPECT_EQ(NumberAt(won.out, "GameMode"), ModeCampaign);
    EXPECT_EQ(NumberAt(won.out, "CampaignStep"), 425);
    EXPECT_EQ(NumberAt(won.out, "MissionCounter"), 2);
    EXPECT_GT(NumberAt(won.out, "PlayerShipCount"), 0) << "the briefing started the next mission";
    EXPECT_TRUE(Contains(won.out, "\"Title\": \"SKAGERRAK\""));
    const std::size_t campaign = won.out.find("\"Campaign\"");
    EXPECT_EQ(NumberAt(won.out, "Number", campaign), 254);
    EXPECT_GT(NumberAt(won.out, "Score", campaign), 0);
    EXPECT_TRUE(Contains(won.out.substr(campaign), "\"Entries\": [\n      [\n        3,"));

    // Lost in its second mission: the campaign is over and ends as a single mission would.
    const ToolRun lost = Act("--load " + save + " --seed 5 end:0");
    ASSERT_EQ(lost.status, 0);
    EXPECT_TRUE(Contains(lost.out, "\"CampaignOver\": true"));
    const ToolRun finished = Act("--load " + save + " --seed 5 end:0 finish");
    EXPECT_EQ(NumberAt(finished.out, "GameMode"), ModeMission);
    EXPECT_EQ(NumberAt(finished.out, "Number", finished.out.find("\"Campaign\"")), 0);
    EXPECT_FALSE(fs::exists(user / "SK3.OBJ"));
}

TEST_F(ToolAct, BuyAndRemoveFillTheListThatFinishTurnsIntoUnits)
{
    const std::string slot = "--slot " + std::to_string(SlotOf("DEVIL ISLAND", ModeMission)) + " --seed 4 ";
    const ToolRun start = Act(slot);
    const long long points = NumberAt(start.out, "ProductionPoints");
    const long long ships = NumberAt(start.out, "PlayerShipCount");
    ASSERT_GT(points, 0);

    const ToolRun listed = Act(slot + "buy:43 buy:43 remove:43 buy:80");
    ASSERT_EQ(listed.status, 0) << listed.out;
    const std::string purchase = Squeezed(Part(listed.out, "Purchase"));
    EXPECT_TRUE(Contains(purchase, "{\"Row\":6,\"Class\":43,\"Count\":1}")) << purchase;
    EXPECT_TRUE(Contains(purchase, "{\"Row\":27,\"Class\":80,\"Count\":1}")) << purchase;
    EXPECT_TRUE(Contains(purchase, "\"DeploymentPending\":false"));

    const ToolRun finished = Act(slot + "buy:43 buy:80 finish");
    ASSERT_EQ(finished.status, 0) << finished.out;
    EXPECT_EQ(NumberAt(finished.out, "PlayerShipCount"), ships + 2);
    EXPECT_TRUE(Contains(Squeezed(Part(finished.out, "Purchase")), "\"Rows\":[],\"DeploymentPending\":true"));

    // restriction:N reaches the checks: restriction 1 refuses every unit.
    const ToolRun refused = Act(slot + "restriction:1 buy:43 remove:43");
    EXPECT_EQ(refused.status, 0);
    EXPECT_TRUE(Contains(Squeezed(Part(refused.out, "Messages")), "[251]"));
    EXPECT_EQ(NumberAt(refused.out, "ProductionPoints"), points);
}

TEST_F(ToolAct, TechnologyMarksAreBoughtInTurn)
{
    const ToolRun run = Act("--slot " + std::to_string(SlotOf("DEVIL ISLAND", ModeMission)) +
                            " --seed 4 tech:4:1:2 tech:4:1:1 tech:4:1:1 restriction:12 tech:4:1:2");
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

} // namespace olvane
