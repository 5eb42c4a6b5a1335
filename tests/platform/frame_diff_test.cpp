#include "platform/app_fixture.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/frame_diff.h"
#include "platform/image.h"
#include "platform/picture.h"
#include "platform/timer.h"

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

    // Looking only where the frame was composed again finds only what lies there.
    rects = ChangedRects(*shown.Surface(), *next.Surface(), Rect{100, 0, 100, 100});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(SameRect(rects[0], SDL_Rect{150, 16, 1, 1}));

    CopyRects(*next.Surface(), *shown.Surface(), ChangedRects(*shown.Surface(), *next.Surface()));
    EXPECT_TRUE(ChangedRects(*shown.Surface(), *next.Surface()).empty());
}

TEST(FrameDiff, DrawnPartsShowWhereTheirPicturesWereCopied)
{
    Picture screen(640, 480);
    Picture map(100, 100);
    Picture panel(50, 50);
    Picture offscreen(10, 10);
    const std::vector<Placement> placed = {
        {map.Surface(), Rect{0, 0, 100, 100}, Rect{200, 100, 100, 100}, Rect{200, 100, 80, 100}},
        {panel.Surface(), Rect{0, 0, 50, 50}, Rect{0, 0, 100, 100}, Rect{0, 0, 640, 480}},
    };
    auto areas = ScreenAreas({{map.Surface(), Rect{10, 10, 6, 6}}, {map.Surface(), Rect{90, 0, 10, 10}},
                              {panel.Surface(), Rect{1, 1, 1, 1}}, {offscreen.Surface(), Rect{0, 0, 10, 10}}},
                             placed, screen.Surface());
    ASSERT_TRUE(areas.has_value());
    // The clipped corner of the map shows nowhere; a stretched copy is redone whole.
    EXPECT_EQ(*areas, (std::vector<Rect>{Rect{210, 110, 6, 6}, Rect{0, 0, 100, 100}}));
    EXPECT_FALSE(ScreenAreas({{screen.Surface(), Rect{0, 0, 1, 1}}}, placed, screen.Surface()).has_value());
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

TEST_F(WindowPushTest, DrawingIntoAShownPictureComposesOnlyWhereItShows)
{
    Form back;
    back.MakeFullScreen();
    back.colour = colours::Teal;
    Image map(&back);
    map.SetBounds(100, 200, 50, 50);
    map.picture.SetSize(50, 50, colours::Navy);
    back.Show();
    app->Present();
    // The window's own events (shown, focus) would count as input, which composes whole.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    // A blink: a timer draws six by six pixels of the picture and nothing else.
    const std::uint64_t composed = app->ComposedPixelCount();
    bool drawn = false;
    Timer blink(10, false);
    blink.onTimer = [&] {
        Canvas c(map.picture);
        c.brush.colour = colours::Red;
        c.FillRect(Rect{5, 5, 6, 6});
        drawn = true;
    };
    blink.SetEnabled(true);
    while (!drawn)
    {
        app->HandleMessage();
    }
    EXPECT_EQ(app->ComposedPixelCount() - composed, 36u);
    EXPECT_EQ(app->Framebuffer().Pixel(105, 205), colours::Red);
    EXPECT_EQ(app->Framebuffer().Pixel(111, 211), colours::Navy);
    EXPECT_TRUE(WindowShowsFrame(*app));

    // A caption, a colour or a form changed by code is marked as a whole change.
    const std::uint64_t before = app->ComposedPixelCount();
    drawn = false;
    blink.onTimer = [&] {
        back.colour = colours::Maroon;
        MarkDrawn();
        drawn = true;
    };
    blink.SetEnabled(true);
    while (!drawn)
    {
        app->HandleMessage();
    }
    EXPECT_EQ(app->ComposedPixelCount() - before, 1024u * 768u);
    EXPECT_EQ(app->Framebuffer().Pixel(0, 0), colours::Maroon);
}

} // namespace
} // namespace olvane::platform
