// The headquarters and the windows it opens, on the game's windows as the
// program wires them, in a real mission of the generated game folder.

#include "flow/flow_fixture.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "state/cell_code.h"
#include "support/place_unit.h"
#include "turn/fleet_overview.h"
#include "turn/game_flow.h"
#include "turn/production.h"
#include "turn/technology.h"

namespace olvane::test
{

namespace
{

namespace colours = platform::colours;

/// A mission under way at turn 2 with the player's starting fleet, the windows
/// of the game created; the desktop is the test's parameter.
class HqTest : public FlowTest, public ::testing::WithParamInterface<platform::Size>
{
protected:
    void SetUp() override
    {
        Open(GetParam());
        if (!HaveGameFolder())
        {
            GTEST_SKIP() << "no generated game folder in this build";
        }
        ASSERT_NO_FATAL_FAILURE(ChooseRow(ModeMission, "DEVIL ISLAND"));
        ASSERT_EQ(ActivateBriefing(game()), BriefingStart::Started);
        LeaveBriefing(game());
        state().TurnNumber = 2;
        state().ProductionPoints = 2000;
    }

    /// The window lies whole on the framebuffer.
    void ExpectOnScreen(platform::Form& form)
    {
        const platform::Rect screen = app->Framebuffer().Bounds();
        EXPECT_GE(form.bounds.x, 0);
        EXPECT_GE(form.bounds.y, 0);
        EXPECT_LE(form.bounds.Right(), screen.width);
        EXPECT_LE(form.bounds.Bottom(), screen.height);
    }

    /// Takes the next plain box's answer from a key queued by a timer while a
    /// handler waits.
    void AnswerBoxesWith(SDL_Keycode key)
    {
        answer_ = std::make_unique<platform::Timer>(20, true);
        // One key per box: a second one would stay queued for the next box.
        answer_->onTimer = [this, key] {
            answer_->SetEnabled(false);
            QueueKey(key);
        };
    }

    void StopAnswering()
    {
        answer_.reset();
        SDL_FlushEvent(SDL_KEYDOWN);
    }

    int CountOf(const std::vector<std::string>& texts, const std::string& text)
    {
        return static_cast<int>(std::count(texts.begin(), texts.end(), text));
    }

