#include "ai/opponent_fixture.h"
#include "state/rank_file.h"
#include "turn/end_of_game.h"

#include <gtest/gtest.h>

namespace olvane
{
namespace
{

using test::MakeScenario;
using test::TestGame;

constexpr int CampaignId = 254;

/// A game folder with a campaign of three steps, its missions and a rank file for nation 2.
class EndOfGameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScenarioRec header = MakeScenario(CampaignId, 2, 3);
        header.Kind = ModeCampaign;
        header.Title.Set("KRIEGSMARINE");
        header.CampaignSteps = {150, 425, 165};
        ScenarioRec first = MakeScenario(150, 2, 3);
        first.Title.Set("KRIEGSMARINE I ");
        ScenarioRec second = MakeScenario(425, 2, 3);
        second.Title.Set("NORWAY CONVOY");
        ScenarioRec third = MakeScenario(165, 2, 3);
        third.Title.Set("SKAGERRAK");
        // A mission whose id is the campaign's number must not be taken for its header.
        ScenarioRec impostor = MakeScenario(CampaignId + 1, 2, 3);
        test::WriteScenarioFile(game, {first, impostor, header, second, third});

        std::string ranks;
        for (int k = 1; k <= RankTitleCount; ++k)
        {
            ranks += std::to_string(k) + " R" + std::to_string(k) + "   Rank number " + std::to_string(k) +
                     "   \r\n";
        }
        game.dir.Write("game/" + RankFileOf(NationThirdReich), "16 KAPT  Kapitän zur See  \n" + ranks);
    }

    /// A campaign of nation 2 in mission `counter`, ended with `result`: a goal without turn
    /// bonus, so the end-of-mission award is the result's alone.
    void PlayCampaignMission(int counter, int result, std::uint16_t score)
    {
        GameState& s = game.state();
        s.GameMode = ModeCampaign;
        s.Rank = RankCaptain;
        s.PlayerNation = NationThirdReich;
        s.Campaign.Number = CampaignId;
        s.Campaign.Name.Set("KRIEGSMARINE");
        s.Campaign.MissionCounter = static_cast<std::uint8_t>(counter);
        s.SideStats(SidePlayer) = {GoalConquerPorts, 60, 60, 60, 0, 0, 0, 0, 0, 0, 0};
        s.TurnNumber = 60;
        s.MissionScore = score;
        s.GameResult = static_cast<std::uint8_t>(result);
        s.GameOver = 1;
        s.EnemyForceValue = 1000;
    }

    TestGame game;
};

