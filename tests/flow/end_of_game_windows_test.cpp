// The end of a mission on screen: the end-of-game window, the hall of fame and the score
// submission, and the way from the turn code's end of a mission to the menu or the next mission.

#include "flow/flow_art.h"
#include "platform/message_box.h"
#include "platform/timer.h"
#include "flow_fixture.h"
#include "state/rank_file.h"
#include "state/scenario.h"
#include "state/score_table.h"

namespace olvane
{
namespace
{

using test::FlowGameTest;
using test::FlowTest;

void Lose(GameState& s, int cls, int side, int times)
{
    for (int i = 0; i < times; ++i)
    {
        s.DestroyedList.Entries[s.DestroyedList.Count++] =
            DestroyedEntry{static_cast<std::uint8_t>(cls), static_cast<std::uint8_t>(side)};
    }
}

/// A mission of the given mode and result over, as the turn code leaves it.
void EndedMission(GameState& s, int mode, int result, int nation, int score)
{
    s.GameMode = static_cast<std::uint8_t>(mode);
    s.GameOver = 1;
    s.GameResult = static_cast<std::uint8_t>(result);
    s.PlayerNation = static_cast<std::uint8_t>(nation);
    s.MissionScore = static_cast<std::uint16_t>(score);
    s.CurrentScenario.ScenarioId = 37;
    s.CurrentScenario.Title.Set("HAWAII ATTACK");
}

ScoreRec Record(std::string_view name, int nation, int score, int rank)
{
    ScoreRec rec;
    rec.Name.Set(name);
    rec.Nation = static_cast<std::uint8_t>(nation);
    rec.Number = 37;
    rec.Title.Set("HAWAII ATTACK");
    rec.Mode = ModeMission;
    rec.Score = static_cast<std::uint16_t>(score);
    rec.Major = 1;
    rec.Rank = static_cast<std::uint8_t>(rank);
    return rec;
}

TEST(EndOfGamePictures, ResultNationAndMedal)
{
    EXPECT_EQ(EndOfGamePictureName(ResultVictory, NationJapan), "BMP/MENI2/POBjap.jpg");
    EXPECT_EQ(EndOfGamePictureName(ResultMinorVictory, NationItaly), "BMP/MENI/victory.jpg");
    EXPECT_EQ(EndOfGamePictureName(ResultDefeat, NationUnitedStates), "BMP/MENI2/PORAZ.JPG");
    EXPECT_EQ(EndOfGamePictureName(ResultQuit, NationNewZealand), "BMP/MENI2/GOTOVaus.JPG");
    EXPECT_EQ(EndOfGamePictureName(ResultQuit, NationThirdReich), "BMP/MENI2/GOTOVGER.JPG");

    EXPECT_EQ(MedalIndex(ResultMajorVictory, NationUnitedStates), 0);
    EXPECT_EQ(MedalIndex(ResultMinorVictory, NationGreatBritain), 2);
    EXPECT_EQ(MedalIndex(ResultVictory, NationJapan), 4);
    EXPECT_EQ(MedalIndex(ResultMajorVictory, NationItaly), 3);
    EXPECT_EQ(MedalIndex(ResultDefeat, NationUnitedStates), -1);
    EXPECT_EQ(MedalIndex(ResultQuit, NationThirdReich), -1);
}

TEST(EndOfGameLosses, GroupedByClassForEachSide)
{
    GameState s;
    Lose(s, 43, SidePlayer, 2);
    Lose(s, 13, SideEnemy, 1);
    Lose(s, 3, SidePlayer, 1);
    Lose(s, 43, SideEnemy, 3);
    Lose(s, 43, SidePlayer, 1);
    const std::vector<ClassLosses> lost = LossesOfSide(s, SidePlayer);
    ASSERT_EQ(lost.size(), 2u);
    EXPECT_EQ(lost[0].Class, 3);
    EXPECT_EQ(lost[0].Count, 1);
    EXPECT_EQ(lost[1].Class, 43);
    EXPECT_EQ(lost[1].Count, 3);
    const std::vector<ClassLosses> sunk = LossesOfSide(s, SideEnemy);
    ASSERT_EQ(sunk.size(), 2u);
    EXPECT_EQ(sunk[1].Count, 3);
    // A damaged count past the list's end reads only the list.
    s.DestroyedList.Count = 255;
    EXPECT_EQ(LossesOfSide(s, SidePlayer)[1].Count, 3);
}

TEST_F(FlowGameTest, EndOfGameShowsResultRankScoreMedalAndLosses)
{
    EndedMission(state(), ModeMission, ResultVictory, NationJapan, 420);
    Lose(state(), 43, SidePlayer, 2);
    Lose(state(), 63, SideEnemy, 1);
    TF85_KRAJ& w = windows->endOfGame;
    w.Show();
    const EndOfGameView view = DescribeEndOfGame(game());
    auto texts = Texts(w);
    EXPECT_TRUE(Shows(texts, "VICTORY"));
    EXPECT_TRUE(Shows(texts, "RANK: " + view.RankTitle));
    EXPECT_FALSE(view.RankTitle.empty());
    EXPECT_TRUE(Shows(texts, "SCORE: 420"));
    EXPECT_TRUE(Shows(texts, "LOST UNITS"));
    EXPECT_TRUE(Shows(texts, "DESTROYED ENEMY UNITS"));
    EXPECT_TRUE(Shows(texts, "x2"));
    EXPECT_TRUE(Shows(texts, "x1"));
    EXPECT_FALSE(w.lbSKOR2.visible);
    // Japan's victory medal is the second set's: its middle is on the screen where the medal stands.
    const platform::PictureList medals = LoadSheet(*files, art::MedalSheet);
    ASSERT_EQ(medals.Count(), 6);
    const platform::Point medal = OnScreen(w, 712 + 35, 10 + 50);
    EXPECT_EQ(ScreenPixel(medal.x, medal.y), medals[4].Pixel(35, 50) & 0xFFFFFF);
    w.Hide();

    // An aborted mission: its title over the nation's picture, no rank, score or losses, and OK
    // finishes at once.
    state().GameResult = ResultQuit;
    w.Show();
    texts = Texts(w);
    EXPECT_TRUE(Shows(texts, "MISSION ABORTED"));
    EXPECT_FALSE(Shows(texts, "LOST UNITS"));
    EXPECT_FALSE(Shows(texts, "x2"));
    EXPECT_FALSE(w.lbRANK.visible);
    w.SBtOKClick();
    EXPECT_FALSE(w.visible);
    EXPECT_FALSE(w.edIME.visible);
}

TEST_F(FlowGameTest, CampaignEndShowsScoresAndTheFinalRankOnlyWhenOver)
{
    EndedMission(state(), ModeCampaign, ResultMajorVictory, NationUnitedStates, 700);
    state().Campaign.Score = 1500;
    state().Campaign.Entries[0] = CampaignEntry{ResultMajorVictory, 0, 800, 650};
    state().Campaign.Entries[1] = CampaignEntry{ResultMajorVictory, 0, 700, 650};
    TF85_KRAJ& w = windows->endOfGame;
    w.Show();
    auto texts = Texts(w);
    EXPECT_TRUE(Shows(texts, "MISSION SCORE: 700"));
    EXPECT_TRUE(Shows(texts, "CURRENT CAMPAIGN SCORE: 1500"));
    EXPECT_EQ(w.lbRANK.caption, "");
    EXPECT_TRUE(Shows(texts, "NONE")) << "a side that lost nothing says so";
    // Not over: no name is asked for.
    w.SBtOKClick();
    EXPECT_FALSE(w.visible);

    state().Campaign.Over = CampaignOverFlag;
    w.Show();
    EXPECT_EQ(w.lbRANK.caption, "FINAL RANK: " + RankTitleOf(*files, NationUnitedStates, 1));
    w.SBtOKClick();
    EXPECT_TRUE(w.edIME.visible) << "an empty campaign table takes the finished campaign";
    w.Hide();
}

TEST_F(FlowTest, NameEntryRefusesLongNamesAndEntersTheRecord)
{
    EndedMission(state(), ModeMission, ResultMajorVictory, NationThirdReich, 900);
    TF85_KRAJ& w = windows->endOfGame;
    int scoresOpened = 0;
    w.onOpenScores = [&] {
        ++scoresOpened;
        EXPECT_EQ(state().Flow.ScoreTableOrigin, ModeMission);
    };
    w.Show();
    w.SBtOKClick();
    EXPECT_FALSE(w.SBtOK.visible);
    EXPECT_TRUE(w.lbIME.visible);
    EXPECT_EQ(w.lbIME.caption, "Enter your name:");
    EXPECT_TRUE(w.edIME.Focused());

    // Sixteen bytes are one too many; the box that says so is closed and the entry stays open.
    w.edIME.text = "Sixteen_letters_";
    QueueKey(SDLK_RETURN);
    w.edIMEReturn();
    EXPECT_TRUE(w.edIME.visible);

    w.edIME.text = "Raeder";
    w.edIMEReturn();
    EXPECT_EQ(scoresOpened, 1);
    EXPECT_FALSE(w.edIME.visible);
    EXPECT_FALSE(w.lbRESULT.visible);
    EXPECT_FALSE(w.ResultsOnShow());
    EXPECT_TRUE(w.SBttOK2.visible);
    EXPECT_EQ(ReadScoreTable(*files, ModeMission)[0].Name.Str(), "Raeder");
    // A click on the window now finishes.
    w.FormClick();
    EXPECT_FALSE(w.visible);
}

TEST_F(FlowTest, HallOfFameShowsItsTablesAndClearsOneOnYes)
{
    ScoreTable missions{};
    missions[0] = Record("Raeder", NationThirdReich, 900, 16);
    missions[1] = Record("Somerville", NationGreatBritain, 450, 22);
    missions[1].Major = 0;
    missions[1].Victories = 2;
    missions[1].Minor = 1;
    ASSERT_TRUE(WriteScoreTable(*files, ModeMission, missions));
    ScoreTable hunts{};
    hunts[0] = Record("Dönitz", NationThirdReich, 300, 20);
    hunts[0].Mode = ModeDeathMatch;
    ASSERT_TRUE(WriteScoreTable(*files, ModeDeathMatch, hunts));

    TF88_SKOR& w = windows->scores;
    // The menu's HALL OF FAME opens on the death matches.
    state().Flow.ScoreTableOrigin = ModeCampaign;
    int fromMenu = 0;
    w.onActivate = [&] {
        fromMenu = w.ShownMode();
        w.btOKClick();
    };
    windows->menu.sbSKORClick();
    EXPECT_EQ(fromMenu, ModeDeathMatch);
    w.onActivate = nullptr;

    state().Flow.ScoreTableOrigin = ModeMission;
    w.Show();
    EXPECT_EQ(w.ShownMode(), ModeMission);
    EXPECT_EQ(w.Label1.caption, "MISSION");
    auto texts = Texts(w);
    for (const char* text : {"NAME", "MISSION", "MEDAILS", "SCORE", "RANK", "Raeder", "Somerville", "900",
                             "450", "HAWAII ATTACK", "1.", "15."})
    {
        EXPECT_TRUE(Shows(texts, text)) << text;
    }
    if (HaveGameFolder())
    {
        EXPECT_TRUE(Shows(texts, RankTitleOf(*files, NationThirdReich, 16)));
    }
    // The bands run across the whole table, every other 17 pixels.
    const platform::Point band = OnScreen(w, 300, 66 + 34 * 15 + 8);
    const platform::Point gap = OnScreen(w, 300, 66 + 34 * 15 + 25);
    EXPECT_EQ(ScreenPixel(band.x, band.y), 0x14243Au);
    EXPECT_NE(ScreenPixel(gap.x, gap.y), 0x14243Au);

    w.btDMClick();
    EXPECT_EQ(w.Label1.caption, "DEATH MATCH");
    EXPECT_TRUE(Shows(Texts(w), "Dönitz"));

    // No keeps the table; Yes empties the shown one only.
    EXPECT_EQ(ClearTableQuestion(ModeDeathMatch),
              " Are you sure you want to delete Death Match\n Score Table?");
    QueueKey(SDLK_ESCAPE);
    w.btCLEANClick();
    EXPECT_EQ(ReadScoreTable(*files, ModeDeathMatch), hunts);
    QueueKey(SDLK_RETURN);
    w.btCLEANClick();
    EXPECT_EQ(ReadScoreTable(*files, ModeDeathMatch), ScoreTable{});
    EXPECT_FALSE(Shows(Texts(w), "Dönitz"));
    EXPECT_EQ(ReadScoreTable(*files, ModeMission), missions);
    w.btOKClick();
    EXPECT_FALSE(w.visible);
}

TEST_F(FlowTest, SubmissionSendsTheFormsMailAndClearResetsIt)
{
    TFSUBMIT& w = windows->submission;
    std::vector<SubmissionMail> sent;
    w.sendMail = [&](const SubmissionMail& mail) {
        sent.push_back(mail);
        return true;
    };
    windows->settings.submissionAddress = "scores@example.org";
    w.Show();
    w.edNAME.text = "Halsey";
    w.edMAIL.text = "bull@example.org";
    w.CB1.Click();
    w.CB2.Click();
    w.ED1.text = "first";
    w.btSENDClick();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].To, "scores@example.org");
    EXPECT_EQ(sent[0].Body,
              "NICK NAME:Halsey EMAIL:bull@example.org Score included:CAMPAIGN  c1:first c2: c3:");
    ASSERT_EQ(sent[0].Attachments.size(), 3u);
    for (const auto& file : sent[0].Attachments)
    {
        EXPECT_TRUE(file.is_absolute());
        EXPECT_TRUE(std::filesystem::exists(file)) << "missing tables are written empty before sending";
    }

