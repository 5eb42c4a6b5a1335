#include "turn/game_flow.h"

#include "ai/opponent.h"
#include "ai/opponent_fixture.h"
#include "ai/opponent_groups.h"
#include "state/save_file.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using test::ForcesLine;
using test::MakeScenario;
using test::MapBuilder;
using test::TestGame;

/// A game folder with a free hunt, a conquest mission, a campaign of the mission and a second
/// free hunt, on one 48 × 48 map with a major port of each side and the home zones of both.
class GameFlowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MapBuilder map(48, 48);
        map.LandBlock(20, 20, 26, 24).LandBlock(2, 40, 6, 46).Port(1, 7, 42).LandBlock(40, 40, 46, 46);
        map.Port(2, 39, 42);
        map.Zone(1, 0, 2, 2, {5}, 1)
            .Zone(2, 4, 40, 30, {5, 6}, 2)
            .Zone(5, 12, 4, 12, {6})
            .Zone(6, 12, 28, 4, {5});
        game.dir.Write("game/" + MapFileName(1), map.Text());

        ScenarioRec hunt = MakeScenario(40);
        hunt.Kind = ModeDeathMatch;
        hunt.Title.Set("FREE HUNT OF THE NORTHERN SEAS");
        ScenarioRec conquest = MakeScenario(50);
        conquest.Slot = 2;
        conquest.Title.Set("CONQUEST");
        conquest.StartPoints = 320;
        conquest.SideSettings[0] = {1, 10, 12, 14, 0, 0, 0, 0, 0, 0, 0};
        conquest.PortDefence = 200;
        conquest.PortDefenceKinds = 2;
        ScenarioRec campaign = MakeScenario(60, 3, 0);
        campaign.Slot = 3;
        campaign.Kind = ModeCampaign;
        campaign.Title.Set("ROYAL NAVY CAMPAIGN ONE");
        campaign.MapNumber = 0;
        campaign.CampaignSteps[0] = 50;
        campaign.CampaignSteps[1] = 40;
        ScenarioRec secondHunt = MakeScenario(70);
        secondHunt.Slot = 4;
        secondHunt.Kind = ModeDeathMatch;
        test::WriteScenarioFile(game, {hunt, conquest, campaign, secondHunt});
        test::WriteForces(game, ForcesLine(40, {{43, 2, 0, 0}}) + ForcesLine(41, {{43, 2, 0, 0}}) +
                                    ForcesLine(50, {{43, 2, 53, 1}, {20, 2, 0, 0}}) +
                                    ForcesLine(51, {{43, 2, 0, 0}, {46, 1, 0, 0}, {20, 3, 0, 0}}));
    }

    GameState& state() { return game.state(); }

    /// The mission of slot 2 chosen from the menu, as the selection screen leaves it.
    void ChooseConquest()
    {
        StartNewGame(state(), ModeMission);
        OpenDifficulty(state());
        const std::vector<SelectionRow> rows = BuildSelectionList(*game);
        ASSERT_EQ(rows.size(), 1u);
        ASSERT_TRUE(SelectRow(*game, rows[0]));
    }

    TestGame game;
};

TEST_F(GameFlowTest, MenuStartsAFreshGameOfTheChosenMode)
{
    // A finished game lies in the state: turn 12, started, a scenario number, a score.
    state().TurnNumber = 12;
    state().Flow.Started = 1;
    state().Flow.Quit = 1;
    state().ScenarioNumber = 7;
    state().MissionScore = 40;
    state().Unit(PlayerBaseId + 1).X = 5;

    // A death match starts at the list's first row with nothing of the old game left.
    StartNewGame(state(), ModeDeathMatch);
    EXPECT_EQ(state().GameMode, ModeDeathMatch);
    EXPECT_EQ(state().ScenarioNumber, 1);
    EXPECT_EQ(state().TurnNumber, 0);
    EXPECT_EQ(state().Flow.Started, 0);
    EXPECT_EQ(state().Flow.Quit, 0);
    EXPECT_EQ(state().Flow.Curtain, 1);
    EXPECT_EQ(state().MissionScore, 0);
    EXPECT_EQ(state().Unit(PlayerBaseId + 1).X, 0) << "the old game's units are gone";

    // The campaign's step decides the scenario; its record starts afresh.
    state().ScenarioNumber = 7;
    state().Campaign.Score = 99;
    StartNewGame(state(), ModeCampaign);
    EXPECT_EQ(state().GameMode, ModeCampaign);
    EXPECT_EQ(state().ScenarioNumber, 7);
    EXPECT_EQ(state().Campaign.Score, 0);

    // The difficulty screen opens at CAPTAIN; only the three ranks are taken.
    state().Rank = RankAdmiral;
    OpenDifficulty(state());
    EXPECT_EQ(state().Rank, RankCaptain);
    ChooseRank(state(), 1);
    EXPECT_EQ(state().Rank, RankCadet);
    ChooseRank(state(), 4);
    ChooseRank(state(), 0);
    EXPECT_EQ(state().Rank, RankCadet);
}

