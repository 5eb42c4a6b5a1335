#include "state/scenario.h"
#include "state/scenario_record.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace olvane
{

namespace
{

using test::TestGame;

ScenarioRec Record(int slot, int id, std::string_view title)
{
    ScenarioRec rec;
    rec.Slot = static_cast<std::uint16_t>(slot);
    rec.ScenarioId = static_cast<std::uint16_t>(id);
    rec.Kind = 2;
    rec.Title.Set(title);
    rec.SideSettings[0] = {2, 11, 13, 16, 0, 0, 0, 0, 0, 0, 10};
    rec.SideSettings[1] = {1, 5, 6, 7, 0, 0, 0, 0, 0, 0, 20};
    return rec;
}

std::string FileOf(const std::vector<ScenarioRec>& records)
{
    std::string bytes;
    for (const ScenarioRec& rec : records)
    {
        const ScenarioBytes encoded = EncodeScenario(rec);
        bytes.append(encoded.begin(), encoded.end());
    }
    return bytes;
}

void WriteDatabase(TestGame& game, const std::string& bytes)
{
    game.dir.Write("game/BAZE/SCEN/SCENARIO2.FLS", bytes);
}

} // namespace

TEST(Scenario, LoadsTheSlotsRecordAndCopiesWhatTheGamePlaysFrom)
{
    TestGame game;
    ScenarioRec coral = Record(3, 72, "CORAL SEA");
    coral.Tag.Set("3");
    coral.PlayerNation = 1;
    coral.EnemyNation = 4;
    coral.CampaignSteps[0] = 150;
    coral.MapNumber = 550;
    coral.MapPicture = 16;
    coral.Word94 = 94;
    coral.Word96 = 96;
    coral.StartPoints = 120;
    coral.PortDefence = 200;
    coral.PortDefenceKinds = 3;
    coral.AttackInterval = 5;
    coral.PurchaseRestriction = 12;
    coral.PortGroupsFlag = 1;
    coral.ShipName1.Set("HMAS PERTH");
    coral.ShipName2.Set("HMAS HOBART");
    coral.NamedShipClass1 = 53;
    coral.DisperseClasses2 = 150;
    coral.Marks[5] = {43, 12, 14};
    coral.MarkFacing = 4;
    coral.Byte185 = 9;
    coral.TechGrants[1][9] = {4, 2, 1};
    WriteDatabase(game, FileOf({Record(1, 37, "HAWAII ATTACK"), Record(2, 140, "DEVIL ISLAND"), coral}));
    game.state().Rank = RankCaptain;

    ASSERT_TRUE(LoadScenario(*game, 3));
    const ScenarioRec& loaded = game.state().CurrentScenario;
    ScenarioRec expected = coral;
    expected.Slot = 0;
    expected.Kind = 0;
    expected.CampaignSteps = {};
    expected.Byte185 = 0;
    expected.SideSettings = {};
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(game.state().SideStats(SidePlayer), coral.SideSettings[0]);
    EXPECT_EQ(game.state().SideStats(SideEnemy), coral.SideSettings[1]);

    ASSERT_TRUE(LoadScenario(*game, 1));
    EXPECT_EQ(game.state().CurrentScenario.Title.Str(), "HAWAII ATTACK") << "slot 1 is the first record";
    EXPECT_TRUE(game.presenter.errors.empty());

    const auto all = ReadScenarioDatabase(game.files, 2);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].ScenarioId, 140);
}

TEST(Scenario, RankEasesOrStiffensThePlayersGoal)
{
    auto adjusted = [](SideStatsRec goal, int rank) {
        AdjustGoalForRank(goal, rank);
        return goal;
    };
    const SideStatsRec defend = {2, 9, 6, 3, 0, 0, 0, 0, 0, 0, 10};
    EXPECT_EQ(adjusted(defend, RankCadet)[10], 13);
    EXPECT_EQ(adjusted(defend, RankAdmiral)[10], 8);
    EXPECT_EQ(adjusted(defend, RankCaptain), defend);
    EXPECT_EQ(adjusted(defend, RankCadet)[1], 9) << "a deadline goal keeps its thresholds";

    SideStatsRec untimed = defend;
    untimed[10] = 0;
    EXPECT_EQ(adjusted(untimed, RankAdmiral)[10], 0);
    EXPECT_EQ(adjusted(untimed, RankCadet)[10], 0) << "a goal without a deadline never gets one";

    for (std::uint8_t type : {1, 5})
    {
        const SideStatsRec byTurns = {type, 11, 13, 16, 0, 0, 0, 0, 0, 0, 10};
        const SideStatsRec cadet = adjusted(byTurns, RankCadet);
        const SideStatsRec admiral = adjusted(byTurns, RankAdmiral);
        EXPECT_EQ(cadet[1], 13);
        EXPECT_EQ(cadet[2], 15);
        EXPECT_EQ(cadet[3], 18);
        EXPECT_EQ(cadet[10], 10);
        EXPECT_EQ(admiral[1], 10);
        EXPECT_EQ(admiral[2], 11);
        EXPECT_EQ(admiral[3], 14);
    }

    // LoadScenario adjusts the player's goal only.
    TestGame game;
    WriteDatabase(game, FileOf({Record(1, 37, "HAWAII ATTACK")}));
    game.state().Rank = RankCadet;
    ASSERT_TRUE(LoadScenario(*game, 1));
    EXPECT_EQ(game.state().SideStats(SidePlayer)[10], 13);
    EXPECT_EQ(game.state().SideStats(SideEnemy)[10], 20);
}

TEST(Scenario, AMissingOrShortFileChangesNothing)
{
    TestGame game;
    GameState& state = game.state();
    state.CurrentScenario.Title.Set("BEFORE");
    state.SideStats(SidePlayer)[0] = 4;
    const ScenarioRec before = state.CurrentScenario;

    EXPECT_FALSE(LoadScenario(*game, 1));
    ASSERT_EQ(game.presenter.errors.size(), 1u);
    EXPECT_EQ(game.presenter.errors[0], "SCENARIO FILE NOT FOUND");

    // Two whole records and the first half of a third.
    std::string bytes = FileOf({Record(1, 37, "A"), Record(2, 140, "B"), Record(3, 72, "C")});
    bytes.resize(2 * ScenarioRecordSize + 100);
    WriteDatabase(game, bytes);
    for (int slot : {0, 3, 4, -1})
    {
        EXPECT_FALSE(LoadScenario(*game, slot)) << slot;
        EXPECT_EQ(game.presenter.errors.back(), "SCENARIO NOT FOUND IN FILE");
    }
    EXPECT_EQ(state.CurrentScenario, before);
    EXPECT_EQ(state.SideStats(SidePlayer)[0], 4);
    EXPECT_EQ(ReadScenarioDatabase(game.files, 2).size(), 2u);
    EXPECT_TRUE(ReadScenarioDatabase(game.files, 3).empty());
}

TEST(Scenario, SlotOfScenarioIdReadsTheRecordsOwnSlot)
{
    TestGame game;
    EXPECT_EQ(SlotOfScenarioId(*game, 72), 0) << "no file";
    WriteDatabase(game, FileOf({Record(1, 37, "A"), Record(7, 72, "B"), Record(3, 72, "C")}));
    EXPECT_EQ(SlotOfScenarioId(*game, 72), 7) << "the first match, by its own slot field";
    EXPECT_EQ(SlotOfScenarioId(*game, 37), 1);
    EXPECT_EQ(SlotOfScenarioId(*game, 999), 0);
    EXPECT_TRUE(game.presenter.errors.empty());
}

} // namespace olvane
