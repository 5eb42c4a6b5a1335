// Finding one's way on the map: the overview map with its view rectangle, the switch between the
// tactical and strategic views, edge scrolling and the blink of the current unit.

#include "rules/unit_kinds.h"
#include "screen/main_window.h"
#include "state/cell_code.h"

#include <algorithm>
#include <cmath>

namespace olvane
{

namespace
{

using platform::Canvas;
using platform::Colour;
using platform::Rect;
namespace colours = platform::colours;

constexpr Colour OverviewSea = colours::Blue;
constexpr Colour OverviewLand = 0x7C9A52;
constexpr double StrategicFactor = 1.4;
constexpr int OverviewSide = 200;

void Fill(Canvas& canvas, const Rect& r, Colour c)
{
    canvas.brush = platform::Brush{c, platform::BrushStyle::Solid};
    canvas.FillRect(r);
}

int Rounded(double v)
{
    return static_cast<int>(std::lround(v));
}

// Where the view lies on the overview.
Rect ViewOnOverview(const GameState& s, bool strategic)
{
    const int scale = TForm1::OverviewScale(std::max(s.MapWidth, s.MapHeight));
    const double f = strategic ? StrategicFactor : 1.0;
    return Rect{scale * s.ViewX, scale * s.ViewY, Rounded(scale * s.ViewColumns * f), Rounded(scale * s.ViewRows * f)};
}

// The view rectangle is drawn with a not-xor pen so it never hides the map beneath; a clip keeps
// it to the part of the overview being shown again.
void DrawViewRectangle(platform::Picture& overview, const Rect& view, const Rect& clip)
{
    Canvas canvas(overview, platform::Point{0, 0}, clip);
    canvas.pen = platform::Pen{colours::Red, 1, platform::PenMode::NotXor};
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.Rectangle(view);
}

} // namespace

int TForm1::OverviewScale(int mapSide)
{
    // 18-36 and 42-48 take 4, 54-66 take 3 and 72-96 take 2; the sides between fall to the
    // next smaller scale's range so the overview always fits its 200-pixel square.
    if (mapSide <= 48)
    {
        return 4;
    }
    return mapSide <= 66 ? 3 : 2;
}

bool TForm1::StrategicViewAllowed(int mapWidth, int mapHeight, int viewColumns, int viewRows)
{
    const int view = std::min(viewColumns, viewRows);
    int threshold = 46;
    if (view <= 22)
    {
        threshold = 30;
    }
    else if (view <= 24)
    {
        threshold = 36;
    }
    else if (view <= 28)
    {
        threshold = 40;
    }
    return std::min(mapWidth, mapHeight) >= threshold;
}

// ---- Overview map ---------------------------------------------------------------------------------

void TForm1::LayOutOverview()
{
    const GameState& s = game_.state;
    const int scale = OverviewScale(std::max(s.MapWidth, s.MapHeight));
    const int width = s.MapWidth * scale;
    const int height = s.MapHeight * scale;
    SMPBox.SetBounds(s.ViewColumns * CellSize + 4 + (OverviewSide - width) / 2, 3 + (OverviewSide - height) / 2,
                     width, height);
    if (overviewGround_.Width() != width || overviewGround_.Height() != height)
    {
        overviewGround_.SetSize(width, height, OverviewSea);
    }
}

void TForm1::PaintOverviewCell(Canvas& canvas, int x, int y)
{
    const GameState& s = game_.state;
    const int scale = OverviewScale(std::max(s.MapWidth, s.MapHeight));
    int code = s.MapGrid(x, y);
    Colour c = OverviewSea;
    if (IsUnitCode(code))
    {
        const int main = MainUnitOf(code);
        if (!IsEnemy(main))
        {
            c = colours::Navy;
        }
        else if (s.Unit(main).Visible != 0 && s.Unit(code).Visible != 0)
        {
            c = colours::Red;
        }
        else
        {
            code = s.Unit(code).Under;
        }
    }
    if (!IsUnitCode(code))
    {
        const CellInfo info = DecodeCode(code);
        if (info.portKind == CellPlayerMajorPort || info.portKind == CellPlayerPort)
        {
            c = colours::Navy;
        }
        else if (info.portKind == CellEnemyMajorPort || info.portKind == CellEnemyPort)
        {
            c = colours::Red;
        }
        else if (info.land)
        {
            c = OverviewLand;
        }
    }
    Fill(canvas, Rect{(x - 1) * scale, (y - 1) * scale, scale, scale}, c);
}

void TForm1::RedrawOverview()
{
    const GameState& s = game_.state;
    LayOutOverview();
    Canvas canvas(overviewGround_);
    Fill(canvas, overviewGround_.Bounds(), OverviewSea);
    for (int y = 1; y <= std::min(s.MapHeight, MapSize); ++y)
    {
        for (int x = 1; x <= std::min(s.MapWidth, MapSize); ++x)
        {
            if (s.MapGrid(x, y) != 0)
            {
                PaintOverviewCell(canvas, x, y);
            }
        }
    }
    ShowOverview();
}

void TForm1::UpdateOverviewCells(int x1, int y1, int x2, int y2)
{
    const GameState& s = game_.state;
    if (overviewGround_.Empty())
    {
        return;
    }
    // Only the changed fields are shown again, not the whole overview: a turn redraws
    // thousands of fields, most of them out of the view.
    const Rect view = ViewOnOverview(s, viewMode_ == ViewMode::Strategic);
    const bool shownAlike = SMPBox.picture.Width() == overviewGround_.Width() &&
                            SMPBox.picture.Height() == overviewGround_.Height() && view == overviewViewShown_;
    const int scale = OverviewScale(std::max(s.MapWidth, s.MapHeight));
    Canvas canvas(overviewGround_);
    Canvas shown(SMPBox.picture);
    for (auto [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}})
    {
        if (!OnMap(s, x, y))
        {
            continue;
        }
        PaintOverviewCell(canvas, x, y);
        if (shownAlike)
        {
            const Rect field{(x - 1) * scale, (y - 1) * scale, scale, scale};
            shown.CopyRect(field, overviewGround_, field);
            DrawViewRectangle(SMPBox.picture, view, field);
        }
    }
    if (!shownAlike)
    {
        ShowOverview();
    }
}

