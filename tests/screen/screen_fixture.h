#pragma once

#include "platform/application.h"
#include "screen/main_window.h"
#include "state/class_table.h"
#include "state/data_files.h"
#include "support/place_unit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace olvane::test
{

/// The main game window on a fresh application of the 1366 x 768 layout (24 x 18 cells), over a
/// small open sea of 40 x 40 fields at turn 1, with the generated pictures when the build made
/// them. Pauses take no time and the message window records its codes instead of waiting.
class ScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        platform::ApplicationOptions options;
        options.windowed = true;
        options.desktopSize = platform::Size{1366, 768};
        app = std::make_unique<platform::Application>(options);
        app->SetSpeedFactor(0.0);
        userDir = std::filesystem::temp_directory_path() / ("olvane-screen-" + std::to_string(::getpid()));
        files = std::make_unique<DataFiles>(OLVANE_GAME_DIR, userDir);
        form = std::make_unique<TForm1>(random, *files, clock);
        form->onShowMessage = [this](int code) { messages.push_back(code); };
        GameState& s = state();
        ResetGame(s);
        s.MapWidth = 40;
        s.MapHeight = 40;
        ClearMaps(s);
        s.TurnNumber = 1;
        s.PlayerNation = 1;
        s.EnemyNation = 2;
        form->Show();
        Redraw();
    }

    void TearDown() override
    {
        form.reset();
        app.reset();
        std::error_code ignored;
        std::filesystem::remove_all(userDir, ignored);
    }

    GameState& state() { return form->GameData().state; }

    Game& game() { return form->GameData(); }

    void Redraw()
    {
        form->RedrawOverview();
        form->RedrawView();
    }

    /// A unit of a class with its class values on a field, as unit creation leaves it (see
    /// place_unit.h), with its own field as the field it was placed on.
    UnitRec& Place(int id, int cls, int x, int y, int x2 = 0, int y2 = 0)
    {
        UnitRec& u = test::PlaceUnit(game(), id, cls, x, y, x2, y2);
        u.PlacedX = u.X;
        u.PlacedY = u.Y;
        return u;
    }

    /// The centre pixel of a field in the tactical view.
    platform::Point Centre(int x, int y)
    {
        return platform::Point{(x - state().ViewX - 1) * CellSize + CellSize / 2,
                               (y - state().ViewY - 1) * CellSize + CellSize / 2};
    }

    /// What the map view shows of a field now.
    platform::Picture Shown(int x, int y)
    {
        const platform::Rect r = form->CellRect(x, y);
        return form->EKR.picture.Cut(r);
    }

    static bool Same(const platform::Picture& a, const platform::Picture& b)
    {
        if (a.Width() != b.Width() || a.Height() != b.Height())
        {
            return false;
        }
        for (int y = 0; y < a.Height(); ++y)
        {
            for (int x = 0; x < a.Width(); ++x)
            {
                if ((a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF))
                {
                    return false;
                }
            }
        }
        return true;
    }

    platform::Colour OverviewPixel(int x, int y)
    {
        const int scale = TForm1::OverviewScale(std::max(state().MapWidth, state().MapHeight));
        return form->SMPBox.picture.Pixel((x - 1) * scale + scale / 2, (y - 1) * scale + scale / 2) & 0xFFFFFF;
    }

    void LeftClick(int x, int y)
    {
        const platform::Point p = Centre(x, y);
        form->EKRMouseDown(platform::MouseButton::Left, 0, p.x, p.y);
        form->EKRMouseUp(platform::MouseButton::Left, 0, p.x, p.y);
    }

    void RightClick(int x, int y)
    {
        const platform::Point p = Centre(x, y);
        form->EKRMouseDown(platform::MouseButton::Right, 0, p.x, p.y);
    }

    /// Queues a click on a field for the event loop, as the player's mouse, to be taken by a
    /// wait that handles input (the fire-target wait).
    void QueueClick(int x, int y, Uint8 button) { QueuePixelClick(Centre(x, y), button); }

    /// The same at a framebuffer point, for a form other than the fixture's own.
    void QueuePixelClick(platform::Point p, Uint8 button)
    {
        const platform::Point w = app->FramebufferToWindow(p);
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        {
            SDL_Event e{};
            e.type = type;
            e.button.button = button;
            e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.button.x = w.x;
            e.button.y = w.y;
            SDL_PushEvent(&e);
        }
    }

    void QueueKey(SDL_Keycode key)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }

    FixedSeedSource seeds{4242};
    Random random{seeds};
    SteadyClock clock;
    std::filesystem::path userDir;
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<DataFiles> files;
    std::unique_ptr<TForm1> form;
    std::vector<int> messages;
};

} // namespace olvane::test