    // With no address in the settings the mail program is left to ask for one.
    windows->settings.submissionAddress.clear();
    w.btSENDClick();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].To, "");

    w.btCANCELClick();
    EXPECT_EQ(w.Form().NickName, "");
    EXPECT_EQ(w.Form().Email, "");
    EXPECT_EQ(w.Form().Comments[0], "");
    EXPECT_TRUE(w.CB1.checked && w.CB2.checked && w.CB3.checked);

    // A mail program that cannot be started: the error box, closed by Enter, and the window stays.
    w.sendMail = [](const SubmissionMail&) { return false; };
    QueueKey(SDLK_RETURN);
    w.btSENDClick();
    EXPECT_TRUE(w.visible);
    w.btBACKClick();
    EXPECT_FALSE(w.visible);
}

TEST_F(FlowTest, TheEndOfAMissionWaitsForTheTurnCodeThenLeadsToTheMenu)
{
    windows->menu.Show();
    EndedMission(state(), ModeMission, ResultDefeat, NationUnitedStates, 40);
    state().TurnNumber = 3;
    windows->mainWindow.Show();
    int shown = 0;
    windows->endOfGame.onActivate = [&] {
        ++shown;
        EXPECT_FALSE(windows->mainWindow.visible);
        windows->endOfGame.SBtOKClick();
    };
    // The turn code's end of the mission only marks it.
    windows->mainWindow.ShowEndOfGame();
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(windows->EndOfGamePending());
    // A window still open over the game (the headquarters' EXIT TO MENU) holds it back until closed.
    platform::Timer answer(150, true);
    int shownWhileOpen = -1;
    answer.onTimer = [&] {
        shownWhileOpen = shown;
        answer.SetEnabled(false);
        QueueKey(SDLK_RETURN);
    };
    platform::ShowMessage("HEADQUARTERS");
    EXPECT_EQ(shownWhileOpen, 0);
    for (int i = 0; i < 200 && windows->EndOfGamePending(); ++i)
    {
        app->ProcessMessages();
    }
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(state().PlayerNation, 0) << "the game is cleared";
    EXPECT_EQ(state().GameResult, 0);
    EXPECT_TRUE(windows->menu.Active());
}