/// The overview as the player sees it: the map's colours and the view rectangle drawn over them
/// with a not-xor pen.
void TForm1::ShowOverview()
{
    const GameState& s = game_.state;
    if (overviewGround_.Empty())
    {
        return;
    }
    SMPBox.picture = overviewGround_;
    overviewViewShown_ = ViewOnOverview(s, viewMode_ == ViewMode::Strategic);
    DrawViewRectangle(SMPBox.picture, overviewViewShown_, SMPBox.picture.Bounds());
    platform::MarkDrawn();
}

void TForm1::CentreOnOverviewPoint(int px, int py)
{
    GameState& s = game_.state;
    StopScrolling();
    const int scale = OverviewScale(std::max(s.MapWidth, s.MapHeight));
    const double f = viewMode_ == ViewMode::Strategic ? StrategicFactor : 1.0;
    const int cx = px / scale;
    const int cy = py / scale;
    s.ViewX = cx - Rounded(s.ViewColumns * f / 2);
    s.ViewX = std::max(0, std::min(s.ViewX, s.MapWidth - Rounded(s.ViewColumns * f)));
    s.ViewY = cy - Rounded(s.ViewRows * f / 2);
    s.ViewY = std::max(0, std::min(s.ViewY, s.MapHeight - Rounded(s.ViewRows * f)));
    RedrawView();
}

// ---- Switching views and scrolling ------------------------------------------------------------

