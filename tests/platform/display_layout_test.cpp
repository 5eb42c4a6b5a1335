#include "platform/display_layout.h"
#include "platform/fonts.h"

#include <gtest/gtest.h>

namespace olvane::platform
{
namespace
{

TEST(DisplayLayout, DesktopSizesPickTheirLayoutRows)
{
    DisplaySettings tall = ChooseLayout(1280, 1024, 32, 2);
    EXPECT_EQ(tall.layoutNumber, 12);
    EXPECT_EQ(tall.clientWidth, 1024);
    EXPECT_EQ(tall.clientHeight, 768);
    EXPECT_EQ(tall.viewColumns, 18);
    EXPECT_EQ(tall.viewRows, 18);
    EXPECT_EQ(tall.resolutionSwitched, 1);
    EXPECT_EQ(tall.desktopWidth, 1280);

    DisplaySettings wide = ChooseLayout(1366, 768, 24, 1);
    EXPECT_EQ(wide.layoutNumber, 5);
    EXPECT_EQ(wide.menuShift, 230);
    EXPECT_EQ(wide.resolutionSwitched, 0);
    EXPECT_EQ(wide.numberOfColours, 1u << 24);
    EXPECT_EQ(ChooseLayout(1366, 768, 24, 2).menuShift, 270);
    EXPECT_EQ(ChooseLayout(1280, 720, 24, 2).menuShift, 240);
    EXPECT_EQ(ChooseLayout(1152, 864, 24, 2).menuShift, 120);

    DisplaySettings full = ChooseLayout(1920, 1080, 32, 2);
    EXPECT_EQ(full.layoutNumber, 5);
    EXPECT_EQ(full.clientWidth, 1366);
    EXPECT_EQ(full.resolutionSwitched, 1);

    DisplaySettings unknown = ChooseLayout(2560, 1440, 32, 2);
    EXPECT_EQ(unknown.layoutNumber, 5);
    EXPECT_EQ(unknown.viewColumns, 24);
    EXPECT_EQ(unknown.viewRows, 18);
    EXPECT_EQ(unknown.resolutionSwitched, 1);

    EXPECT_EQ(ChooseLayout(800, 600, 16, 2).layoutNumber, 12);
    EXPECT_EQ(ChooseLayout(1400, 1050, 32, 2).layoutNumber, 10);
    EXPECT_EQ(ChooseLayout(1400, 1050, 32, 2).menuShift, 160);
}

TEST(DisplayLayout, FontFactorFollowsTheLogicalResolution)
{
    EXPECT_DOUBLE_EQ(FontFactorForDpi(96), 1.0);
    EXPECT_DOUBLE_EQ(FontFactorForDpi(120), 0.8);
    EXPECT_DOUBLE_EQ(FontFactorForDpi(144), 1.0);
    EXPECT_DOUBLE_EQ(FontFactorForDpi(72), 1.0);
    EXPECT_NEAR(FontFactorForDpi(97), 96.0 / 97.0, 1e-12);

    EXPECT_EQ(PointsToPixels(12), 16);
    SetFontFactor(0.8);
    EXPECT_EQ(PointsToPixels(12), 20) << "fonts sized at 120 dots per inch";
    EXPECT_NEAR(PointsToPixels(static_cast<int>(12 * FontFactor() + 0.5)), 16, 1)
        << "a size scaled by the factor keeps its design height";
    SetFontFactor(1.0);
}

} // namespace
} // namespace olvane::platform
