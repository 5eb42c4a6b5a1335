#include "rules/combat.h"
#include "rules/movement.h"
#include "screen/screen_fixture.h"

namespace olvane
{

namespace
{

using test::ScreenTest;
using MapViewTest = ScreenTest;

TEST_F(MapViewTest, PixelsBelongToTheirFieldInBothViews)
{
    GameState& s = state();
    s.ViewX = 5;
    s.ViewY = 7;
    form->RedrawView();
    EXPECT_EQ(form->CellAtPixel(0, 0), (platform::Point{6, 8})) << "pixels below 1 count as 1";
    EXPECT_EQ(form->CellAtPixel(1, 1), (platform::Point{6, 8}));
    EXPECT_EQ(form->CellAtPixel(42, 42), (platform::Point{6, 8})) << "the border line belongs to the field";
    EXPECT_EQ(form->CellAtPixel(43, 84), (platform::Point{7, 9}));
    EXPECT_EQ(form->CellRect(7, 9), (platform::Rect{42, 42, 42, 42}));
    EXPECT_TRUE(form->CellRect(5, 9).Empty()) << "scrolled off at the left";
    EXPECT_TRUE(form->CellRect(6 + 24, 9).Empty()) << "one past the view's last column";

    form->ToggleView();
    ASSERT_EQ(form->CurrentViewMode(), ViewMode::Strategic);
    EXPECT_EQ(form->sbtSTR.caption, "TAC");
    EXPECT_FALSE(form->btSTAND.enabled);
    const int vx = s.ViewX;
    const int vy = s.ViewY;
    EXPECT_EQ(form->CellAtPixel(30, 30), (platform::Point{vx + 1, vy + 1}));
    EXPECT_EQ(form->CellAtPixel(31, 61), (platform::Point{vx + 2, vy + 3}));
    EXPECT_EQ(form->CellRect(vx + 2, vy + 3), (platform::Rect{30, 60, 30, 30}));
    EXPECT_EQ(form->StrategicColumns(), 33);
    EXPECT_EQ(form->StrategicRows(), 25);

    // Clicks on the strategic view give no orders.
    Place(PlayerBaseId + 1, 43, vx + 2, vy + 2);
    form->EKRMouseDown(platform::MouseButton::Left, 0, 45, 45);
    EXPECT_EQ(s.SelectedUnit, 0);
}

TEST_F(MapViewTest, TheViewNeverLeavesTheMap)
{
    GameState& s = state();
    const int scale = TForm1::OverviewScale(40);
    ASSERT_EQ(scale, 4);
    ASSERT_EQ(form->SMPBox.bounds.width, 160);
    EXPECT_EQ(form->SMPBox.bounds.x, 24 * CellSize + 4 + 20);

    // Overview corners put the view against them, never beyond.
    form->CentreOnOverviewPoint(0, 0);
    EXPECT_EQ(s.ViewX, 0);
    EXPECT_EQ(s.ViewY, 0);
    form->CentreOnOverviewPoint(159, 159);
    EXPECT_EQ(s.ViewX, 40 - 24);
    EXPECT_EQ(s.ViewY, 40 - 18);
    form->CentreOnOverviewPoint(80, 80);
    EXPECT_EQ(s.ViewX, 20 - 12);
    EXPECT_EQ(s.ViewY, 20 - 9);

    // Edge strips start the scroll timer only where a step is possible.
    form->CentreOnOverviewPoint(0, 0);
    form->EdgeStripMove(1);
    EXPECT_FALSE(form->T1SKROL.Enabled());
    form->EdgeStripMove(3);
    EXPECT_FALSE(form->T1SKROL.Enabled());
    form->EdgeStripMove(2);
    EXPECT_TRUE(form->T1SKROL.Enabled());
    form->T1SKROLTimer();
    EXPECT_EQ(s.ViewX, 1);
    form->EKRMouseMove(0, 100, 100);
    EXPECT_FALSE(form->T1SKROL.Enabled()) << "the mouse back over the map stops the scroll";
    s.ViewX = 16;
    form->EdgeStripMove(2);
    EXPECT_FALSE(form->T1SKROL.Enabled());
    form->ScrollBy(2);
    EXPECT_EQ(s.ViewX, 16);

    // The wider strategic view near the right edge stays inside; going back adds the same shift.
    form->ToggleView();
    EXPECT_EQ(s.ViewX, 40 - 34);
    EXPECT_GE(s.ViewY, 0);
    form->ToggleView();
    EXPECT_EQ(s.ViewX, 40 - 34 + 5);
    EXPECT_LE(s.ViewX, 40 - 24);
    EXPECT_EQ(form->sbtSTR.caption, "STR");
    EXPECT_TRUE(form->btSTAND.enabled);
}

TEST_F(MapViewTest, ScalesAndTheViewSwitchThreshold)
{
    EXPECT_EQ(TForm1::OverviewScale(18), 4);
    EXPECT_EQ(TForm1::OverviewScale(36), 4);
    EXPECT_EQ(TForm1::OverviewScale(40), 4);
    EXPECT_EQ(TForm1::OverviewScale(48), 4);
    EXPECT_EQ(TForm1::OverviewScale(50), 3);
    EXPECT_EQ(TForm1::OverviewScale(66), 3);
    EXPECT_EQ(TForm1::OverviewScale(70), 2);
    EXPECT_EQ(TForm1::OverviewScale(96), 2);
    EXPECT_EQ(TForm1::OverviewScale(100), 2);
    for (int side : {18, 30, 40, 50, 60, 70, 96, 100})
    {
        EXPECT_LE(side * TForm1::OverviewScale(side), 200) << side;
    }
    EXPECT_FALSE(TForm1::StrategicViewAllowed(29, 35, 24, 18)) << "18 rows need 30 fields";
    EXPECT_TRUE(TForm1::StrategicViewAllowed(30, 30, 24, 18));
    EXPECT_FALSE(TForm1::StrategicViewAllowed(35, 35, 24, 24));
    EXPECT_TRUE(TForm1::StrategicViewAllowed(36, 36, 24, 24));
    EXPECT_TRUE(TForm1::StrategicViewAllowed(40, 96, 26, 28));
    EXPECT_FALSE(TForm1::StrategicViewAllowed(45, 96, 30, 30));
}

TEST_F(MapViewTest, AnUndiscoveredEnemyLooksLikeTheSea)
{
    GameState& s = state();
    const platform::Picture sea = Shown(5, 5);
    const platform::Colour overviewSea = OverviewPixel(5, 5);
    const int enemy = EnemyBaseId + 1;
    Place(enemy, 43, 5, 5);
    Redraw();
    EXPECT_TRUE(Same(Shown(5, 5), sea)) << "tactical view";
    EXPECT_EQ(OverviewPixel(5, 5), overviewSea) << "overview";
    form->DrawCell(5, 5);
    EXPECT_TRUE(Same(Shown(5, 5), sea)) << "a single field redrawn";

    // Hovering over it shows nothing and reports only the field.
    const platform::Point p = Centre(5, 5);
    form->EKRMouseMove(0, p.x, p.y);
    EXPECT_EQ(form->HoverUnit(), 0);
    EXPECT_EQ(form->lbX.caption, "5");
    EXPECT_EQ(form->lbY.caption, "5");
    EXPECT_EQ(form->lbT.caption, "1. turn");

    // In the strategic view too.
    form->ToggleView();
    const platform::Picture strategic = Shown(5, 5);
    s.MapGrid(5, 5) = s.Unit(enemy).Under;
    form->DrawStrategicView();
    EXPECT_TRUE(Same(Shown(5, 5), strategic));
    s.MapGrid(5, 5) = static_cast<std::uint16_t>(enemy);
    form->ToggleView();

    // Once found it is drawn, hovered and shown red on the overview.
    s.ViewX = 0;
    s.ViewY = 0;
    s.Unit(enemy).Visible = 1;
    Redraw();
    EXPECT_FALSE(Same(Shown(5, 5), sea));
    EXPECT_EQ(OverviewPixel(5, 5), platform::colours::Red);
    form->EKRMouseMove(0, p.x, p.y);
    EXPECT_EQ(form->HoverUnit(), enemy);
}

TEST_F(MapViewTest, ReachMarksAreShownAndTakenAway)
{
    GameState& s = state();
    const int ship = PlayerBaseId + 1;
    Place(ship, 43, 10, 10);
    Redraw();
    const platform::Picture before = Shown(12, 10);
    const platform::Picture far = Shown(20, 10);
    LeftClick(10, 10);
    ASSERT_EQ(s.SelectedUnit, ship);
    EXPECT_EQ(s.Unit(ship).Highlighted, 1);
    EXPECT_FALSE(Same(Shown(12, 10), before)) << "a field two steps away is within Speed 3";
    EXPECT_TRUE(Same(Shown(20, 10), far)) << "ten fields away is out of reach";

    // The marker sits in the top left corner: navy inside a yellow border.
    const platform::Rect r = form->CellRect(10, 10);
    EXPECT_EQ(form->EKR.picture.Pixel(r.x, r.y) & 0xFFFFFF, platform::colours::Yellow);
    EXPECT_EQ(form->EKR.picture.Pixel(r.x + 2, r.y + 2) & 0xFFFFFF, platform::colours::Navy);

    HideReach(game(), ship);
    EXPECT_TRUE(Same(Shown(12, 10), before));
}

TEST_F(MapViewTest, ADiagonalHullStaysWholeAndLeavesNothingBehind)
{
    GameState& s = state();
    // What the fields around show after a redraw of a few of them is what a full redraw shows.
    auto asFullRedrawShows = [&] {
        std::vector<platform::Picture> shown;
        for (int y = 9; y <= 13; ++y)
        {
            for (int x = 9; x <= 13; ++x)
            {
                shown.push_back(Shown(x, y));
            }
        }
        form->RedrawView();
        bool same = true;
        for (int y = 9; y <= 13; ++y)
        {
            for (int x = 9; x <= 13; ++x)
            {
                const bool fieldSame = Same(shown[static_cast<std::size_t>((y - 9) * 5 + x - 9)], Shown(x, y));
                EXPECT_TRUE(fieldSame) << "field " << x << "," << y;
                same = same && fieldSame;
            }
        }
        return same;
    };
    // A heavy cruiser heading south-east: stern at (10, 10), bow at (11, 11); its hull reaches
    // into (11, 10) and (10, 11) beside it.
    const platform::Picture sea = Shown(11, 10);
    const int cruiser = PlayerBaseId + 1;
    Place(cruiser, 56, 11, 11, 10, 10).Facing = 1;
    s.Unit(SecondCell(cruiser)).Facing = 1;
    const int destroyer = PlayerBaseId + 2;
    Place(destroyer, 43, 13, 10);
    Redraw();
    ASSERT_FALSE(Same(Shown(11, 10), sea)) << "the generated hull reaches into the field beside";

    // Neighbours redrawn, by themselves and by another unit's reach shown and hidden.
    form->DrawCell(11, 10);
    form->DrawCell(10, 11);
    EXPECT_TRUE(asFullRedrawShows()) << "a neighbour redrawn";
    LeftClick(13, 10);
    EXPECT_TRUE(asFullRedrawShows()) << "a reach shown";
    HideReach(game(), destroyer);
    EXPECT_TRUE(asFullRedrawShows()) << "a reach hidden";

    // Sailing one field on, the hull leaves nothing in the fields it covered before.
    s.Unit(cruiser).DestX = 12;
    s.Unit(cruiser).DestY = 12;
    MoveUnit(game(), cruiser);
    ASSERT_EQ(s.Unit(cruiser).X, 12);
    ASSERT_EQ(s.Unit(SecondCell(cruiser)).X, 11);
    EXPECT_TRUE(asFullRedrawShows()) << "a step";

    // Sunk, it leaves only the sea it sailed on.
    DestroyUnit(game(), cruiser);
    EXPECT_TRUE(asFullRedrawShows()) << "sunk";
}

TEST_F(MapViewTest, TheDetectionCircleStaysOnTheMap)
{
    GameState& s = state();
    // A map of ten columns in a view of 24: a dark margin lies right of it.
    s.MapWidth = 10;
    const int ship = PlayerBaseId + 1;
    Place(ship, 43, 10, 5);
    Redraw();
    const platform::Point origin = form->EKR.ScreenOrigin();
    const platform::Rect margin{origin.x + 10 * CellSize, origin.y, 3 * CellSize, 10 * CellSize};
    const platform::Rect map{origin.x + 7 * CellSize, origin.y, 3 * CellSize, 10 * CellSize};
    app->Compose();
    const platform::Picture plainMargin = app->Framebuffer().Cut(margin);
    const platform::Picture plainMap = app->Framebuffer().Cut(map);
    s.SelectedUnit = static_cast<std::uint16_t>(ship);
    form->ShowDetectionCircle(ship);
    app->Compose();
    EXPECT_FALSE(Same(app->Framebuffer().Cut(map), plainMap)) << "the circle is drawn on the map";
    EXPECT_TRUE(Same(app->Framebuffer().Cut(margin), plainMargin)) << "and nowhere beside it";
}

TEST_F(MapViewTest, AFieldRedrawnOnTheOverviewMatchesAWholeRedraw)
{
    // Fields on the view rectangle's edges (where the not-xor pen crosses them), inside it,
    // outside it and in the map's corners, in both views; and once after the view moved without
    // the overview being shown again.
    GameState& s = state();
    s.ViewX = 6;
    s.ViewY = 5;
    form->RedrawView();
    auto check = [&](int x, int y, std::uint16_t code, const char* where) {
        s.MapGrid(x, y) = code;
        form->DrawCell(x, y);
        const platform::Picture partly = form->SMPBox.picture;
        form->RedrawOverview();
        EXPECT_TRUE(Same(partly, form->SMPBox.picture)) << where << " (" << x << ", " << y << ")";
    };
    for (int pass = 0; pass < 2; ++pass)
    {
        check(7, 6, 55500, "top-left corner of the view");
        check(15, 6, 20, "top edge");
        check(6 + 24, 12, 55500, "right edge");
        check(12, 12, 55500, "inside");
        check(3, 30, 20, "outside");
        check(40, 40, 55500, "map corner");
        check(1, 1, 0, "map corner back to sea");
        form->ToggleView();
    }
    s.ViewX += 2;
    check(12, 12, 0, "view moved");
}

TEST_F(MapViewTest, TheSelectedUnitBlinksOnlyInTheTacticalView)
{
    GameState& s = state();
    const int ship = PlayerBaseId + 1;
    Place(ship, 43, 10, 10);
    LeftClick(10, 10);
    const platform::Rect r = form->CellRect(10, 10);
    const platform::Colour marked = form->EKR.picture.Pixel(r.x + 2, r.y + 2);
    form->TblinkTimer();
    EXPECT_NE(form->EKR.picture.Pixel(r.x + 2, r.y + 2), marked) << "marker off";
    EXPECT_EQ(s.Unit(ship).Highlighted, 1) << "the mark stays set while the picture blinks";
    form->TblinkTimer();
    EXPECT_EQ(form->EKR.picture.Pixel(r.x + 2, r.y + 2), marked) << "marker on";

    s.EnemyPhaseRunning = 1;
    form->TblinkTimer();
    EXPECT_EQ(form->EKR.picture.Pixel(r.x + 2, r.y + 2), marked) << "no blink in the enemy phase";
    s.EnemyPhaseRunning = 0;

    // The strategic view does not blink; hovering there reads 30-pixel fields.
    form->ToggleView();
    const platform::Picture still = form->EKR.picture;
    form->TblinkTimer();
    form->TblinkTimer();
    EXPECT_TRUE(Same(form->EKR.picture, still));
    form->EKRMouseMove(0, 2 * 30 + 5, 3 * 30 + 5);
    EXPECT_EQ(form->lbX.caption, std::to_string(s.ViewX + 3));
    EXPECT_EQ(form->lbY.caption, std::to_string(s.ViewY + 4));
}

} // namespace

} // namespace olvane
