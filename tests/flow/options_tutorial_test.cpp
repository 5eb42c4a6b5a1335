#include "flow_fixture.h"
#include "platform/sound.h"
#include "state/settings.h"

#include <fstream>
#include <sstream>

namespace olvane
{

namespace
{

using test::FlowGameTest;
using test::FlowTest;

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(FlowTest, OptionsShowTheSettingsAndEveryChoiceReachesTheGameAndTheFile)
{
    windows->settingsPath = userDir / "config" / "settings.ini";
    platform::MixerOutput mixer;
    platform::SoundEffects sounds([](std::string_view) { return std::nullopt; }, mixer, nullptr);
    platform::InstallSoundEffects(&sounds);
    TF_OPT& options = windows->options;

    // A fresh game: varied fields and the scenario's own land pictures.
    options.FormShow();
    EXPECT_TRUE(options.RBsea1.Checked());
    EXPECT_TRUE(options.RBland1.Checked());
    EXPECT_TRUE(options.RadioButton7.Checked());
    EXPECT_FALSE(options.RadioButton0.Checked());
    EXPECT_TRUE(options.rbNORMAL.Checked());

    options.rbSEA0.Click();
    options.rbLAND0.Click();
    options.RadioButton2.Click();
    options.rbFASTER.Click();
    EXPECT_FALSE(windows->mainWindow.varySea);
    EXPECT_FALSE(windows->mainWindow.varyLand);
    EXPECT_EQ(windows->mainWindow.landSet, 2);
    EXPECT_EQ(windows->mainWindow.enemyPhaseSpeed, EnemyPhaseSpeed::Faster);
    EXPECT_EQ(options.SampleSuffix(), "2");
    std::vector<std::string> problems;
    Settings written = ReadSettingsFile(windows->settingsPath, problems);
    EXPECT_EQ(written, windows->settings);
    EXPECT_EQ(written.landSet, 2);
    EXPECT_NE(FileText(windows->settingsPath).find("land_pictures = rocks"), std::string::npos);

    // The sound switch of the headquarters is one of the kept settings too.
    windows->settings.soundOn = false;
    windows->SettingsChanged();
    EXPECT_FALSE(sounds.switchOn);
    EXPECT_FALSE(ReadSettingsFile(windows->settingsPath, problems).soundOn);

    // The scenario's own set follows the scenario; an empty suffix is the default sheet.
    options.RadioButton7.Click();
    state().CurrentScenario.Tag.Set("5");
    EXPECT_EQ(options.SampleSuffix(), "5");
    state().CurrentScenario.Tag.Set("");
    EXPECT_EQ(options.SampleSuffix(), "");
    EXPECT_EQ(windows->mainWindow.landSet, ScenarioLandSet);

    // Opened again, the window marks what was chosen.
    options.FormShow();
    EXPECT_TRUE(options.rbSEA0.Checked());
    EXPECT_TRUE(options.rbLAND0.Checked());
    EXPECT_TRUE(options.RadioButton7.Checked());
    EXPECT_TRUE(options.rbFASTER.Checked());
    EXPECT_TRUE(problems.empty());
    platform::InstallSoundEffects(nullptr);
}

TEST_F(FlowTest, TutorialStepsThroughItsSevenPagesWithTheButtonsOnlyWhereTheyLead)
{
    TFTUTOR& tutor = windows->tutorial;
    tutor.FormShow();
    ASSERT_EQ(tutor.sheets.size(), 7u);
    EXPECT_EQ(tutor.Page(), 0);
    EXPECT_EQ(tutor.sheets[0]->caption, "main");
    EXPECT_TRUE(tutor.btNEXT.enabled);
    EXPECT_FALSE(tutor.btBACK.enabled);
    // BACK on the first page stays there.
    tutor.btBACKClick();
    EXPECT_EQ(tutor.Page(), 0);

    tutor.btNEXTClick();
    EXPECT_EQ(tutor.Page(), 1);
    EXPECT_TRUE(tutor.btBACK.enabled);
    for (int page = 2; page <= 6; ++page)
    {
        tutor.btNEXTClick();
        EXPECT_EQ(tutor.Page(), page);
        EXPECT_EQ(tutor.btNEXT.enabled, page < 6) << page;
    }
    EXPECT_EQ(tutor.sheets[6]->caption, "victory");
    tutor.btNEXTClick();
    EXPECT_EQ(tutor.Page(), 6) << "NEXT on the last page goes nowhere";
    tutor.btBACKClick();
    EXPECT_EQ(tutor.Page(), 5);
    EXPECT_TRUE(tutor.btNEXT.enabled);

    // A tab leads straight to its page with the same rules.
    tutor.PC.SetActivePage(0);
    tutor.ShowPage(tutor.PC.ActivePage());
    EXPECT_FALSE(tutor.btBACK.enabled);
    tutor.ShowPage(6);
    EXPECT_FALSE(tutor.btNEXT.enabled);

    // Opening it again starts on the first page.
    tutor.FormShow();
    EXPECT_EQ(tutor.Page(), 0);
    EXPECT_FALSE(tutor.btBACK.enabled);
}

TEST_F(FlowGameTest, EveryTutorialPageShowsItsTextAndAPicture)
{
    TFTUTOR& tutor = windows->tutorial;
    tutor.Show();
    tutor.FormShow();
    for (int page = 0; page < TutorialPageCount; ++page)
    {
        tutor.ShowPage(page);
        const auto& texts = Texts(tutor);
        EXPECT_TRUE(Shows(texts, std::string(TutorialPages()[static_cast<std::size_t>(page)].heading)))
            << page;
        // The picture is drawn: its middle is not the bare navy of a missing picture.
        const platform::Point at = tutor.pbPicture.ScreenOrigin();
        const platform::Colour middle = ScreenPixel(at.x + TFTUTOR::PictureWidth / 2, at.y + 20);
        EXPECT_NE(middle, platform::colours::Navy) << "page " << page;
    }
    tutor.Hide();
}

} // namespace olvane
