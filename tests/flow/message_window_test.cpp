#include "flow/message_window.h"
#include "flow_fixture.h"
#include "platform/canvas.h"
#include "state/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace olvane
{
namespace
{

/// The message window over the game's windows and the generated game folder.
class MessageWindowTest : public test::FlowTest
{
protected:
    void SetUp() override
    {
        FlowTest::SetUp();
        Make();
    }

    void TearDown() override
    {
        window.reset();
        FlowTest::TearDown();
    }

    void Reopen(platform::Size desktop)
    {
        window.reset();
        Close();
        Open(desktop);
        Make();
    }

    void Make()
    {
        window = std::make_unique<TF70_PORUKA>(game(), *files);
        window->onClosed = [this] { ++closed; };
    }

    /// Shows the window for a code without its modal loop and returns what it drew.
    const std::vector<std::string>& Show(int code)
    {
        state().Flow.MessageCode = static_cast<std::uint8_t>(code);
        window->FormActivate();
        window->Show();
        app->Compose();
        return window->DrawnTexts();
    }

    /// A mission in turn 7 of a conquest with thresholds 10, 12 and 7.
    void Mission()
    {
        GameState& s = state();
        s.TurnNumber = 7;
        s.PlayerNation = NationUnitedStates;
        s.EnemyNation = NationJapan;
        s.SideStats(SidePlayer)[GoalTypeByte] = GoalConquerPorts;
        s.SideStats(SidePlayer)[GoalBestByte] = 10;
        s.SideStats(SidePlayer)[GoalMiddleByte] = 12;
        s.SideStats(SidePlayer)[GoalLeastByte] = 7;
        s.CurrentScenario.Title.Set("CORAL SEA");
    }

    std::unique_ptr<TF70_PORUKA> window;
    int closed = 0;
};

TEST_F(MessageWindowTest, TheMissionStatusShowsItsCountersAndOffersASave)
{
    Mission();
    const auto& texts = Show(1);
    EXPECT_TRUE(Shows(texts, "TURN 7"));
    EXPECT_TRUE(Shows(texts, "MINOR VICTORY: LAST TURN"));
    EXPECT_TRUE(Shows(texts, "Conquer all enemy major ports"));
    EXPECT_TRUE(window->BTsave.visible);
    app->Framebuffer().SavePng(std::filesystem::temp_directory_path() / "olvane-message-status-1366.png");

    // SAVE GAME takes the offered name; which turn the file holds is the save's own test.
    QueueKey(SDLK_RETURN);
    window->BTsaveClick();
    const std::filesystem::path saved = files->SaveDir() / SaveFileName(DefaultSaveName(state()));
    EXPECT_TRUE(std::filesystem::exists(saved)) << saved;
    EXPECT_FALSE(window->BTsave.visible);

    // After EXIT TO MENU the status offers nothing to save.
    state().Flow.Quit = 1;
    Show(1);
    EXPECT_FALSE(window->BTsave.visible);
}

TEST_F(MessageWindowTest, CodesPickTheirPictureFlagAndLinesAndAnyKeyCloses)
{
    Mission();
    state().PortCount = 3;
    state().Port(3).X = 20;
    state().Port(3).Y = 9;
    auto texts = Show(133);
    EXPECT_TRUE(Shows(texts, "7. TURN"));
    EXPECT_TRUE(Shows(texts, "Enemy has conquered"));
    EXPECT_TRUE(Shows(texts, "Port 20-9"));
    EXPECT_FALSE(window->BTsave.visible);
    EXPECT_FALSE(window->lb0.visible);

    texts = Show(253);
    EXPECT_TRUE(Shows(texts, "WARNING"));
    EXPECT_TRUE(Shows(texts, "You can`t have planes in this mission."));

    // A nation of 0 is drawn as the first flag, never written back.
    state().PlayerNation = 0;
    Show(52);
    EXPECT_EQ(state().PlayerNation, 0);
    window->Hide();

    QueueKey(SDLK_SPACE);
    window->ShowCode(53);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(state().Flow.MessageCode, 53);
}

TEST_F(MessageWindowTest, TheAboutLineOpensItsPageAndFitsInBothLayouts)
{
    for (const platform::Size desktop : {platform::Size{1366, 768}, platform::Size{1024, 768}})
    {
        Reopen(desktop);
        std::string opened;
        window->openPage = [&opened](const std::string& page) { opened = page; };
        const auto& texts = Show(53);
        EXPECT_TRUE(Shows(texts, "Check for new updates and missions"));
        app->Framebuffer().SavePng(std::filesystem::temp_directory_path() /
                                   ("message-about-" + std::to_string(desktop.width) + ".png"));
        window->LB3.Click();
        EXPECT_EQ(opened, "https://olvane.example.org");
        EXPECT_TRUE(window->Showing()) << "the web line opens its page instead of closing";
        window->LB2.Click();
        EXPECT_FALSE(window->Showing());
        // Every line's text fits its label, the longest warning among them.
        state().Flow.MessageCode = 251;
        window->FormActivate();
        platform::Picture scratch(1, 1);
        platform::Canvas measure(scratch);
        for (platform::Label* label : {&window->LB1, &window->LB2, &window->LB3, &window->LB4, &window->lb5})
        {
            measure.font = label->font;
            EXPECT_LE(measure.TextWidth(label->caption), label->bounds.width) << label->caption;
        }
    }
}

} // namespace
} // namespace olvane