    std::unique_ptr<platform::Timer> answer_;
};

class SilentOutput final : public platform::SoundOutput
{
public:
    bool Play(const std::filesystem::path&) override { return true; }
};

TEST_P(HqTest, ProductionListsUnitsPaysAndCreatesThemOnFinish)
{
    TF6_KUPI& w = windows->purchase;
    w.tag = ProductionFromMainWindow;
    w.Show();
    ExpectOnScreen(w);
    const auto& shown = Texts(w);
    EXPECT_TRUE(Shows(shown, "Unit Production"));
    EXPECT_TRUE(Shows(shown, "Patrol Boat"));
    EXPECT_TRUE(Shows(shown, "2000"));
    EXPECT_TRUE(Shows(shown, "RESTRICTION:"));

    const int destroyers = PurchaseRowOf(43);
    w.DG1.SelectRow(destroyers);
    w.btKUPIClick();
    w.btKUPIClick();
    w.btVRATIClick();
    EXPECT_EQ(w.LbLOVA.caption, std::to_string(2000 - game().classes.Class(43).Price));
    EXPECT_EQ(w.List().Count[destroyers], 1);

    // Where FINISH puts the units and what waits for deployment is the production's own test.
    const int before = state().PlayerShipCount;
    w.BTfinishClick();
    EXPECT_FALSE(w.Showing());
    EXPECT_EQ(w.Result().exit, ProductionExit::MainWindow);
    EXPECT_EQ(state().PlayerShipCount, before + 1);
}

TEST_P(HqTest, TechnologyListColoursMarksAndBuysTheSelectedOne)
{
    TF_TECH& w = windows->technology;
    w.Show();
    ExpectOnScreen(w);
    EXPECT_EQ(w.Attribute(), TechArmor);
    EXPECT_EQ(w.Rows().size(), 24u);
    const auto& shown = Texts(w);
    for (const char* text : {"Achieved technology", "Avaliable technology", "Previous technology needed",
                             "Applies to:", "Extended Armor 1", " Available Production Points: 2000 PP "})
    {
        EXPECT_TRUE(Shows(shown, text)) << text;
    }

    // Destroyer armour mark 1, then the list shows it achieved and mark 2
    // available.
    const int mark = TechIndexOf(4, TechArmor, 1);
    const auto row = std::find(w.Rows().begin(), w.Rows().end(), mark) - w.Rows().begin() + 1;
    w.DG1.SelectRow(static_cast<int>(row));
    EXPECT_TRUE(Shows(Texts(w), "Increases default unit`s armor for 1 point."));
    EXPECT_TRUE(Shows(Texts(w), "Destroyer"));
    const platform::Rect cell = w.DG1.CellRect(3, static_cast<int>(row));
    const platform::Point at = w.DG1.ScreenOrigin();
    EXPECT_EQ(ScreenPixel(at.x + cell.x + cell.width - 3, at.y + cell.y + 3), colours::Silver);
    w.btKUPIClick();
    EXPECT_EQ(w.lbPare.caption,
              " Available Production Points: " + std::to_string(state().ProductionPoints) + " PP ");
    app->Compose();
    EXPECT_EQ(ScreenPixel(at.x + cell.x + cell.width - 3, at.y + cell.y + 3), colours::Teal);

    w.SelectAttribute(TechRadar);
    EXPECT_EQ(w.Rows().size(), 10u);
    EXPECT_TRUE(Shows(Texts(w), "Extended Radar 1"));
    w.btKraj.Click();
    EXPECT_FALSE(w.Showing());
}

TEST_P(HqTest, ASpeedMarkWidensTheSelectedUnitsReachAtOnce)
{
    GameState& s = state();
    const int ship = PlayerBaseId + 1;
    const auto reachable = [&] {
        int n = 0;
        for (int x = 1; x <= s.MapWidth; ++x)
        {
            for (int y = 1; y <= s.MapHeight; ++y)
            {
                n += DecodeCell(s, x, y).highlight != 0 ? 1 : 0;
            }
        }
        return n;
    };
    s.SelectedUnit = static_cast<std::uint16_t>(ship);
    s.Unit(ship).MovedThisTurn = 0;
    windows->mainWindow.ShowReach();
    const int before = reachable();
    ASSERT_GT(before, 0);

    TF_TECH& w = windows->technology;
    w.Show();
    w.SelectAttribute(TechSpeed);
    const int mark = TechIndexOf(ClassCategoryOf(s.Unit(ship).Class), TechSpeed, 1);
    const auto row = std::find(w.Rows().begin(), w.Rows().end(), mark) - w.Rows().begin() + 1;
    w.DG1.SelectRow(static_cast<int>(row));
    w.btKUPIClick();
    EXPECT_EQ(s.Unit(ship).Speed, game().classes.Class(s.Unit(ship).Class).Speed + 1);
    EXPECT_GT(reachable(), before);
    w.Close();
}

TEST_P(HqTest, HeadquartersSummarisesTheFleetInColumnsOf21)
{
    TF95_HQ& w = windows->hq;
    GameState& s = state();
    // 25 units: 21 in the first column, the rest under a second set of headings.
    for (int slot = 1; slot <= 25; ++slot)
    {
        PlaceUnit(game(), PlayerBaseId + slot, 43, slot + 2, 3);
    }
    s.PlayerShipCount = 25;
    w.Show();
    ExpectOnScreen(w);
    auto shown = Texts(w);
    EXPECT_EQ(CountOf(shown, "Armor"), 2);
    EXPECT_TRUE(Shows(shown, "Unit 60025"));
    for (const char* caption :
         {"OBJECTIVE", "ORDER OF BATTLE", "DESTROYED UNITS", " UNIT PRODUCTION", "TECHNOLOGY", "TUTORIAL",
          "Options", "HELP", "RETURN TO GAME", "EXIT TO MENU", "EXIT TO WINDOWS", "Sound "})
    {
        EXPECT_TRUE(Shows(shown, caption)) << caption;
    }
    EXPECT_TRUE(w.sbtTECH.visible);

    s.PlayerShipCount = 21;
    shown = Texts(w);
    EXPECT_EQ(CountOf(shown, "Armor"), 1);
    EXPECT_FALSE(Shows(shown, "Unit 60022"));

    // A hunt for every enemy unit names the enemies still afloat.
    s.SideStats(SidePlayer)[GoalTypeByte] = GoalDestroyAll;
    EXPECT_TRUE(Shows(Texts(w), HqMissionLine(s)));
    w.btRETURNClick();
    EXPECT_FALSE(w.Showing());
    EXPECT_EQ(w.Exit(), HqExit::ReturnToGame);
}

TEST_P(HqTest, ExitToMenuAskedFirstAndTheSoundSwitchIsTheProgramsOwn)
{
    TF95_HQ& w = windows->hq;
    w.Show();
    AnswerBoxesWith(SDLK_ESCAPE);
    w.btENDClick();
    StopAnswering();
    EXPECT_TRUE(w.Showing());
    EXPECT_EQ(state().GameOver, 0);

    SilentOutput silent;
    platform::SoundEffects sounds([](std::string_view) { return std::nullopt; }, silent, [](int) {});
    platform::InstallSoundEffects(&sounds);
    w.cbSound.Click();
    EXPECT_FALSE(sounds.switchOn);
    w.cbSound.Click();
    EXPECT_TRUE(sounds.switchOn);
    platform::InstallSoundEffects(nullptr);

    AnswerBoxesWith(SDLK_RETURN);
    w.btENDClick();
    StopAnswering();
    EXPECT_FALSE(w.Showing());
    EXPECT_EQ(w.Exit(), HqExit::ExitToMenu);
    EXPECT_EQ(state().GameOver, 1);
    EXPECT_EQ(state().GameResult, ResultQuit);
    EXPECT_EQ(state().Flow.Quit, 1);
    EXPECT_TRUE(windows->EndOfGamePending()) << "the end-of-game window is on its way";

    // EXIT TO WINDOWS answered No changes nothing; Yes leaves the program.
    state().Flow.Quit = 0;
    w.Show();
    AnswerBoxesWith(SDLK_ESCAPE);
    w.btWINClick();
    StopAnswering();
    EXPECT_TRUE(w.Showing());
    EXPECT_EQ(state().Flow.Quit, 0);
    AnswerBoxesWith(SDLK_RETURN);
    w.btWINClick();
    StopAnswering();
    EXPECT_FALSE(w.Showing());
    EXPECT_EQ(w.Exit(), HqExit::ExitToWindows);
    EXPECT_EQ(state().Flow.Quit, 1);
}

TEST_P(HqTest, FleetOverviewShowsTheOrderOfBattleAndBothSidesLosses)
{
    TF90_FLOTA& w = windows->fleet;
    GameState& s = state();
    s.Flow.FleetOverviewMode = TF90_FLOTA::ModeOrderOfBattle;
    w.Show();
    ExpectOnScreen(w);
    auto shown = Texts(w);
    for (const auto& group : FleetGroups)
    {
        EXPECT_TRUE(Shows(shown, std::string(group.Heading))) << group.Heading;
    }
    w.btOKClick();
    EXPECT_FALSE(w.Showing());

    s.DestroyedList = DestroyedListRec{};
    s.DestroyedList.Entries[0] = DestroyedEntry{43, SidePlayer};
    s.DestroyedList.Entries[1] = DestroyedEntry{43, SidePlayer};
    s.DestroyedList.Entries[2] = DestroyedEntry{63, SideEnemy};
    s.DestroyedList.Count = 3;
    s.Flow.FleetOverviewMode = TF90_FLOTA::ModeLosses;
    w.Show();
    shown = Texts(w);
    EXPECT_TRUE(Shows(shown, "DESTROYED UNITS"));
    EXPECT_TRUE(Shows(shown, "LOST UNITS"));
    EXPECT_TRUE(Shows(shown, "DESTROYED ENEMY UNITS"));
    EXPECT_TRUE(Shows(shown, game().classes.Class(43).Abbrev.Str() + "  x 2"));
    EXPECT_TRUE(Shows(shown, game().classes.Class(63).Abbrev.Str() + "  x 1"));
    w.Close();
}

INSTANTIATE_TEST_SUITE_P(Layouts, HqTest,
                         ::testing::Values(platform::Size{1366, 768}, platform::Size{1024, 768}),
                         [](const auto& layout) { return std::to_string(layout.param.width) + "x768"; });

} // namespace

} // namespace olvane::test