TEST_F(GameFlowTest, SelectionListHoldsOnlyTheModesRecordsInFileOrder)
{
    state().GameMode = ModeDeathMatch;
    std::vector<SelectionRow> rows = BuildSelectionList(*game);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Slot, 1);
    EXPECT_EQ(rows[1].Slot, 4);
    EXPECT_EQ(rows[0].Name, "FREE HUNT OF THE NO") << "names are cut to 19 characters";

    state().GameMode = ModeCampaign;
    rows = BuildSelectionList(*game);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Slot, 3);
    EXPECT_EQ(rows[0].FirstStep, 50);

    // A folder without a database lists nothing rather than failing.
    game.dir.Write("game/BAZE/SCEN/SCENARIO2.FLS", "");
    EXPECT_TRUE(BuildSelectionList(*game).empty());
}

TEST_F(GameFlowTest, ChoosingARowLoadsTheRecordBeforeItsMap)
{
    ChooseConquest();
    EXPECT_EQ(state().ScenarioNumber, 2);
    EXPECT_EQ(state().CampaignStep, 50);
    EXPECT_EQ(state().ProductionPoints, 320);
    EXPECT_EQ(state().SideStats(SidePlayer)[GoalTypeByte], 1);
    EXPECT_EQ(state().MapWidth, 48);
    // The conquest's goal makes the map's major ports major: the record was there first.
    EXPECT_EQ(state().MapGrid(7, 42), CodePlayerMajorPort);
    EXPECT_EQ(state().MapGrid(39, 42), CodeEnemyMajorPort);
    EXPECT_EQ(state().PlayerShipCount, 0) << "the forces wait for the briefing";

    // A campaign row takes its first step and nation and opens a campaign record.
    StartNewGame(state(), ModeCampaign);
    OpenSelection(state());
    EXPECT_EQ(state().PlayerNation, NationUnitedStates);
    EXPECT_EQ(state().EnemyNation, NationThirdReich);
    const std::vector<SelectionRow> rows = BuildSelectionList(*game);
    ASSERT_TRUE(SelectRow(*game, rows[0]));
    EXPECT_EQ(state().CampaignStep, 50);
    EXPECT_EQ(state().PlayerNation, NationGreatBritain);
    EXPECT_EQ(state().Campaign.Number, 60);
    EXPECT_EQ(state().Campaign.Name.Str(), "ROYAL NAVY CAMP");
    EXPECT_EQ(state().Campaign.MissionCounter, 1);

    // A row whose record the file does not hold is refused with the loader's message.
    state().GameMode = ModeMission;
    SelectionRow missing = rows[0];
    missing.Slot = 9;
    EXPECT_FALSE(SelectRow(*game, missing));
}

TEST_F(GameFlowTest, BackToMenuAbandonsTheNewGame)
{
    ChooseConquest();
    BackToMenu(state());
    EXPECT_EQ(state().Flow.Curtain, 0);
    EXPECT_EQ(state().ScenarioNumber, 0);
    EXPECT_EQ(state().MapGrid(7, 42), 0) << "the chosen map is cleared";
}

