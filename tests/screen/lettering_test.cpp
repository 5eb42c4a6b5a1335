#include "art/lettering.h"
#include "screen/map_lettering.h"
#include "screen/screen_fixture.h"

namespace olvane
{

namespace
{

using test::ScreenTest;
using MapLetteringTest = ScreenTest;

constexpr platform::Colour LandInk =
    (art::LandLabelColour.r << 16) | (art::LandLabelColour.g << 8) | art::LandLabelColour.b;

// "I   T   A   L   Y" on the Italian map: large dark capitals centred on field (47, 29).
constexpr int ItalyX = 47;
constexpr int ItalyY = 29;

/// Pixels of exactly a colour inside a rectangle of the map view.
int CountInk(const platform::Picture& view, const platform::Rect& r, platform::Colour ink)
{
    int count = 0;
    for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, view.Height()); ++y)
    {
        for (int x = std::max(r.x, 0); x < std::min(r.x + r.width, view.Width()); ++x)
        {
            count += (view.Pixel(x, y) & 0xFFFFFF) == ink ? 1 : 0;
        }
    }
    return count;
}

class LetteringTest : public MapLetteringTest
{
protected:
    void SetUp() override
    {
        MapLetteringTest::SetUp();
        GameState& s = state();
        s.MapWidth = 100;
        s.MapHeight = 100;
        ClearMaps(s);
        s.CurrentScenario.MapPicture = 6;
        s.ViewX = ItalyX - 12;
        s.ViewY = ItalyY - 9;
        Redraw();
    }

    /// The area around a field's centre, in view pixels.
    platform::Rect Around(int x, int y, int cells)
    {
        const platform::Point c = Centre(x, y);
        return platform::Rect{c.x - cells * CellSize, c.y - CellSize / 2, 2 * cells * CellSize, CellSize};
    }
};

TEST_F(LetteringTest, NamesShowOnlyWhereTheirFieldsAreInView)
{
    ASSERT_FALSE(PlacedLabels(6).empty());
    EXPECT_TRUE(PlacedLabels(99).empty()) << "a picture without names letters nothing";
    const platform::Picture& view = form->EKR.picture;
    EXPECT_GT(CountInk(view, Around(ItalyX, ItalyY, 3), LandInk), 20) << "the name is lettered around its field";

    // Scrolled far away (the south-east corner has only the sea's own names), no dark ink.
    GameState& s = state();
    s.ViewX = 76;
    s.ViewY = 82;
    s.CurrentScenario.MapPicture = 6;
    form->RedrawView();
    EXPECT_EQ(CountInk(view, view.Bounds(), LandInk), 0);

    // The same field with another map picture carries no name.
    s.ViewX = ItalyX - 12;
    s.ViewY = ItalyY - 9;
    s.CurrentScenario.MapPicture = 1;
    form->RedrawView();
    EXPECT_EQ(CountInk(view, Around(ItalyX, ItalyY, 3), LandInk), 0);

    // Half scrolled off at the left: the part still in view is lettered.
    s.CurrentScenario.MapPicture = 6;
    s.ViewX = ItalyX - 1;
    form->RedrawView();
    EXPECT_GT(CountInk(view, platform::Rect{0, Centre(ItalyX, ItalyY).y - 21, 3 * CellSize, CellSize}, LandInk), 0);

    // The strategic view letters it smaller but still around the field.
    s.ViewX = ItalyX - 12;
    form->ToggleView();
    ASSERT_EQ(form->CurrentViewMode(), ViewMode::Strategic);
    const platform::Rect cell = form->CellRect(ItalyX, ItalyY);
    ASSERT_FALSE(cell.Empty());
    EXPECT_GT(CountInk(view, platform::Rect{cell.x - 90, cell.y, 210, 30}, LandInk), 5);
}

TEST_F(LetteringTest, OneFieldsRedrawMatchesTheFullRedraw)
{
    for (const ViewMode mode : {ViewMode::Tactical, ViewMode::Strategic})
    {
        if (form->CurrentViewMode() != mode)
        {
            form->ToggleView();
        }
        form->RedrawView();
        const platform::Picture full = form->EKR.picture.Cut(form->EKR.picture.Bounds());
        for (int dx = -3; dx <= 3; ++dx)
        {
            form->DrawCell(ItalyX + dx, ItalyY);
        }
        EXPECT_TRUE(Same(full, form->EKR.picture)) << "no half-erased names after a field's redraw";
    }
}

TEST_F(LetteringTest, AUnitIsDrawnOverTheName)
{
    GameState& s = state();
    Place(PlayerBaseId + 1, 43, ItalyX, ItalyY);
    s.CurrentScenario.MapPicture = 1;
    form->RedrawView();
    const platform::Picture unitOnly = Shown(ItalyX, ItalyY);
    s.CurrentScenario.MapPicture = 0;
    const int code = s.MapGrid(ItalyX, ItalyY);
    s.MapGrid(ItalyX, ItalyY) = s.Unit(PlayerBaseId + 1).Under;
    form->RedrawView();
    const platform::Picture seaOnly = Shown(ItalyX, ItalyY);
    s.MapGrid(ItalyX, ItalyY) = static_cast<std::uint16_t>(code);
    s.CurrentScenario.MapPicture = 6;
    form->RedrawView();
    const platform::Picture lettered = Shown(ItalyX, ItalyY);

    int unitPixels = 0;
    int covered = 0;
    for (int y = 0; y < CellSize; ++y)
    {
        for (int x = 0; x < CellSize; ++x)
        {
            if ((unitOnly.Pixel(x, y) & 0xFFFFFF) == (seaOnly.Pixel(x, y) & 0xFFFFFF))
            {
                continue;
            }
            ++unitPixels;
            covered += (lettered.Pixel(x, y) & 0xFFFFFF) == (unitOnly.Pixel(x, y) & 0xFFFFFF) ? 1 : 0;
        }
    }
    ASSERT_GT(unitPixels, 50) << "the unit shows on its field";
    EXPECT_EQ(covered, unitPixels) << "every pixel of the unit lies over the name";
    EXPECT_GT(CountInk(form->EKR.picture, Around(ItalyX, ItalyY, 3), LandInk), 10) << "the name beside it stays";
}

} // namespace

} // namespace olvane
