#include "platform/app_fixture.h"
#include "platform/form.h"
#include "platform/frame_diff.h"
#include "platform/picture.h"

#include <cstring>

namespace olvane::platform
{
namespace
{

bool SameRect(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

TEST(FrameDiff, FindsEachChangeTightlyAndJoinsOnlyTouchingBands)
{
    Picture shown(200, 100, colours::Navy);
    Picture next(shown);
    EXPECT_TRUE(ChangedRects(*shown.Surface(), *next.Surface()).empty());

    // A change in the last column of the last row: the scan from either end stops on it.
    next.SetPixel(199, 99, colours::Red);
    auto rects = ChangedRects(*shown.Surface(), *next.Surface());
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(SameRect(rects[0], SDL_Rect{199, 99, 1, 1}));

    // A block across a band boundary is one rectangle; a change far below is another.
    next = shown;
    for (int y = 10; y < 21; ++y)
    {
        for (int x = 30; x < 34; ++x)
        {
            next.SetPixel(x, y, colours::Yellow);
        }
    }
    next.SetPixel(0, 60, colours::Red);
    rects = ChangedRects(*shown.Surface(), *next.Surface());
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_TRUE(SameRect(rects[0], SDL_Rect{30, 10, 4, 11}));
    EXPECT_TRUE(SameRect(rects[1], SDL_Rect{0, 60, 1, 1}));

    // Touching bands in other columns stay apart rather than cover what did not change.
    next = shown;
    next.SetPixel(5, 15, colours::Red);
    next.SetPixel(150, 16, colours::Red);
    rects = ChangedRects(*shown.Surface(), *next.Surface());
    EXPECT_EQ(rects.size(), 2u);

    CopyRects(*next.Surface(), *shown.Surface(), rects);
    EXPECT_TRUE(ChangedRects(*shown.Surface(), *next.Surface()).empty());
}

bool WindowShowsFrame(Application& app)
{
    SDL_Surface* window = SDL_GetWindowSurface(app.Window());
    const SDL_Surface* frame = app.Framebuffer().Surface();
    if (window == nullptr || window->w != frame->w || window->h != frame->h)
    {
        return false;
    }
    for (int y = 0; y < frame->h; ++y)
    {
        const auto* a = static_cast<const std::uint8_t*>(window->pixels) + y * window->pitch;
        const auto* b = static_cast<const std::uint8_t*>(frame->pixels) + y * frame->pitch;
        if (std::memcmp(a, b, static_cast<std::size_t>(frame->w) * 4) != 0)
        {
            return false;
        }
    }
    return true;
}

using WindowPushTest = test::AppTest;

TEST_F(WindowPushTest, ASmallChangePushesOnlyItselfAndTheWindowAlwaysShowsTheFrame)
{
    Form back;
    back.MakeFullScreen();
    back.colour = colours::Teal;
    back.Show();
    Form mark;
    mark.SetBounds(100, 200, 6, 6);
    mark.colour = colours::Red;
    mark.Show();
    app->Present();
    ASSERT_TRUE(WindowShowsFrame(*app));

    std::uint64_t pushed = app->PushedPixelCount();
    mark.colour = colours::Yellow;
    MarkDrawn();
    app->Present();
    EXPECT_EQ(app->PushedPixelCount() - pushed, 36u) << "a blink costs its own cell";
    EXPECT_TRUE(WindowShowsFrame(*app));

    // Nothing changed: nothing pushed, yet the frame counts as shown.
    pushed = app->PushedPixelCount();
    const std::uint64_t shown = app->PresentCount();
    app->Present();
    EXPECT_EQ(app->PushedPixelCount(), pushed);
    EXPECT_EQ(app->PresentCount(), shown + 1);

    // Uncovered, the window may have lost everything while its surface still holds the frame:
    // the next frame goes whole.
    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    exposed.window.windowID = SDL_GetWindowID(app->Window());
    SDL_PushEvent(&exposed);
    pushed = app->PushedPixelCount();
    app->HandleMessage();
    EXPECT_EQ(app->PushedPixelCount() - pushed, 1024u * 768u);

    // Scaled, the frame goes through the renderer; back at the layout's size the window shows
    // the frame drawn meanwhile.
    SDL_SetWindowSize(app->Window(), 1280, 960);
    QueueKey(SDLK_UNKNOWN);
    app->HandleMessage();
    mark.colour = colours::Red;
    MarkDrawn();
    app->Present();
    SDL_SetWindowSize(app->Window(), 1024, 768);
    QueueKey(SDLK_UNKNOWN);
    app->HandleMessage();
    EXPECT_TRUE(WindowShowsFrame(*app));
}

} // namespace
} // namespace olvane::platform