TEST_F(GameFlowTest, BriefingStartsANewMissionOnce)
{
    ChooseConquest();
    state().MissionScore = 33;
    ASSERT_EQ(ActivateBriefing(*game), BriefingStart::Started);
    EXPECT_EQ(state().Flow.Started, 1);
    EXPECT_EQ(state().MissionScore, 0);
    EXPECT_EQ(state().PlayerShipCount, 5);
    EXPECT_EQ(test::UnitsOnMap(state(), SidePlayer), 5);
    const int enemies = state().EnemyShipCount;
    EXPECT_GT(enemies, 6) << "the enemy's major port got its shore defences";

    // Opened again before the first turn, or from the headquarters later: nothing starts again.
    state().MissionScore = 8;
    EXPECT_EQ(ActivateBriefing(*game), BriefingStart::LabelsOnly);
    EXPECT_EQ(state().EnemyShipCount, enemies);
    EXPECT_EQ(state().MissionScore, 8);
    state().TurnNumber = 5;
    state().Flow.Started = 0;
    state().Flow.Quit = 1;
    EXPECT_EQ(ActivateBriefing(*game), BriefingStart::LabelsOnly);
    EXPECT_EQ(state().EnemyShipCount, enemies);
    EXPECT_EQ(state().Flow.Quit, 0);

    // A loaded game is never started, even on a save whose turn reads 0.
    state().TurnNumber = 0;
    state().Flow.JustLoaded = 1;
    EXPECT_EQ(ActivateBriefing(*game), BriefingStart::LabelsOnly);
    EXPECT_EQ(state().EnemyShipCount, enemies);
}

TEST_F(GameFlowTest, AMissionThatCannotBeLoadedGoesBackToTheMenu)
{
    // The campaign's first step names a scenario the file lacks.
    StartNewGame(state(), ModeCampaign);
    std::vector<SelectionRow> rows = BuildSelectionList(*game);
    rows[0].Slot = 3;
    ASSERT_TRUE(SelectRow(*game, rows[0]));
    state().CampaignStep = 999;
    EXPECT_EQ(ActivateBriefing(*game), BriefingStart::Failed);
    EXPECT_FALSE(game.presenter.errors.empty());
    EXPECT_EQ(state().Flow.Curtain, 0);
    EXPECT_EQ(state().Flow.Started, 0);
    EXPECT_EQ(state().PlayerShipCount, 0);
}

TEST_F(GameFlowTest, LeavingTheBriefing)
{
    ChooseConquest();
    ASSERT_EQ(ActivateBriefing(*game), BriefingStart::Started);

    // Before the first turn: a picture number 1..10, the picture and then the main window.
    for (int i = 0; i < 20; ++i)
    {
        const BriefingExit exit = LeaveBriefing(*game);
        EXPECT_TRUE(exit.showPicture);
        EXPECT_TRUE(exit.showMainWindow);
        EXPECT_GE(state().Flow.MissionPicture, 1);
        EXPECT_LE(state().Flow.MissionPicture, 10);
    }

    // Opened from the headquarters: back where it came from.
    state().TurnNumber = 4;
    BriefingExit exit = LeaveBriefing(*game);
    EXPECT_FALSE(exit.showPicture);
    EXPECT_FALSE(exit.showMainWindow);

    // After a load: into the loaded game, once.
    state().Flow.JustLoaded = 1;
    exit = LeaveBriefing(*game);
    EXPECT_FALSE(exit.showPicture);
    EXPECT_TRUE(exit.showMainWindow);
    EXPECT_EQ(state().Flow.JustLoaded, 0);
}