TEST_F(FlowGameTest, AWonCampaignMissionNamesTheNextAndOpensItsBriefing)
{
    // USN TRIDENT, its first mission won.
    EndedMission(state(), ModeCampaign, ResultVictory, NationUnitedStates, 500);
    state().Campaign.Number = 248;
    state().Campaign.Name.Set("USN TRIDENT");
    state().Campaign.MissionCounter = 1;
    state().ProductionPoints = 123;
    EndMission(game());
    const int score = state().Campaign.Score;
    int stepPoints = -1;
    for (const ScenarioRec& rec : ReadScenarioDatabase(*files, 2))
    {
        stepPoints = rec.ScenarioId == 72 && rec.Kind == ModeMission ? rec.StartPoints : stepPoints;
    }
    ASSERT_GT(score, 0);
    std::vector<int> codes;
    std::string heading;
    windows->onShowMessage = [&](int code) {
        codes.push_back(code);
        heading = state().Flow.MessageHeading;
    };
    windows->endOfGame.onActivate = [&] { windows->endOfGame.SBtOKClick(); };
    std::string briefed;
    windows->briefing.onActivate = [&] {
        briefed = windows->briefing.LbIMEsc.caption;
        EXPECT_EQ(windows->briefing.lbKSC.caption, "Current Campaign Score: " + std::to_string(score));
        EXPECT_EQ(windows->briefing.lbPP.caption, std::to_string(stepPoints + 123) + " PP") << "points carried over";
        windows->briefing.Close();
    };
    windows->ShowEndOfGame();
    EXPECT_EQ(codes, std::vector<int>{NextMissionMessage});
    EXPECT_FALSE(heading.empty());
    EXPECT_EQ(briefed, heading) << "the briefing is the named mission's";
}

} // namespace
} // namespace olvane
