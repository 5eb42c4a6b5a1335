#pragma once

#include "platform/application.h"

#include <gtest/gtest.h>
#include <memory>

namespace olvane::platform::test
{

/// Every form test runs on a fresh application in a 1024 x 768 window (the layout of that
/// desktop), so framebuffer and window pixels are the same.
class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ApplicationOptions options;
        options.windowed = true;
        options.desktopSize = Size{1024, 768};
        app = std::make_unique<Application>(options);
    }

    void TearDown() override { app.reset(); }

    /// Queues a left (or right) click at a framebuffer point, as the player's mouse would.
    void QueueClick(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
    {
        Point w = app->FramebufferToWindow(Point{x, y});
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

    void QueueKey(SDL_Keycode key, Uint16 mod = KMOD_NONE)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = key;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }

    void QueueText(const char* text)
    {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        SDL_strlcpy(e.text.text, text, sizeof e.text.text);
        SDL_PushEvent(&e);
    }

    std::unique_ptr<Application> app;
};

} // namespace olvane::platform::test
