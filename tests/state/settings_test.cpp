#include "state/settings.h"
#include "support/test_game.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace olvane
{

namespace
{

namespace fs = std::filesystem;

Settings Parse(std::string_view text, std::vector<std::string>* problemsOut = nullptr)
{
    std::vector<std::string> problems;
    Settings s = ParseSettings(text, problems);
    if (problemsOut)
    {
        *problemsOut = problems;
    }
    return s;
}

Settings Changed()
{
    Settings s;
    s.seaVariation = false;
    s.landVariation = false;
    s.landSet = 4;
    s.soundOn = false;
    s.enemyPhaseSpeed = EnemyPhaseSpeed::Faster;
    s.fullScreen = false;
    s.submissionAddress = "scores@example.org";
    s.unknown = {{"future_option", "some value = with equals"}, {"Another.key", ""}};
    return s;
}

} // namespace

TEST(Settings, EveryChoiceSurvivesTheFileAndAMissingFileGivesTheDefaults)
{
    test::TempDir dir;
    const fs::path path = dir.Path() / "config" / "olvane" / "settings.ini";
    std::vector<std::string> problems;
    EXPECT_EQ(ReadSettingsFile(path, problems), Settings{});
    EXPECT_TRUE(problems.empty());

    // Each field apart from its default, in both directions of the switches.
    for (const Settings& s : {Changed(), Settings{}})
    {
        ASSERT_TRUE(WriteSettingsFile(path, s));
        EXPECT_EQ(ReadSettingsFile(path, problems), s);
        EXPECT_TRUE(problems.empty()) << problems.front();
    }
    // Only the file itself is left in its folder, no temporary.
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);

    Settings scenarioSet;
    scenarioSet.landSet = 0;
    EXPECT_EQ(Parse(FormatSettings(scenarioSet)).landSet, 0);
}

TEST(Settings, ADamagedFileKeepsWhatItCanAndNamesEachLineItCannotRead)
{
    std::vector<std::string> problems;
    const std::string text = std::string("# a comment\r\n"
                                         "[section]\n"
                                         "SOUND = Off\r\n"
                                         "  land_pictures\t=  Steppe  \n"
                                         "sea_variation = maybe\n"
                                         "enemy_phase_speed = warp\n"
                                         "this line has no equals\n"
                                         "= value without a key\n"
                                         "odd key = 1\n"
                                         "full_screen = no\n"
                                         "full_screen = yes\n"
                                         "submission_address = -oProxyCommand@evil\n"
                                         "newer_key = kept\n") +
                             "bell = \x07\n";
    const Settings s = Parse(text, &problems);
    EXPECT_FALSE(s.soundOn);
    EXPECT_EQ(s.landSet, 5);
    EXPECT_TRUE(s.seaVariation);
    EXPECT_EQ(s.enemyPhaseSpeed, EnemyPhaseSpeed::Normal);
    EXPECT_TRUE(s.fullScreen) << "the later of two lines wins";
    EXPECT_EQ(s.submissionAddress, "");
    ASSERT_EQ(s.unknown.size(), 1u);
    EXPECT_EQ(s.unknown[0], std::make_pair(std::string("newer_key"), std::string("kept")));
    ASSERT_EQ(problems.size(), 7u);
    EXPECT_EQ(problems[0], "line 5: sea_variation = \"maybe\" is not on or off; it stays on");
    EXPECT_EQ(problems[1].rfind("line 6: enemy_phase_speed", 0), 0u);
    EXPECT_EQ(problems[2].rfind("line 7:", 0), 0u);
    EXPECT_EQ(problems[6].rfind("line 14: bell", 0), 0u);

    // Junk bytes end up as defaults and a bounded number of lines, never as a failure.
    std::string junk;
    for (int i = 0; i < 500; ++i)
    {
        junk += std::string("\0\xff=\n", 4);
    }
    EXPECT_EQ(Parse(junk, &problems), Settings{});
    ASSERT_EQ(problems.size(), 21u);
    EXPECT_EQ(problems.back(), "and 480 more lines that could not be read");
}

TEST(Settings, AFileThatCannotBeReadGivesTheDefaultsWithOneLine)
{
    test::TempDir dir;
    std::vector<std::string> problems;
    const fs::path big = dir.Write("big.ini", std::string(MaxSettingsBytes + 1, '#'));
    EXPECT_EQ(ReadSettingsFile(big, problems), Settings{});
    EXPECT_EQ(problems.size(), 1u);
    fs::create_directories(dir.Path() / "folder.ini");
    EXPECT_EQ(ReadSettingsFile(dir.Path() / "folder.ini", problems), Settings{});
    EXPECT_EQ(problems.size(), 2u);
    // A folder where the file should go: the write fails and says so.
    EXPECT_FALSE(WriteSettingsFile(dir.Path() / "folder.ini", Changed()));
}

TEST(Settings, TheFileLivesUnderTheAbsoluteConfigHomeOnly)
{
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string keptXdg = oldXdg ? oldXdg : "";
    const std::string keptHome = oldHome ? oldHome : "";
    ::setenv("HOME", "/home/player", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultSettingsPath(), fs::path("/cfg/olvane/settings.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(DefaultSettingsPath(), fs::path("/home/player/.config/olvane/settings.ini"));
    oldXdg ? ::setenv("XDG_CONFIG_HOME", keptXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    oldHome ? ::setenv("HOME", keptHome.c_str(), 1) : ::unsetenv("HOME");
}

TEST(Settings, SubmissionAddressesAreSafeToHandToTheMailProgram)
{
    for (std::string_view good : {"a@b", "scores@olvane.example", "first.last+tag@host.org"})
    {
        EXPECT_TRUE(ValidSubmissionAddress(good)) << good;
    }
    for (std::string_view bad : {"", "@host", "name@", "a@b@c", "-x@y", "a b@c", "a@b\n", "nobody"})
    {
        EXPECT_FALSE(ValidSubmissionAddress(bad)) << bad;
    }
    EXPECT_FALSE(ValidSubmissionAddress(std::string(250, 'a') + "@host"));
}

TEST(Settings, EnemyPhaseSpeedDividesItsPausesAndInstantSkipsThem)
{
    EXPECT_EQ(EnemyPhasePause(900, EnemyPhaseSpeed::Normal), 900);
    EXPECT_EQ(EnemyPhasePause(900, EnemyPhaseSpeed::Fast), 450);
    EXPECT_EQ(EnemyPhasePause(900, EnemyPhaseSpeed::Faster), 225);
    EXPECT_EQ(EnemyPhasePause(900, EnemyPhaseSpeed::Instant), 0);
}

} // namespace olvane
