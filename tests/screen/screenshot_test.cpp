#include "screen/screen_fixture.h"

#include <filesystem>

namespace olvane
{

namespace
{

using test::ScreenTest;
using ScreenshotTest = ScreenTest;

/// The window on a small hand-made sea, written to the build's screenshots folder for a person
/// to look at: an island with a port, the selected destroyer with its reach, a found enemy
/// cruiser under the mouse, a hidden one beside it, and the phase label of the enemy phase.
TEST_F(ScreenshotTest, AHandMadeSeaAsThePlayerSeesIt)
{
    GameState& s = state();
    for (int y = 4; y <= 9; ++y)
    {
        for (int x = 6; x <= 11; ++x)
        {
            s.MapGrid(x, y) = 55500;
        }
    }
    s.MapGrid(8, 6) = 56100;
    s.MapGrid(12, 7) = CodePlayerMajorPort;
    Place(PlayerBaseId + 1, 43, 14, 9);
    Place(PlayerBaseId + 2, 63, 15, 12, 16, 12).Facing = 4;
    s.Unit(PlayerBaseId + 102).Facing = 4;
    Place(PlayerBaseId + 3, 80, 9, 8);
    Place(PlayerBaseId + 4, 43, 17, 9).MovedThisTurn = 1;
    const int cruiser = EnemyBaseId + 1;
    Place(cruiser, 56, 19, 10, 20, 10).Visible = 1;
    s.Unit(SecondCell(cruiser)).Visible = 1;
    s.Unit(cruiser).Facing = 4;
    s.Unit(SecondCell(cruiser)).Facing = 4;
    Place(EnemyBaseId + 3, 43, 19, 13);
    Redraw();
    LeftClick(14, 9);
    form->ShowDetectionCircle(PlayerBaseId + 1);
    const platform::Point hover = Centre(19, 10);
    form->EKRMouseMove(0, hover.x, hover.y);
    ASSERT_EQ(form->HoverUnit(), cruiser);
    form->ShowPhaseLabel("ENEMY PHASE", PhaseColour::Black, PhaseColour::Red);
    form->DrawUnitStrip();
    app->Compose();

    const platform::Picture& frame = app->Framebuffer();
    const platform::Point label = form->lbENDTURNPORUKA.ScreenOrigin();
    EXPECT_EQ(frame.Pixel(label.x + 2, label.y + 2) & 0xFFFFFF, platform::colours::Red);
    const platform::Point info = form->ISPIS.ScreenOrigin();
    EXPECT_NE(frame.Pixel(info.x + 100, info.y + 200), frame.Pixel(info.x + 100, info.y + 290 - 2))
        << "the hovered enemy's box sits below the selected unit's";

    std::filesystem::create_directories(OLVANE_SHOTS_DIR);
    const std::filesystem::path file = std::filesystem::path(OLVANE_SHOTS_DIR) / "hand-made-sea.png";
    EXPECT_FALSE(frame.SavePng(file).has_value());
    EXPECT_TRUE(std::filesystem::exists(file));
}

} // namespace

} // namespace olvane
