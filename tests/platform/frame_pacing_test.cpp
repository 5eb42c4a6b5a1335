#include "platform/app_fixture.h"
#include "platform/form.h"
#include "platform/timer.h"

namespace olvane::platform
{
namespace
{

using FramePacingTest = test::AppTest;

TEST_F(FramePacingTest, OnlyInputAndDrawingShowAFrame)
{
    Form form;
    form.Show();
    app->HandleMessage();
    const std::uint64_t shown = app->PresentCount();
    EXPECT_GE(shown, 1u) << "a form shown by code appears without waiting for input";

    // A timer that draws nothing wakes the loop but shows no frame.
    int quiet = 0;
    Timer tick(20, true);
    tick.onTimer = [&] { ++quiet; };
    std::uint64_t end = app->Now() + 150;
    while (app->Now() < end)
    {
        app->HandleMessage();
    }
    EXPECT_GE(quiet, 3);
    EXPECT_EQ(app->PresentCount(), shown);

    // One that draws shows each change once.
    int drawn = 0;
    tick.onTimer = [&] {
        ++drawn;
        app->Framebuffer().SetPixel(1, 1, colours::Red);
    };
    end = app->Now() + 150;
    while (app->Now() < end)
    {
        app->HandleMessage();
    }
    EXPECT_GE(drawn, 3);
    EXPECT_EQ(app->PresentCount(), shown + static_cast<std::uint64_t>(drawn));

    // Input is shown even when nobody marked it drawn: a handler may change any caption.
    tick.SetEnabled(false);
    QueueKey(SDLK_a);
    const std::uint64_t beforeKey = app->PresentCount();
    app->HandleMessage();
    EXPECT_EQ(app->PresentCount(), beforeKey + 1);

    // A poll with nothing pending neither shows a frame nor returns before it has slept a little.
    const std::uint64_t before = app->Now();
    app->ProcessMessages();
    EXPECT_EQ(app->PresentCount(), beforeKey + 1);
    EXPECT_GE(app->Now(), before + 1) << "the fire-target wait must not spin";
}

TEST_F(FramePacingTest, APauseOfNothingShowsOnlyWhatWasDrawn)
{
    Form form;
    form.Show();
    app->Present();
    const std::uint64_t shown = app->PresentCount();

    app->Delay(0);
    app->SetSpeedFactor(0.0);
    app->Delay(40);
    EXPECT_EQ(app->PresentCount(), shown) << "nothing drawn, nothing shown";

    // At full speed a drawn change shows at most once per busy frame; whatever that held back,
    // the event loop shows when the turn returns to it.
    form.colour = colours::Maroon;
    MarkDrawn();
    const std::uint64_t wait = app->Now() + 20;
    while (app->Now() < wait)
    {
        SDL_Delay(1);
    }
    app->Delay(0);
    EXPECT_EQ(app->PresentCount(), shown + 1);
    form.colour = colours::Navy;
    MarkDrawn();
    app->Delay(0);
    QueueKey(SDLK_a);
    app->HandleMessage();
    EXPECT_GE(app->PresentCount(), shown + 2);
    EXPECT_EQ(app->Framebuffer().Pixel(5, 5), colours::Navy);

    // At a real speed every drawn step of a pause of nothing is shown.
    app->SetSpeedFactor(1.0);
    const std::uint64_t paced = app->PresentCount();
    MarkDrawn();
    app->Delay(0);
    MarkDrawn();
    app->Delay(0);
    EXPECT_EQ(app->PresentCount(), paced + 2);
}

} // namespace
} // namespace olvane::platform