TEST_F(GameFlowTest, LoadGameTakesOverOnlyAWholeSave)
{
    ChooseConquest();
    ASSERT_EQ(ActivateBriefing(*game), BriefingStart::Started);
    state().TurnNumber = 6;
    // Group 1's first ship patrols sector 2 of zone 5; group 2's names no zone of the map.
    const std::vector<int> first = ActiveMembers(state(), 1);
    const std::vector<int> second = ActiveMembers(state(), 2);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    state().Unit(first.front()).AIWork1 = 5;
    state().Unit(first.front()).AIWork2 = 2;
    state().Unit(second.front()).AIWork1 = 0;
    state().Unit(second.front()).AIWork2 = 3;
    state().TechBonus(SidePlayer, 4).Armor = 2;
    const std::filesystem::path save = game.dir.Path() / "user" / "conquest.sav";
    ASSERT_TRUE(SaveGame(*game, save));
    const int enemies = state().EnemyShipCount;

    // Another game is under way when the player loads.
    StartNewGame(state(), ModeDeathMatch);
    state().TurnNumber = 9;
    state().Flow.Quit = 1;
    state().Unit(PlayerBaseId + 40).Active = 1;

    ASSERT_TRUE(LoadSavedGame(*game, save));
    EXPECT_EQ(state().GameMode, ModeMission);
    EXPECT_EQ(state().TurnNumber, 6);
    EXPECT_EQ(state().Flow.JustLoaded, 1);
    EXPECT_EQ(state().Flow.Started, 1);
    EXPECT_EQ(state().Flow.Quit, 0);
    EXPECT_EQ(state().Unit(PlayerBaseId + 40).Active, 0) << "the load starts from a fresh state";
    EXPECT_EQ(state().AIGroup(1).Zone, 5);
    EXPECT_EQ(state().AIGroup(1).Sector, 2);
    EXPECT_EQ(state().AIGroup(2).Zone, 2) << "the computer's home zone";
    EXPECT_EQ(state().AIGroup(2).Sector, 0);
    // The sector table the main window lays out again keeps group 1's lane its own.
    BuildZoneSectors(state());
    ASSERT_GE(state().AIZone(5).SectorCount, 2);
    EXPECT_EQ(state().AIZone(5).Sectors[1].Owner, 1);
    EXPECT_EQ(state().AIZone(5).Sectors[0].Owner, 0);

    // The briefing after the load starts nothing: no second set of defences, no tech reset.
    EXPECT_EQ(ActivateBriefing(*game), BriefingStart::LabelsOnly);
    EXPECT_EQ(state().EnemyShipCount, enemies);
    EXPECT_EQ(state().TechBonus(SidePlayer, 4).Armor, 2);

    // A damaged file, or one that is not there, changes nothing.
    const GameState before = state();
    const auto damaged = game.dir.Write("user/damaged.sav", std::string(100, 'x'));
    EXPECT_FALSE(LoadSavedGame(*game, damaged));
    EXPECT_FALSE(LoadSavedGame(*game, game.dir.Path() / "user" / "none.sav"));
    EXPECT_TRUE(state() == before);
}

TEST_F(GameFlowTest, MissionPictureCodesAreShortNamesOnly)
{
    game.dir.Write("game/BAZE/TXT/MISSIONPIC.TXT",
                   "10 M01\n11 ../x\n12 ABCDE\n13 A_B\n14 k9\nbad line\n15\n16 M03 extra\n");
    EXPECT_EQ(MissionPictureCode(game.files, 10), "M01");
    EXPECT_EQ(MissionPictureCode(game.files, 14), "k9");
    EXPECT_EQ(MissionPictureCode(game.files, 16), "M03");
    for (int step : {11, 12, 13, 15, 17})
    {
        EXPECT_EQ(MissionPictureCode(game.files, step), "") << step;
    }
}

TEST_F(GameFlowTest, TextsOfTheChain)
{
    state().CurrentScenario.Title.Set("CORAL SEA");
    state().GameMode = ModeDeathMatch;
    EXPECT_EQ(MissionPictureTitle(state()), "DEATH-MATCH: CORAL SEA");
    state().GameMode = ModeMission;
    EXPECT_EQ(MissionPictureTitle(state()), "MISSION: CORAL SEA");
    state().GameMode = ModeCampaign;
    EXPECT_EQ(MissionPictureTitle(state()), "CAMPAIGN MISSION: CORAL SEA");

    EXPECT_EQ(SelectionHeading(ModeDeathMatch), "SELECT DEATH MATCH:");
    EXPECT_EQ(SelectionHeading(ModeMission), "SELECT MISSION:");
    EXPECT_EQ(SelectionHeading(ModeCampaign), "SELECT CAMPAIGN:");

    EXPECT_EQ(SideTextFile(2), "BAZE/TXT/ger.TXT");
    EXPECT_EQ(SideTextFile(4), "BAZE/TXT/JAP.TXT");
    EXPECT_EQ(SideTextFile(5), "");
    EXPECT_EQ(RankName(3), "ADMIRAL");
    EXPECT_EQ(RankName(0), "");
}

} // namespace
} // namespace olvane