void TForm1::ToggleView()
{
    GameState& s = game_.state;
    const int dx = (Rounded(s.ViewColumns * StrategicFactor) - s.ViewColumns) / 2;
    const int dy = (Rounded(s.ViewRows * StrategicFactor) - s.ViewRows) / 2;
    StopScrolling();
    if (viewMode_ == ViewMode::Tactical)
    {
        s.ViewX -= dx;
        if (s.ViewX > s.MapWidth - s.ViewColumns * StrategicFactor)
        {
            s.ViewX = s.MapWidth - Rounded(s.ViewColumns * StrategicFactor);
        }
        s.ViewX = std::max(s.ViewX, 0);
        s.ViewY -= dy;
        if (s.ViewY > s.MapHeight - s.ViewRows * StrategicFactor)
        {
            s.ViewY = s.MapHeight - Rounded(s.ViewRows * StrategicFactor);
        }
        s.ViewY = std::max(s.ViewY, 0);
        btSTAND.enabled = false;
        sbtSTR.caption = "TAC";
        viewMode_ = ViewMode::Strategic;
    }
    else
    {
        sbtSTR.caption = "STR";
        btSTAND.enabled = true;
        s.ViewX += dx;
        s.ViewY += dy;
        // Never past the map, whatever the strategic view had been scrolled to.
        ClampView();
        viewMode_ = ViewMode::Tactical;
    }
    RedrawView();
}

void TForm1::ScrollBy(int direction)
{
    GameState& s = game_.state;
    switch (direction)
    {
        case 1:
            --s.ViewX;
            break;
        case 2:
            ++s.ViewX;
            break;
        case 3:
            --s.ViewY;
            break;
        case 4:
            ++s.ViewY;
            break;
        default:
            return;
    }
    ClampView();
    RedrawView();
}

namespace
{

bool StepPossible(const GameState& s, int direction)
{
    switch (direction)
    {
        case 1:
            return s.ViewX > 0;
        case 2:
            return s.ViewX < s.MapWidth - s.ViewColumns;
        case 3:
            return s.ViewY > 0;
        case 4:
            return s.ViewY < s.MapHeight - s.ViewRows;
        default:
            return false;
    }
}

} // namespace

void TForm1::EdgeStripMove(int direction)
{
    // The right strip runs down the whole window, over the panel too: it keeps a scroll going.
    if (direction != 2)
    {
        StopScrolling();
    }
    if (StepPossible(game_.state, direction))
    {
        scrollDirection_ = direction;
        T1SKROL.SetEnabled(true);
    }
}

void TForm1::T1SKROLTimer()
{
    if (viewMode_ != ViewMode::Tactical)
    {
        return;
    }
    if (!StepPossible(game_.state, scrollDirection_))
    {
        StopScrolling();
        return;
    }
    T1SKROL.SetEnabled(false);
    ScrollBy(scrollDirection_);
    T1SKROL.SetEnabled(true);
}

void TForm1::TblinkTimer()
{
    GameState& s = game_.state;
    const int selected = s.SelectedUnit;
    const bool playerShip = (selected >= PlayerBaseId + 1 && selected <= PlayerBaseId + 89) ||
                            (selected >= PlayerBaseId + 101 && selected <= PlayerBaseId + 189);
    if (s.BlinkEnabled == 0 || !playerShip || groupCount_ > 0 || s.EnemyPhaseRunning != 0 ||
        viewMode_ != ViewMode::Tactical || !MainWindowActive())
    {
        return;
    }
    UnitRec& u = s.Unit(MainUnitOf(selected));
    if (u.Active == 0)
    {
        return;
    }
    blinkPhase_ = !blinkPhase_;
    if (blinkPhase_)
    {
        u.Highlighted = 0;
        DrawUnit(MainUnitOf(selected));
        u.Highlighted = 1;
    }
    else
    {
        DrawUnit(MainUnitOf(selected));
    }
}

} // namespace olvane
