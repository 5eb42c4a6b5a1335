// The main window at rest: no frame is shown unless something on it changed.

#include "screen_fixture.h"

namespace olvane
{
namespace
{

using IdleWindowTest = test::ScreenTest;

// Runs the event loop for a while and counts the frames it showed.
std::uint64_t FramesShownDuring(platform::Application& app, std::uint64_t milliseconds)
{
    const std::uint64_t before = app.PresentCount();
    const std::uint64_t end = app.Now() + milliseconds;
    while (app.Now() < end)
    {
        app.HandleMessage();
    }
    return app.PresentCount() - before;
}

TEST_F(IdleWindowTest, ShowsNoFrameWhileNothingBlinks)
{
    GameState& s = state();
    Place(PlayerBaseId + 1, 43, 10, 10);
    s.BlinkEnabled = 1;
    app->HandleMessage();

    EXPECT_EQ(FramesShownDuring(*app, 2000), 0u) << "no unit selected: the blink timer draws nothing";

    // The selected unit's blink is the one change the idle window shows: one frame per beat.
    LeftClick(10, 10);
    app->HandleMessage();
    const std::uint64_t beats = FramesShownDuring(*app, 700);
    EXPECT_GE(beats, 1u);
    EXPECT_LE(beats, 3u);
}

} // namespace
} // namespace olvane