TEST(EndOfGameFormulas, TheMissionMaximumCountsEnemyPortsAndForcesOnACopy)
{
    TestGame game;
    GameState& s = game.state();
    EXPECT_EQ(MissionMaximum(s), 550);

    s.Port(1) = PortRec{10, 10, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    s.Port(2) = PortRec{12, 10, SidePlayer, SideEnemy, 0, PortKindOrdinary, 0}; // taken, still counts
    s.Port(3) = PortRec{14, 10, SideEnemy, SideEnemy, 0, PortKindMajor, 0};
    s.Port(4) = PortRec{16, 10, SideEnemy, SidePlayer, 0, PortKindOrdinary, 0};
    s.Port(25) = PortRec{18, 10, SideEnemy, SideEnemy, 0, PortKindOrdinary, 0};
    s.PortCount = 4;
    EXPECT_EQ(MissionMaximum(s), 550 + 3 * 8);

    s.EnemyForceValue = 1000;
    EXPECT_EQ(MissionMaximum(s), 550 + 24 + 70);
    s.EnemyForceValue = 150; // 10.5 goes to 10
    EXPECT_EQ(MissionMaximum(s), 550 + 24 + 10);
    s.EnemyForceValue = 50; // 3.5 goes to 4
    EXPECT_EQ(MissionMaximum(s), 550 + 24 + 4);

    // A hunt for every enemy unit leaves the forces out, and the game's value as it was.
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalDestroyAll;
    s.EnemyForceValue = 1000;
    EXPECT_EQ(MissionMaximum(s), 550 + 24);
    EXPECT_EQ(s.EnemyForceValue, 1000);
}

TEST(EndOfGameFormulas, RanksFollowTheThresholdsOfTheMaximum)
{
    // Maximum 650: thresholds 50, 100, ... 600.
    EXPECT_EQ(MissionRankIndex(650, 0), 28);
    EXPECT_EQ(MissionRankIndex(650, 49), 28);
    EXPECT_EQ(MissionRankIndex(650, 50), 27);
    EXPECT_EQ(MissionRankIndex(650, 99), 27);
    EXPECT_EQ(MissionRankIndex(650, 599), 17);
    EXPECT_EQ(MissionRankIndex(650, 600), 16);
    EXPECT_EQ(MissionRankIndex(650, 5000), 16);
    // 550 × 1 / 13 = 42.3 rounds to 42.
    EXPECT_EQ(MissionRankIndex(550, 41), 28);
    EXPECT_EQ(MissionRankIndex(550, 42), 27);

    // Campaign total 2800: thresholds 100 ... 2700.
    EXPECT_EQ(CampaignRankIndex(2800, 99), 28);
    EXPECT_EQ(CampaignRankIndex(2800, 100), 27);
    EXPECT_EQ(CampaignRankIndex(2800, 2699), 2);
    EXPECT_EQ(CampaignRankIndex(2800, 2700), 1);
    EXPECT_EQ(CampaignRankIndex(2800, 9999), 1);
    // Total 14: thresholds 0.5, 1, 1.5, 2, 2.5, 3 round half to even to 0, 1, 2, 2, 2, 3.
    EXPECT_EQ(CampaignRankIndex(14, 0), 27);
    EXPECT_EQ(CampaignRankIndex(14, 1), 26);
    EXPECT_EQ(CampaignRankIndex(14, 2), 23);

    CampaignRec campaign;
    campaign.Entries[0] = {ResultVictory, 0, 500, 700};
    campaign.Entries[1] = {ResultDefeat, 0, 10, 650};
    campaign.Entries[2] = {ResultMinorVictory, 0, 200, 600};
    EXPECT_EQ(CampaignTotal(campaign), 1300) << "a lost mission's maximum does not count";
}

TEST_F(EndOfGameTest, RankTitlesComeFromTheFirstLineOfTheirIndex)
{
    EXPECT_EQ(RankTitleOf(game.files, NationThirdReich, 16), "Kapitän zur See");
    EXPECT_EQ(RankTitleOf(game.files, NationThirdReich, 1), "Rank number 1");
    EXPECT_EQ(RankTitleOf(game.files, NationThirdReich, 29), "");
    EXPECT_EQ(RankTitleOf(game.files, NationJapan, 1), "") << "no rank file for that nation";
    EXPECT_EQ(RankTitleOf(game.files, 0, 1), "");

    // The fields are columns: a 5-letter short form runs straight into the title.
    game.dir.Write("game/" + RankFileOf(NationCanada), "1 FADM Fleet Admiral          \n"
                                                       "17 JOHEIJotohei                \n"
                                                       "18\n"
                                                       "19 SEAMNSeaman Second Class of the Fleet\n");
    EXPECT_EQ(RankTitleOf(game.files, NationCanada, 1), "Fleet Admiral");
    EXPECT_EQ(RankTitleOf(game.files, NationCanada, 17), "Jotohei");
    EXPECT_EQ(RankTitleOf(game.files, NationCanada, 19), "Seaman Second Class of") << "23 characters at most";
    const RankFile canada = ReadRankFile(*game.files.Read(RankFileOf(NationCanada)));
    EXPECT_EQ(canada.BadLines, std::vector<int>{3});
    EXPECT_EQ(canada.Titles.at(1).Short, "JOHEI");
}

TEST_F(EndOfGameTest, AWonCampaignMissionIsRecordedAndCarriesItsPoints)
{
    GameState& s = game.state();
    PlayCampaignMission(1, ResultVictory, 40);
    s.ProductionPoints = 321;
    s.Campaign.Score = 1000;
    EndMission(*game);
    EXPECT_EQ(s.MissionScore, 340) << "the end-of-mission award comes first";
    EXPECT_EQ(s.Campaign.Score, 1340);
    EXPECT_EQ(s.Campaign.CarriedPoints, 321);
    EXPECT_EQ(s.Campaign.Entries[0], (CampaignEntry{ResultVictory, 0, 340, 550 + 70}));
    EXPECT_EQ(s.Campaign.Over, 0) << "step 2 follows";
    EXPECT_EQ(s.EnemyForceValue, 1000);
    EXPECT_EQ(game.presenter.scoreLabel, "BOD:340");

    // Points carried stay within a word, never negative.
    PlayCampaignMission(2, ResultMinorVictory, 0);
    s.ProductionPoints = -40;
    EndMission(*game);
    EXPECT_EQ(s.Campaign.CarriedPoints, 0);
    EXPECT_EQ(s.Campaign.Entries[1].Result, ResultMinorVictory);
    PlayCampaignMission(2, ResultMinorVictory, 0);
    s.ProductionPoints = 70000;
    EndMission(*game);
    EXPECT_EQ(s.Campaign.CarriedPoints, 65535);
    EXPECT_EQ(s.Campaign.Over, 0);

    // The last step: recorded, and the campaign is over.
    PlayCampaignMission(3, ResultMajorVictory, 0);
    EndMission(*game);
    EXPECT_EQ(s.Campaign.Entries[2].Result, ResultMajorVictory);
    EXPECT_EQ(s.Campaign.Entries[2].Score, 500);
    EXPECT_EQ(s.Campaign.Over, CampaignOverFlag);
}

TEST_F(EndOfGameTest, ALostQuitOrLostTrackCampaignIsOver)
{
    GameState& s = game.state();
    for (int result : {ResultDefeat, ResultQuit})
    {
        PlayCampaignMission(2, result, 30);
        s.Campaign.Over = 0;
        s.Campaign.Score = 900;
        s.Campaign.CarriedPoints = 77;
        s.ProductionPoints = 500;
        EndMission(*game);
        EXPECT_EQ(s.Campaign.Over, CampaignOverFlag) << result;
        EXPECT_EQ(s.Campaign.Score, 900) << "a lost mission is not recorded";
        EXPECT_EQ(s.Campaign.CarriedPoints, 77);
        EXPECT_EQ(s.Campaign.Entries[1], CampaignEntry{});
    }

    // A header that cannot be found, and a counter past the sixteen steps, end the campaign.
    PlayCampaignMission(1, ResultVictory, 0);
    s.Campaign.Over = 0;
    s.Campaign.Number = 999;
    EndMission(*game);
    EXPECT_EQ(s.Campaign.Over, CampaignOverFlag);
    EXPECT_EQ(s.Campaign.Entries[0].Result, ResultVictory);

    PlayCampaignMission(16, ResultVictory, 0);
    s.Campaign.Over = 0;
    EndMission(*game);
    EXPECT_EQ(s.Campaign.Over, CampaignOverFlag);
    EXPECT_EQ(s.Campaign.Entries[15].Result, ResultVictory);
    EXPECT_EQ(CampaignStepOf(*game, 17), 0);
    s.Campaign.Number = CampaignId;
    EXPECT_EQ(CampaignStepOf(*game, 2), 425);
    EXPECT_EQ(CampaignStepOf(*game, 4), 0);

    // Outside a campaign nothing but the award happens.
    s.GameMode = ModeMission;
    s.Campaign = CampaignRec{};
    s.GameResult = ResultVictory;
    s.MissionScore = 0;
    EndMission(*game);
    EXPECT_EQ(s.MissionScore, 300);
    EXPECT_EQ(s.Campaign, CampaignRec{});
}

TEST_F(EndOfGameTest, FinishingLeadsToTheNextStepOrBackToTheMenu)
{
    GameState& s = game.state();
    PlayCampaignMission(1, ResultVictory, 0);
    s.ProductionPoints = 250;
    EndMission(*game);
    const CampaignRec recorded = s.Campaign;
    EXPECT_EQ(FinishGame(*game), FinishNext::NextMission);
    EXPECT_EQ(s.GameMode, ModeCampaign);
    EXPECT_EQ(s.Campaign.MissionCounter, 2);
    EXPECT_EQ(s.CampaignStep, 425);
    EXPECT_EQ(s.Campaign.Score, recorded.Score);
    EXPECT_EQ(s.Campaign.Entries[0], recorded.Entries[0]);
    EXPECT_EQ(s.PlayerNation, NationThirdReich) << "the campaign keeps its nation";
    EXPECT_EQ(s.Flow.MessageHeading, "NORWAY CONVOY");
    EXPECT_EQ(s.Flow.MessageCode, NextMissionMessage);
    EXPECT_EQ(s.GameOver, 0);
    EXPECT_EQ(s.TurnNumber, 0);

    // The last step won: the campaign starts afresh.
    PlayCampaignMission(3, ResultMajorVictory, 0);
    s.Rank = RankAdmiral;
    EndMission(*game);
    EXPECT_EQ(FinishGame(*game), FinishNext::Menu);
    EXPECT_EQ(s.GameMode, ModeCampaign);
    EXPECT_EQ(s.Campaign, CampaignRec{});
    EXPECT_EQ(s.Rank, RankCaptain);
    EXPECT_EQ(s.CampaignStep, 0);

    // Lost in its third mission: it ends as a single mission would.
    PlayCampaignMission(3, ResultDefeat, 0);
    s.Flow.MessageCode = 0;
    EndMission(*game);
    EXPECT_EQ(DescribeEndOfGame(*game).QualifiesAt, 0) << "no campaign name entry";
    EXPECT_EQ(FinishGame(*game), FinishNext::Menu);
    EXPECT_EQ(s.GameMode, ModeMission);
    EXPECT_EQ(s.Campaign, CampaignRec{});
    EXPECT_EQ(s.PlayerNation, 0);
    EXPECT_EQ(s.Flow.MessageCode, 0);

    // A mission or death match: back to the menu with the campaign record cleared.
    s.GameMode = ModeDeathMatch;
    s.ProductionPoints = 900;
    s.GameResult = ResultVictory;
    s.Rank = RankCadet;
    s.Campaign.Score = 10;
    s.Flow.Curtain = 1;
    EXPECT_EQ(FinishGame(*game), FinishNext::Menu);
    EXPECT_EQ(s.GameMode, ModeDeathMatch);
    EXPECT_EQ(s.ProductionPoints, 0);
    EXPECT_EQ(s.Rank, RankCaptain);
    EXPECT_EQ(s.Campaign, CampaignRec{});
    EXPECT_EQ(s.Flow.Curtain, 0);
}

TEST_F(EndOfGameTest, AGoodMissionScoreEntersTheHallOfFame)
{
    GameState& s = game.state();
    s.GameMode = ModeMission;
    s.PlayerNation = NationThirdReich;
    s.CurrentScenario = MakeScenario(425, 2, 3);
    s.CurrentScenario.Title.Set("NORWAY CONVOY");
    s.GameResult = ResultVictory;
    s.MissionScore = 500;
    ScoreTable table;
    for (int i = 0; i < ScoreTableLength; ++i)
    {
        ScoreRec& rec = table[static_cast<std::size_t>(i)];
        rec.Name.Set("Old" + std::to_string(i + 1));
        rec.Nation = NationUnitedStates;
        rec.Mode = ModeMission;
        rec.Rank = 20;
        rec.Score = static_cast<std::uint16_t>(1500 - 100 * i);
    }
    ASSERT_TRUE(WriteScoreTable(game.files, ModeMission, table));

    const EndOfGameView view = DescribeEndOfGame(*game);
    EXPECT_EQ(view.Max, 550);
    EXPECT_EQ(view.RankIndex, 17) << "500 reaches 550 × 11 / 13 = 465 but not 508";
    EXPECT_EQ(view.RankTitle, "Rank number 17");
    EXPECT_EQ(view.Title, "VICTORY");
    EXPECT_EQ(view.QualifiesAt, 12) << "behind the equal 500 of place 11";
    EXPECT_FALSE(view.CampaignOver);
    EXPECT_EQ(view.FinalRankIndex, 0);

    // A name too long keeps the entry open and the table as it was.
    EXPECT_EQ(EnterScoreName(*game, "Admiral Raeder 1"), NameEntry::Refused);
    EXPECT_EQ(game.presenter.errors, std::vector<std::string>{"Maximum 15 characters"});
    EXPECT_EQ(ReadScoreTable(game.files, ModeMission), table);

    EXPECT_EQ(EnterScoreName(*game, "Admiral Raeder"), NameEntry::Entered);
    const ScoreTable after = ReadScoreTable(game.files, ModeMission);
    const ScoreRec& mine = after[11];
    EXPECT_EQ(mine.Name.Str(), "Admiral Raeder");
    EXPECT_EQ(mine.Nation, NationThirdReich);
    EXPECT_EQ(mine.Number, 425);
    EXPECT_EQ(mine.Title.Str(), "NORWAY CONVOY");
    EXPECT_EQ(mine.Mode, ModeMission);
    EXPECT_EQ(mine.Score, 500);
    EXPECT_EQ((std::array{mine.Major, mine.Victories, mine.Minor}), (std::array<std::uint8_t, 3>{0, 1, 0}));
    EXPECT_EQ(mine.Rank, 17);
    EXPECT_EQ(after[10], table[10]);
    EXPECT_EQ(after[12], table[11]);
    EXPECT_EQ(after[14], table[13]);
    EXPECT_EQ(s.Flow.ScoreTableOrigin, ModeMission);
    EXPECT_TRUE(ReadScoreTable(game.files, ModeDeathMatch)[0].Empty());

    // A defeat or a quit mission earns no place, whatever its score.
    for (int result : {ResultDefeat, ResultQuit})
    {
        s.GameResult = static_cast<std::uint8_t>(result);
        EXPECT_EQ(DescribeEndOfGame(*game).QualifiesAt, 0);
        EXPECT_EQ(EnterScoreName(*game, "Again"), NameEntry::NotQualified);
    }
    EXPECT_EQ(ReadScoreTable(game.files, ModeMission), after);

    // A table that cannot be written is reported.
    s.GameResult = ResultMajorVictory;
    std::filesystem::remove_all(game.files.UserDir());
    game.dir.Write("user", "not a folder");
    EXPECT_EQ(EnterScoreName(*game, "Again"), NameEntry::WriteFailed);
    EXPECT_EQ(game.presenter.errors.back(), "SCORE TABLE COULD NOT BE WRITTEN");
}

TEST_F(EndOfGameTest, AFinishedCampaignEntersItsWholeRecord)
{
    GameState& s = game.state();
    PlayCampaignMission(1, ResultMajorVictory, 0);
    EndMission(*game);
    EXPECT_EQ(DescribeEndOfGame(*game).QualifiesAt, 0) << "only once the campaign is over";
    EXPECT_EQ(EnterScoreName(*game, "Doenitz"), NameEntry::NotQualified);
    ASSERT_EQ(FinishGame(*game), FinishNext::NextMission);

    PlayCampaignMission(2, ResultMinorVictory, 0);
    EndMission(*game);
    FinishGame(*game);
    PlayCampaignMission(3, ResultMajorVictory, 0);
    s.Campaign.Score = 1100;
    EndMission(*game);
    ASSERT_EQ(s.Campaign.Over, CampaignOverFlag);

    // Three missions of maximum 620 each: 1860; 1600 reaches T24 = 1594 but not T25 = 1661.
    const EndOfGameView view = DescribeEndOfGame(*game);
    EXPECT_TRUE(view.CampaignOver);
    EXPECT_EQ(s.Campaign.Score, 1600);
    EXPECT_EQ(CampaignTotal(s.Campaign), 1860);
    EXPECT_EQ(view.FinalRankIndex, 4);
    EXPECT_EQ(view.FinalRankTitle, "Rank number 4");
    EXPECT_EQ(view.QualifiesAt, 1);

    ASSERT_EQ(EnterScoreName(*game, "Doenitz"), NameEntry::Entered);
    const ScoreRec mine = ReadScoreTable(game.files, ModeCampaign)[0];
    EXPECT_EQ(mine.Name.Str(), "Doenitz");
    EXPECT_EQ(mine.Number, CampaignId);
    EXPECT_EQ(mine.Title.Str(), "KRIEGSMARINE");
    EXPECT_EQ(mine.Mode, ModeCampaign);
    EXPECT_EQ(mine.Score, 1600);
    EXPECT_EQ((std::array{mine.Major, mine.Victories, mine.Minor}), (std::array<std::uint8_t, 3>{2, 0, 1}));
    EXPECT_EQ(mine.Rank, 4);
    EXPECT_EQ(s.Flow.ScoreTableOrigin, ModeCampaign);
}

} // namespace
} // namespace olvane
