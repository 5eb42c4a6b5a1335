#pragma once

#include "flow/game_windows.h"
#include "platform/application.h"
#include "state/data_files.h"
#include "turn/game_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace olvane::test
{

/// Every window of the game's start over the generated game folder, on a fresh application of
/// a desktop size (1366 x 768 unless a test asks for another). Pauses take no time and the
/// opening screen is left out unless a test shows it.
class FlowTest : public ::testing::Test
{
protected:
    void SetUp() override { Open(platform::Size{1366, 768}); }

    void TearDown() override { Close(); }

    void Open(platform::Size desktop)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        platform::ApplicationOptions options;
        options.windowed = true;
        options.desktopSize = desktop;
        app = std::make_unique<platform::Application>(options);
        app->SetSpeedFactor(0.0);
        userDir = std::filesystem::temp_directory_path() / ("olvane-flow-" + std::to_string(::getpid()));
        files = std::make_unique<DataFiles>(OLVANE_GAME_DIR, userDir);
        windows = std::make_unique<GameWindows>(random, *files, clock, 2);
        windows->menu.onFirstActivation = nullptr;
    }

    void Close()
    {
        windows.reset();
        files.reset();
        app.reset();
        std::error_code ignored;
        std::filesystem::remove_all(userDir, ignored);
    }

    /// The generated folder is made by the build; without it the picture checks cannot run.
    static bool HaveGameFolder()
    {
        return std::filesystem::exists(std::filesystem::path(OLVANE_GAME_DIR) / "BAZE" / "SCEN" / "SCENARIO2.FLS");
    }

    GameState& state() { return windows->GameData().state; }

    Game& game() { return windows->GameData(); }

    /// The texts a window showed in the frame just composed.
    const std::vector<std::string>& Texts(platform::Form& form)
    {
        app->Compose();
        return form.DrawnTexts();
    }

    static bool Shows(const std::vector<std::string>& texts, const std::string& text)
    {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    platform::Colour ScreenPixel(int x, int y) { return app->Framebuffer().Pixel(x, y) & 0xFFFFFF; }

    /// The framebuffer point of a window's client pixel.
    static platform::Point OnScreen(const FlowWindow& window, int x, int y)
    {
        return platform::Point{window.bounds.x + x, window.bounds.y + FlowWindow::TitleHeight + y};
    }

    /// A key for the next modal loop (a message box) to take, so handlers that show one return.
    void QueueKey(SDL_Keycode key)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }

    /// The index of the first row of the selection list whose name starts with `name`.
    int RowNamed(const std::string& name)
    {
        const auto& rows = windows->selection.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            if (rows[i].Name.rfind(name, 0) == 0)
            {
                return static_cast<int>(i) + 1;
            }
        }
        return 0;
    }

    /// A new game of `mode` at CAPTAIN with the selection row named `name` chosen, as the
    /// selection screen leaves it.
    void ChooseRow(std::uint8_t mode, const std::string& name)
    {
        StartNewGame(state(), mode);
        OpenDifficulty(state());
        windows->selection.RebuildList();
        const int row = RowNamed(name);
        ASSERT_GT(row, 0) << name;
        ASSERT_TRUE(SelectRow(game(), windows->selection.Rows()[static_cast<std::size_t>(row - 1)]));
    }

    FixedSeedSource seeds{7};
    Random random{seeds};
    SteadyClock clock;
    std::unique_ptr<platform::Application> app;
    std::filesystem::path userDir;
    std::unique_ptr<DataFiles> files;
    std::unique_ptr<GameWindows> windows;
};

/// The same over the game folder the build generated; a build without one skips the test.
class FlowGameTest : public FlowTest
{
protected:
    void SetUp() override
    {
        FlowTest::SetUp();
        if (!HaveGameFolder())
        {
            GTEST_SKIP() << "no generated game folder in this build";
        }
    }
};

} // namespace olvane::test
