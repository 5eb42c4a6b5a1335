#include "flow_fixture.h"

#include "flow/flow_art.h"
#include "platform/display_layout.h"
#include "platform/timer.h"
#include "state/class_table.h"
#include "state/mission_texts.h"
#include "state/save_file.h"

#include <fstream>

namespace olvane
{
namespace
{

using test::FlowGameTest;
using test::FlowTest;
namespace colours = platform::colours;

TEST_F(FlowGameTest, MenuShowsItsEntriesAndPicturesShiftedByTheLayout)
{
    for (const platform::Size desktop : {platform::Size{1366, 768}, platform::Size{1024, 768}})
    {
        Close();
        Open(desktop);
        int firstActivations = 0;
        windows->menu.onFirstActivation = [&] { ++firstActivations; };
        windows->menu.Show();
        const auto texts = Texts(windows->menu);
        for (const char* entry : {"DEATH MATCH", "NEW MISSION", "NEW CAMPAIGN", "LOAD GAME", "HALL OF FAME", "OPTIONS",
                                  "HELP", "ABOUT", "EXIT GAME", "Ver 2.50", "OLVANE"})
        {
            EXPECT_TRUE(Shows(texts, entry)) << entry;
        }
        EXPECT_FALSE(Shows(texts, "TUTORIAL")) << "the tutorial entry is hidden";
        EXPECT_EQ(firstActivations, 1);

        // The emblem stands at (747, 99) moved right by the menu shift: 270 in the wide layout.
        const int shift = desktop.width == 1366 ? 270 : 0;
        EXPECT_EQ(platform::Display().menuShift, shift);
        const platform::Picture emblem = LoadGamePicture(*files, "BMP/MENI2/ZNAK.BMP", true);
        ASSERT_FALSE(emblem.Empty());
        const int cx = emblem.Width() / 2;
        const int cy = emblem.Height() / 2;
        EXPECT_EQ(ScreenPixel(747 + shift + cx, 99 + cy), emblem.Pixel(cx, cy) & 0xFFFFFF);
        // The entries' captions are yellow except in the 1024 x 768 layout.
        EXPECT_EQ(windows->menu.SBtDEATH.font.colour, desktop.width == 1366 ? colours::Yellow : colours::White);
        windows->menu.Hide();
        windows->menu.Show();
        EXPECT_EQ(firstActivations, 1) << "the opening screen shows once";
    }
}

TEST_F(FlowTest, MenuEntriesWithoutTheirWindowsSaySoAndHelpAndAboutUseTheirHooks)
{
    windows->menu.Show();
    std::vector<int> codes;
    windows->onShowMessage = [&](int code) { codes.push_back(code); };
    windows->menu.SBtABOUTClick();
    EXPECT_EQ(codes, std::vector<int>{53});

    std::vector<std::filesystem::path> pages;
    windows->menu.onOpenPage = [&](const std::filesystem::path& page) -> std::optional<std::string> {
        pages.push_back(page);
        return std::nullopt;
    };
    windows->menu.SBtHELPClick();
    ASSERT_EQ(pages.size(), HaveGameFolder() ? 1u : 0u);
    if (!pages.empty())
    {
        EXPECT_EQ(pages[0].filename(), "help.htm");
        EXPECT_EQ(pages[0].parent_path().filename(), "help2");
    }

    // The hall of fame and the options open their windows, which Enter closes.
    QueueKey(SDLK_RETURN);
    windows->menu.sbSKORClick();
    EXPECT_EQ(state().Flow.ScoreTableOrigin, 1);
    QueueKey(SDLK_RETURN);
    windows->menu.SBoptionsClick();
    EXPECT_EQ(windows->options.modalResult, platform::ResultOk) << "Enter pressed OK";
    EXPECT_FALSE(windows->options.visible);
    EXPECT_TRUE(windows->menu.visible);
}

TEST_F(FlowTest, LoadGameCancelledOrFailedStaysInTheMenu)
{
    windows->menu.Show();
    int loaded = 0;
    windows->menu.onGameLoaded = [&] { ++loaded; };
    state().TurnNumber = 3;
    const GameState before = state();

    windows->menu.onChooseSaveFile = [] { return std::optional<std::filesystem::path>(); };
    windows->menu.SBtLOADClick();
    EXPECT_EQ(loaded, 0);

    std::filesystem::create_directories(userDir);
    const std::filesystem::path bad = userDir / "bad.sav";
    {
        std::ofstream out(bad);
        out << std::string(200, 'x');
    }
    windows->menu.onChooseSaveFile = [&] { return std::optional<std::filesystem::path>(bad); };
    QueueKey(SDLK_RETURN);
    windows->menu.SBtLOADClick();
    EXPECT_EQ(loaded, 0);
    EXPECT_TRUE(state() == before);
}

TEST_F(FlowGameTest, LoadGameOpensTheBriefingOfTheLoadedGameWhichStartsNothing)
{
    // A mission of turn 4 is saved, and another game is under way when the player loads it.
    ASSERT_NO_FATAL_FAILURE(ChooseRow(ModeMission, "CORAL SEA"));
    ASSERT_EQ(ActivateBriefing(game()), BriefingStart::Started);
    state().TurnNumber = 4;
    std::filesystem::create_directories(userDir / "SAVE");
    const std::filesystem::path save = userDir / "SAVE" / "coral.sav";
    ASSERT_TRUE(SaveGame(game(), save));
    StartNewGame(state(), ModeDeathMatch);
    state().TurnNumber = 9;

    windows->menu.Show();
    int loaded = 0;
    windows->menu.onGameLoaded = [&] { ++loaded; };
    windows->menu.onChooseSaveFile = [&] { return std::optional<std::filesystem::path>(save); };
    windows->menu.SBtLOADClick();
    ASSERT_EQ(loaded, 1);
    EXPECT_EQ(state().GameMode, ModeMission);
    EXPECT_EQ(state().TurnNumber, 4);
    EXPECT_EQ(state().Flow.JustLoaded, 1);

    // What the briefing starts or leaves to after a load is the game flow's own test.
    TF08_UVOD& w = windows->briefing;
    w.Show();
    EXPECT_EQ(w.LbIMEsc.caption, "CORAL SEA");
    EXPECT_EQ(w.LBvreme.caption, "4. TURN");
}

TEST_F(FlowGameTest, DifficultyScreenOpensAtCaptainAndMarksTheChosenRank)
{
    TF130_TEKST& w = windows->textWindow;
    state().Rank = RankAdmiral;
    w.SetOrigin(TF130_TEKST::OriginDifficulty);
    w.Show();
    EXPECT_EQ(state().Rank, RankCaptain);
    const auto texts = Texts(w);
    for (const char* text : {"SELECT DIFFICULTY LEVEL", "CADET", "CAPTAIN", "ADMIRAL", "OK"})
    {
        EXPECT_TRUE(Shows(texts, text)) << text;
    }
    auto frameColour = [&](int panel) {
        const platform::Point p = OnScreen(w, TF130_TEKST::PanelLeft[static_cast<std::size_t>(panel)] - 2,
                                           TF130_TEKST::PanelTop - 2);
        return ScreenPixel(p.x, p.y);
    };
    EXPECT_EQ(frameColour(1), colours::Yellow);
    EXPECT_NE(frameColour(0), colours::Yellow);

    w.SBtCADClick();
    EXPECT_EQ(state().Rank, RankCadet);
    app->Compose();
    EXPECT_EQ(frameColour(0), colours::Yellow);
    EXPECT_NE(frameColour(1), colours::Yellow);
    EXPECT_TRUE(w.SBtCAD.down);
    w.SBtADMClick();
    EXPECT_EQ(state().Rank, RankAdmiral);
    EXPECT_FALSE(w.SBtCAD.down);
}

TEST(LevelPictures, OnlyDrawableLinesBecomePictures)
{
    ClassTable classes;
    InitShipClasses(classes);
    const LevelLayout layout = ReadLevelLayout("1 1 1 43\n"   // destroyer, panel 1
                                               "2 3 1 63\n"   // battleship, two cells
                                               "3 1 3 108\n"  // radar station
                                               "4 1 1 43\n"   // no panel 4
                                               "1 8 1 43\n"   // no column 8
                                               "1 1 4 43\n"   // no row 4
                                               "1 1 1 35\n"   // a class number in no use
                                               "20 10 84 2\n" // label ENEMY on panel 2
                                               "30 10 84 10\n"
                                               "10 10 84 9\n" // no label picture 9
                                               "40 10 84 1\n");
    const std::vector<LevelPicture> pictures = LevelPictures(layout, classes, 100);
    ASSERT_EQ(pictures.size(), 6u);
    const int destroyerRow = classes.Class(43).Sprite;
    EXPECT_EQ(pictures[0].x, 42);
    EXPECT_EQ(pictures[0].y, 100);
    EXPECT_EQ(pictures[0].frame, destroyerRow * 8 + 6);
    const int battleshipRow = classes.Class(63).Sprite;
    EXPECT_EQ(pictures[1].x, 2 * 42 + 5 * 42 + 2 * 28);
    EXPECT_EQ(pictures[2].y, pictures[1].y + 42);
    EXPECT_EQ(pictures[2].frame, (battleshipRow + 1) * 8 + 6);
    EXPECT_EQ(pictures[3].frame, classes.Class(108).Sprite * 8 + 6) << "the anti-sub station's own frame";
    EXPECT_EQ(pictures[3].y, 100 + 2 * 42);
    EXPECT_EQ(pictures[4].kind, LevelPicture::Kind::Label);
    EXPECT_EQ(pictures[4].x, 2 * 42 + 5 * 42 + 10);
    EXPECT_EQ(pictures[4].y, 100 + 84 - 74);
    EXPECT_EQ(pictures[4].frame, 2);
    EXPECT_EQ(pictures[5].frame, EmptyLabel);
}

TEST_F(FlowGameTest, SideTextOfTheCampaignsNation)
{
    TF130_TEKST& w = windows->textWindow;
    w.SetOrigin(TF130_TEKST::OriginSideText);
    state().PlayerNation = NationThirdReich;
    w.Show();
    const std::optional<std::string> text = files->Read("BAZE/TXT/ger.TXT");
    ASSERT_TRUE(text);
    EXPECT_TRUE(w.Memo1.visible);
    EXPECT_FALSE(w.SBtCAP.visible);
    EXPECT_EQ(w.Memo1.font.size, 10);
    EXPECT_EQ(w.Memo1.caption.substr(0, 20), text->substr(0, 20));
    w.Hide();
    // Nations without a text keep what the box held.
    state().PlayerNation = NationItaly;
    w.Show();
    EXPECT_EQ(w.Memo1.caption.substr(0, 20), text->substr(0, 20));
}

TEST_F(FlowGameTest, SelectionListSummaryAndBackToMenu)
{
    TF04_SIDE& w = windows->selection;
    StartNewGame(state(), ModeMission);
    w.RebuildList();
    w.Show();
    EXPECT_EQ(state().PlayerNation, NationUnitedStates);
    EXPECT_FALSE(w.SBtNEXT.enabled);
    auto texts = Texts(w);
    EXPECT_TRUE(Shows(texts, "SELECT MISSION:"));
    EXPECT_TRUE(Shows(texts, "Name"));
    EXPECT_TRUE(Shows(texts, "START GAME"));
    EXPECT_TRUE(Shows(texts, "BACK TO MENU"));
    EXPECT_FALSE(Shows(texts, "HUMAN")) << "no summary before a row is chosen";

    const int coral = RowNamed("CORAL SEA");
    ASSERT_GT(coral, 0);
    w.dg1.SelectRow(coral);
    EXPECT_TRUE(w.SBtNEXT.enabled);
    EXPECT_EQ(state().CurrentScenario.Title.Str(), "CORAL SEA");
    texts = Texts(w);
    for (const std::string& text :
         {std::string("HUMAN"), std::string("PC"), std::string("VS"), std::string("Objective:"),
          std::string("Time:"), std::string("Resource:"), std::string("Unit Class:"), std::string("Technology:"),
          std::to_string(state().ProductionPoints) + " PP",
          std::to_string(state().SideStats(SidePlayer)[GoalLastTurnByte]) + " TURNS"})
    {
        EXPECT_TRUE(Shows(texts, text)) << text;
    }
    // The overview shows the chosen map: its middle is sea or land, never the blank ground.
    const platform::Point middle = OnScreen(w, 446 + 150, 19 + 150);
    EXPECT_NE(ScreenPixel(middle.x, middle.y), colours::Black);

    // BACK TO MENU: the cursor returns to row 1, whose mission is not taken; the curtain goes.
    state().Flow.Curtain = 1;
    w.SBtBACKClick();
    EXPECT_EQ(w.dg1.row, 1);
    EXPECT_EQ(state().Flow.Curtain, 0);
    EXPECT_FALSE(w.visible);
}

TEST_F(FlowGameTest, SelectionOfACampaignTakesItsFirstStepAndBlanksTheOverview)
{
    TF04_SIDE& w = windows->selection;
    StartNewGame(state(), ModeCampaign);
    w.RebuildList();
    w.Show();
    EXPECT_TRUE(Shows(Texts(w), "SELECT CAMPAIGN:"));
    ASSERT_FALSE(w.Rows().empty());
    for (const SelectionRow& row : w.Rows())
    {
        EXPECT_NE(row.FirstStep, 0) << row.Name;
    }
    w.dg1.SelectRow(1);
    EXPECT_EQ(state().CampaignStep, w.Rows()[0].FirstStep);
    EXPECT_FALSE(w.PBsummary.visible);
    EXPECT_FALSE(w.PBmap.visible);
}

TEST_F(FlowGameTest, BriefingFillsEveryLabelAndStartsOnce)
{
    // HAWAII ATTACK is played by Japan: its minor-victory line is yellow on the Japanese picture.
    ASSERT_NO_FATAL_FAILURE(ChooseRow(ModeMission, "HAWAII ATTACK"));
    TF08_UVOD& w = windows->briefing;
    w.Show();
    EXPECT_FALSE(w.Failed());
    EXPECT_EQ(state().Flow.Started, 1);
    EXPECT_GT(state().PlayerShipCount, 0);
    EXPECT_FALSE(w.LbIMEkamp.visible);
    EXPECT_EQ(w.LbIMEsc.caption, "HAWAII ATTACK");
    EXPECT_EQ(w.lbCILJ1.caption, ObjectiveText(state(), game().classes, SidePlayer));
    EXPECT_EQ(w.LBvreme.caption, "1. TURN");
    EXPECT_EQ(w.lbPP.caption, std::to_string(state().ProductionPoints) + " PP");
    EXPECT_EQ(w.lbLEV.caption, "CAPTAIN");
    EXPECT_EQ(w.lbT1.caption, ThresholdLabels(state())[0]);
    EXPECT_EQ(w.lbT3.font.colour, colours::Yellow);
    EXPECT_FALSE(w.lbKSC.visible);
    const auto texts = Texts(w);
    for (const char* text : {"MAJOR VICTORY", "VICTORY", "MINOR VICTORY", "OK"})
    {
        EXPECT_TRUE(Shows(texts, text)) << text;
    }
    EXPECT_TRUE(Shows(texts, w.LBtextOBJ1.caption));
    EXPECT_FALSE(w.sbtTUTOR.visible);
    const int enemies = state().EnemyShipCount;

    // Opened again (the headquarters' OBJECTIVE) it starts nothing.
    w.Hide();
    state().TurnNumber = 5;
    w.Show();
    EXPECT_EQ(state().EnemyShipCount, enemies);
    EXPECT_EQ(w.LBvreme.caption, "5. TURN");

    // OK before the first turn leads to the picture and the main window.
    w.Hide();
    state().TurnNumber = 0;
    w.Show();
    w.SBTokClick();
    EXPECT_TRUE(w.Exit().showPicture);
    EXPECT_TRUE(w.Exit().showMainWindow);
    EXPECT_FALSE(w.visible);
}

TEST_F(FlowGameTest, BriefingOfADeathMatchAndOfAMissionThatCannotStart)
{
    StartNewGame(state(), ModeDeathMatch);
    windows->selection.RebuildList();
    ASSERT_TRUE(SelectRow(game(), windows->selection.Rows()[0]));
    TF08_UVOD& w = windows->briefing;
    w.Show();
    EXPECT_TRUE(w.LbIMEkamp.visible);
    EXPECT_EQ(w.LbIMEkamp.caption, "DEATH MATCH");
    EXPECT_EQ(w.lbT3.font.colour, state().PlayerNation == NationJapan ? colours::Yellow : colours::Red);
    w.Hide();

    // A campaign step that the database lacks: a box, and the briefing closes for the menu.
    StartNewGame(state(), ModeCampaign);
    state().CampaignStep = 9999;
    state().Flow.Curtain = 1;
    // Every box that comes up is answered: the loader's and the briefing's own.
    platform::Timer answer(20, true);
    answer.onTimer = [this] { QueueKey(SDLK_RETURN); };
    w.Show();
    answer.SetEnabled(false);
    EXPECT_TRUE(w.Failed());
    EXPECT_EQ(state().Flow.Curtain, 0);
}

TEST_F(FlowGameTest, MissionPictureOfTheStep)
{
    TF_JPG& w = windows->missionPicture;
    state().GameMode = ModeMission;
    state().CurrentScenario.Title.Set("CORAL SEA");
    state().CampaignStep = 72;
    w.Show();
    EXPECT_EQ(w.titleBar.caption, " MISSION: CORAL SEA");
    ASSERT_FALSE(w.Shown().Empty());
    const platform::Picture expected = LoadGamePicture(*files, "BMP/1/" + MissionPictureCode(*files, 72) + ".JPG");
    app->Compose();
    const platform::Point centre = OnScreen(w, 400, 297);
    EXPECT_EQ(ScreenPixel(centre.x, centre.y), expected.Pixel(400, 297) & 0xFFFFFF);
    w.FormClick();
    EXPECT_FALSE(w.visible);

    // A step the table does not know shows no picture, and the window still works.
    state().CampaignStep = 1;
    w.Show();
    EXPECT_TRUE(w.Shown().Empty());
    w.FormClick();
    EXPECT_FALSE(w.visible);
}

TEST_F(FlowGameTest, CurtainShowsTheLayoutsPicture)
{
    windows->curtain.Show();
    app->Compose();
    const platform::Picture picture = LoadGamePicture(*files, "BMP/MENI/ram1366.jpg");
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(ScreenPixel(600, 300), picture.Pixel(600, 300) & 0xFFFFFF);
}

TEST_F(FlowTest, LeavingTheMainWindowBringsTheMenuBack)
{
    windows->menu.Show();
    state().Flow.Curtain = 1;
    windows->curtain.Show();
    // A game under way: the window only lays itself out when it is shown again.
    state().TurnNumber = 3;
    windows->mainWindow.Show();
    EXPECT_TRUE(windows->mainWindow.Active());
    windows->mainWindow.Hide();
    EXPECT_FALSE(windows->curtain.visible);
    EXPECT_EQ(state().Flow.Curtain, 0);
    EXPECT_TRUE(windows->menu.Active());
}

TEST_F(FlowTest, OpeningScreenRunsItsStepsAndItsPauseEndsOnAClick)
{
    TF0_KARA& w = windows->opening;
    int ran = 0;
    w.loadSteps.assign(5, [&] { ++ran; });
    // At speed 0 the pause takes no time: loading done, the screen closes by itself.
    w.Show();
    const std::uint64_t start = app->Now();
    while (w.visible && app->Now() - start < 5000)
    {
        app->ProcessMessages();
    }
    EXPECT_FALSE(w.visible);
    EXPECT_EQ(ran, 5);
    EXPECT_EQ(w.ProgressBar1.position, TF0_KARA::StepCount);

    // At full speed it waits after loading until a click.
    app->SetSpeedFactor(1.0);
    w.Show();
    const std::uint64_t again = app->Now();
    while (!w.Loaded() && app->Now() - again < 5000)
    {
        app->ProcessMessages();
    }
    ASSERT_TRUE(w.Loaded());
    EXPECT_TRUE(w.visible) << "the pause runs";
    w.FormClick();
    EXPECT_FALSE(w.visible);
    EXPECT_EQ(ran, 10);
}

} // namespace
} // namespace olvane
