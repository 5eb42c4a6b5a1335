// The map view: cells composed from the tile and sprite sheets, the tactical and strategic views
// and the figures drawn over them.

#include "platform/application.h"
#include "rules/movement.h"
#include "rules/unit_kinds.h"
#include "screen/main_window.h"
#include "screen/map_lettering.h"
#include "state/cell_code.h"

#include <algorithm>
#include <cmath>

namespace olvane
{

namespace
{

using platform::Canvas;
using platform::Colour;
using platform::Picture;
using platform::Rect;
namespace colours = platform::colours;

constexpr Colour SeaColour = 0x1E4C86;
constexpr Colour LandColour = 0x6E8A4E;
constexpr Colour PlayerColour = 0xB0C4DE;
constexpr Colour EnemyColour = 0xB7410E;
constexpr double StrategicFactor = 1.4;
constexpr int MarkerSize = 6;
constexpr int OrderSquareCells = 7;

bool Has(const platform::PictureList& list, int index)
{
    return index >= 0 && index < list.Count();
}

/// Blends an opaque colour field over the picture at a strength of alpha / 255.
void Blend(Canvas& canvas, int left, int top, const Picture& field, int alpha)
{
    SDL_Surface* source = field.Surface();
    SDL_Surface* target = canvas.Target().Surface();
    if (source == nullptr || target == nullptr)
    {
        return;
    }
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(source, static_cast<Uint8>(alpha));
    SDL_Rect dest{left, top, field.Width(), field.Height()};
    SDL_BlitSurface(source, nullptr, target, &dest);
    platform::MarkDrawn(target, Rect{left, top, field.Width(), field.Height()});
    SDL_SetSurfaceAlphaMod(source, 255);
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
}

/// Copies a frame of the map's sheets at a point of a canvas without origin or clip: keyed frames
/// carry their colour key on the surface, so SDL copies them in one step.
void Put(Canvas& canvas, int left, int top, const Picture& frame)
{
    SDL_Surface* target = canvas.Target().Surface();
    if (frame.Surface() == nullptr || target == nullptr)
    {
        return;
    }
    SDL_Rect dest{left, top, frame.Width(), frame.Height()};
    SDL_BlitSurface(frame.Surface(), nullptr, target, &dest);
    platform::MarkDrawn(target, Rect{left, top, frame.Width(), frame.Height()});
}

/// The same, shrunk or stretched to a rectangle (nearest pixel).
void PutScaled(Canvas& canvas, const Rect& r, const Picture& frame)
{
    SDL_Surface* target = canvas.Target().Surface();
    if (frame.Surface() == nullptr || target == nullptr)
    {
        return;
    }
    SDL_Rect dest{r.x, r.y, r.width, r.height};
    SDL_BlitScaled(frame.Surface(), nullptr, target, &dest);
    platform::MarkDrawn(target, r);
}

void Fill(Canvas& canvas, const Rect& r, Colour c)
{
    canvas.brush = platform::Brush{c, platform::BrushStyle::Solid};
    canvas.FillRect(r);
}

int Rounded(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

// ---- Geometry -------------------------------------------------------------------------------------

int TForm1::StrategicColumns() const
{
    return std::min(static_cast<int>(game_.state.ViewColumns * StrategicFactor), game_.state.MapWidth);
}

int TForm1::StrategicRows() const
{
    return std::min(static_cast<int>(game_.state.ViewRows * StrategicFactor), game_.state.MapHeight);
}

platform::Point TForm1::CellAtPixel(int px, int py) const
{
    const int size = CellPixels();
    px = std::max(px, 1);
    py = std::max(py, 1);
    // A pixel on a cell's right or bottom border line still belongs to that cell.
    return platform::Point{px / size + (px % size > 0 ? 1 : 0) + game_.state.ViewX,
                           py / size + (py % size > 0 ? 1 : 0) + game_.state.ViewY};
}

Rect TForm1::CellRect(int x, int y) const
{
    const GameState& s = game_.state;
    const bool strategic = viewMode_ == ViewMode::Strategic;
    const int columns = strategic ? StrategicColumns() : s.ViewColumns;
    const int rows = strategic ? StrategicRows() : s.ViewRows;
    if (x <= s.ViewX || x > s.ViewX + columns || y <= s.ViewY || y > s.ViewY + rows)
    {
        return Rect{};
    }
    const int size = CellPixels();
    return Rect{(x - s.ViewX - 1) * size, (y - s.ViewY - 1) * size, size, size};
}

void TForm1::ClampView()
{
    GameState& s = game_.state;
    s.ViewX = std::max(0, std::min(s.ViewX, s.MapWidth - s.ViewColumns));
    s.ViewY = std::max(0, std::min(s.ViewY, s.MapHeight - s.ViewRows));
}

// ---- Composing cells ----------------------------------------------------------------------------

void TForm1::ComposeGround(Canvas& canvas, int left, int top, int x, int y, int code)
{
    const GameState& s = game_.state;
    const CellInfo info = DecodeCode(code);
    const Rect cell{left, top, CellSize, CellSize};
    if (info.portKind != CellPortNone)
    {
        if (Has(art_.ports, info.portKind - 1))
        {
            Put(canvas, left, top, art_.ports[info.portKind - 1]);
        }
        else
        {
            const bool mine = info.portKind == CellPlayerMajorPort || info.portKind == CellPlayerPort;
            Fill(canvas, cell, mine ? colours::Navy : colours::Red);
        }
    }
    else
    {
        // Which of the eight neighbours are land; off the map counts as the cell's own kind.
        static constexpr int Dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        static constexpr int Dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
        int around = 0;
        for (int k = 0; k < 8; ++k)
        {
            const int nx = x + Dx[k];
            const int ny = y + Dy[k];
            const bool onMap = OnMap(s, nx, ny);
            if ((onMap && IsLandCell(s, nx, ny)) || (!onMap && info.land))
            {
                around |= 1 << k;
            }
        }
        const art::CellLayers layers = art::LandLayers(info.land, around, x, y, varyLand);
        if (info.land)
        {
            if (Has(art_.land, layers.ground))
            {
                Put(canvas, left, top, art_.land[layers.ground]);
            }
            else
            {
                Fill(canvas, cell, LandColour);
            }
        }
        else
        {
            const int frame = varySea ? art::SeaVariant(x, y) : art::CalmSeaVariant;
            if (Has(art_.sea, frame))
            {
                Put(canvas, left, top, art_.sea[frame]);
            }
            else
            {
                Fill(canvas, cell, SeaColour);
            }
        }
        for (int k = 0; k < layers.overlayCount; ++k)
        {
            const int frame = layers.overlays[static_cast<std::size_t>(k)];
            if (Has(art_.land, frame))
            {
                Put(canvas, left, top, art_.land[frame]);
            }
        }
        const int column = art::TerrainColumn(info.base);
        if (info.land && column >= 0 && Has(art_.terrain, column))
        {
            Put(canvas, left, top, art_.terrain[column]);
        }
        if (!info.land)
        {
            int mark = -1;
            const platform::PictureList* sheet = &art_.seaMarks;
            if (info.base >= 1 && info.base <= 20)
            {
                mark = art::ZoneMarkerFrame(info.base);
            }
            else if (info.base >= 41 && info.base <= 43)
            {
                mark = art::SectorLineFrame(info.base);
            }
            else if (info.base >= art::FirstLastSeenBase && info.base <= art::LastLastSeenBase)
            {
                mark = info.base - art::FirstLastSeenBase;
                sheet = &art_.lastSeen;
            }
            if (Has(*sheet, mark))
            {
                Put(canvas, left, top, (*sheet)[mark]);
            }
        }
        const int corner = s.MarkGrid(x, y);
        if ((corner >= 1 && corner <= 4) || (corner >= 11 && corner <= 14))
        {
            const int frame = corner % 10 - 1 + (corner > 10 ? 4 : 0);
            if (Has(art_.coastCorners, frame))
            {
                Put(canvas, left, top, art_.coastCorners[frame]);
            }
        }
    }
    if (info.coverage >= 1 && info.coverage <= 4)
    {
        const int frame = info.coverage - 1;
        if (Has(art_.tints, frame))
        {
            Blend(canvas, left, top, art_.tints[frame], art::TintAlpha[static_cast<std::size_t>(frame)]);
        }
        else
        {
            Blend(canvas, left, top, Picture(CellSize, CellSize, 0x40C0FF), 90);
        }
    }
    if (info.highlight != 0)
    {
        if (Has(art_.tints, art::ReachTintFrame))
        {
            Blend(canvas, left, top, art_.tints[art::ReachTintFrame], art::TintAlpha[art::ReachTintFrame]);
        }
        else
        {
            Blend(canvas, left, top, Picture(CellSize, CellSize, colours::Lime), 90);
        }
    }
}

void TForm1::DrawSprite(Canvas& canvas, int left, int top, int unit)
{
    const UnitRec& u = game_.state.Unit(unit);
    const int side = IsEnemy(unit) ? 1 : 0;
    int frame = u.Picture * art::FacingCount + u.Facing % art::FacingCount;
    if (u.Class >= 107 && u.Class <= 109)
    {
        frame = u.Picture * art::FacingCount + 5 + (u.Class - 107);
    }
    if (Has(art_.sprites[static_cast<std::size_t>(side)], frame))
    {
        Put(canvas, left, top, art_.sprites[static_cast<std::size_t>(side)][frame]);
        return;
    }
    canvas.pen = platform::Pen{colours::Black, 1, platform::PenMode::Copy};
    canvas.brush = platform::Brush{side == 0 ? PlayerColour : EnemyColour, platform::BrushStyle::Solid};
    canvas.Ellipse(Rect{left + 8, top + 12, CellSize - 16, CellSize - 24});
}

void TForm1::ComposeCell(Canvas& canvas, int left, int top, int x, int y)
{
    const GameState& s = game_.state;
    const int code = s.MapGrid(x, y);
    if (code > LastUnitId || (code >= 59901 && code < FirstUnitId))
    {
        return;
    }
    // The names go between the ground and the units, so no name ever hides a unit.
    const int picture = s.CurrentScenario.MapPicture;
    if (!IsUnitCode(code))
    {
        ComposeGround(canvas, left, top, x, y, code);
        LetterCell(canvas, left, top, picture, x, y);
        return;
    }
    const UnitRec& cellUnit = s.Unit(code);
    const int main = MainUnitOf(code);
    const UnitRec& u = s.Unit(main);
    ComposeGround(canvas, left, top, x, y, cellUnit.Under);
    LetterCell(canvas, left, top, picture, x, y);
    // An enemy the player has not found looks like the sea it covers.
    if (u.Visible == 0 || cellUnit.Visible == 0)
    {
        return;
    }
    if (!IsEnemy(main) && IsAircraft(u.Class) && IsUnitCode(u.LinkedUnit) && u.LinkedUnit != main &&
        s.Unit(u.LinkedUnit).Visible != 0)
    {
        DrawSprite(canvas, left, top, u.LinkedUnit);
    }
    DrawSprite(canvas, left, top, code);
    if (code != main)
    {
        return;
    }
    const platform::PictureList& marks = art_.marks[IsEnemy(main) ? 1 : 0];
    const int bar = art::ArmourBarFrame + std::min<int>(u.Armor, art::ArmourBarMax);
    if (Has(marks, bar))
    {
        Put(canvas, left, top, marks[bar]);
    }
    if (!IsInstallation(u.Class) && Has(marks, art::FacingMarkFrame + u.Facing % 8))
    {
        Put(canvas, left, top, marks[art::FacingMarkFrame + u.Facing % 8]);
    }
    if (u.Highlighted != 0)
    {
        canvas.brush = platform::Brush{colours::Yellow, platform::BrushStyle::Solid};
        canvas.FillRect(Rect{left, top, MarkerSize, MarkerSize});
        canvas.brush.colour = colours::Navy;
        canvas.FillRect(Rect{left + 1, top + 1, MarkerSize - 2, MarkerSize - 2});
    }
}

bool TForm1::HullBox(int ship, platform::Point& topLeft) const
{
    const GameState& s = game_.state;
    const UnitRec& u = s.Unit(ship);
    if (u.Active == 0 || u.Visible == 0 || u.X == 0 || !HasSecondUnit(u.Class) || u.Facing % 2 == 0)
    {
        return false;
    }
    const UnitRec& stern = s.Unit(SecondCell(ship));
    // Only a ship lying as its heading says has a hull to draw: halfway through a step the two
    // halves may stand apart.
    const int heading = u.Facing % art::FacingCount;
    if (stern.X != u.X - DirectionDx[heading] || stern.Y != u.Y - DirectionDy[heading])
    {
        return false;
    }
    topLeft = platform::Point{std::min(u.X, stern.X), std::min(u.Y, stern.Y)};
    return true;
}

void TForm1::DrawDiagonalHulls(Canvas& canvas, int x, int y)
{
    const GameState& s = game_.state;
    for (int side = 0; side < 2; ++side)
    {
        const int base = side == 0 ? PlayerBaseId : EnemyBaseId;
        for (int slot = 1; slot <= MaxSideSlots; ++slot)
        {
            const int id = base + slot;
            platform::Point box;
            if (!HullBox(id, box) || (x != 0 && (x < box.x || x > box.x + 1 || y < box.y || y > box.y + 1)))
            {
                continue;
            }
            const UnitRec& u = s.Unit(id);
            const int big = game_.classes.Class(u.Class).BigSprite - 100;
            const int frame = big * art::FacingCount + u.Facing;
            const platform::PictureList& list = art_.bigShips[static_cast<std::size_t>(side)];
            if (big < 0 || !Has(list, frame))
            {
                continue;
            }
            Put(canvas, (box.x - s.ViewX - 1) * CellSize, (box.y - s.ViewY - 1) * CellSize, list[frame]);
            hullBoxes_[id] = box;
        }
    }
}

void TForm1::ClearLeftHulls(int x, int y)
{
    for (auto it = hullBoxes_.begin(); it != hullBoxes_.end();)
    {
        const auto [id, box] = *it;
        platform::Point now;
        const bool covers = x >= box.x && x <= box.x + 1 && y >= box.y && y <= box.y + 1;
        if (!covers || (HullBox(id, now) && now == box))
        {
            ++it;
            continue;
        }
        // The ship moved on, turned or went: the fields its hull reached into are drawn clean.
        it = hullBoxes_.erase(it);
        for (int j = 0; j < 2; ++j)
        {
            for (int i = 0; i < 2; ++i)
            {
                if (box.x + i != x || box.y + j != y)
                {
                    DrawCell(box.x + i, box.y + j);
                }
            }
        }
        it = hullBoxes_.lower_bound(id);
    }
}

// ---- Whole views --------------------------------------------------------------------------------

void TForm1::ComposeTactical()
{
    const GameState& s = game_.state;
    Canvas canvas(EKR.picture);
    for (int j = 1; j <= s.ViewRows; ++j)
    {
        for (int i = 1; i <= s.ViewColumns; ++i)
        {
            const int x = s.ViewX + i;
            const int y = s.ViewY + j;
            if (OnMap(s, x, y))
            {
                ComposeCell(canvas, (i - 1) * CellSize, (j - 1) * CellSize, x, y);
            }
            else
            {
                Fill(canvas, Rect{(i - 1) * CellSize, (j - 1) * CellSize, CellSize, CellSize}, 0x101820);
            }
        }
    }
    hullBoxes_.clear();
    DrawDiagonalHulls(canvas);
}

void TForm1::RedrawView()
{
    if (viewMode_ == ViewMode::Strategic)
    {
        DrawStrategicView();
    }
    else
    {
        ComposeTactical();
    }
    ShowOverview();
    platform::MarkDrawn();
}

void TForm1::DrawStrategicView()
{
    const GameState& s = game_.state;
    Canvas canvas(EKR.picture);
    Fill(canvas, EKR.picture.Bounds(), colours::Blue);
    if (cellPicture_.Width() != CellSize)
    {
        cellPicture_.SetSize(CellSize, CellSize);
    }
    Canvas cell(cellPicture_);
    const int size = art::StrategicCellSize;
    for (int j = 1; j <= StrategicRows(); ++j)
    {
        for (int i = 1; i <= StrategicColumns(); ++i)
        {
            const int x = s.ViewX + i;
            const int y = s.ViewY + j;
            if (!OnMap(s, x, y))
            {
                continue;
            }
            ComposeCell(cell, 0, 0, x, y);
            PutScaled(canvas, Rect{(i - 1) * size, (j - 1) * size, size, size}, cellPicture_);
        }
    }
    platform::MarkDrawn();
}

void TForm1::DrawCell(int x, int y)
{
    const GameState& s = game_.state;
    if (!OnMap(s, x, y))
    {
        return;
    }
    UpdateOverviewCells(0, 0, x, y);
    const Rect r = CellRect(x, y);
    if (r.Empty())
    {
        return;
    }
    Canvas canvas(EKR.picture);
    if (viewMode_ == ViewMode::Tactical)
    {
        ClearLeftHulls(x, y);
        ComposeCell(canvas, r.x, r.y, x, y);
        // A diagonal hull reaches over the two fields beside its ship: drawn again over any of
        // its four fields, so a redrawn neighbour never cuts a piece out of it.
        DrawDiagonalHulls(canvas, x, y);
    }
    else
    {
        if (cellPicture_.Width() != CellSize)
        {
            cellPicture_.SetSize(CellSize, CellSize);
        }
        Canvas cell(cellPicture_);
        ComposeCell(cell, 0, 0, x, y);
        PutScaled(canvas, r, cellPicture_);
    }
}

void TForm1::DrawUnit(int unit)
{
    const GameState& s = game_.state;
    if (!IsUnitCode(unit))
    {
        return;
    }
    const UnitRec& u = s.Unit(unit);
    if (u.X != 0 && u.Y != 0)
    {
        DrawCell(u.X, u.Y);
    }
    const int main = MainUnitOf(unit);
    if (main == unit && HasSecondUnit(u.Class) && SecondCell(unit) <= LastUnitId)
    {
        const UnitRec& stern = s.Unit(SecondCell(unit));
        if (stern.X != 0 && stern.Y != 0)
        {
            DrawCell(stern.X, stern.Y);
        }
    }
}

void TForm1::DrawDiagonalShip(int unit)
{
    DrawUnit(unit);
    if (viewMode_ == ViewMode::Tactical)
    {
        Canvas canvas(EKR.picture);
        DrawDiagonalHulls(canvas, game_.state.Unit(unit).X, game_.state.Unit(unit).Y);
        platform::MarkDrawn();
    }
}

void TForm1::DrawExplosion(int x, int y, int frame)
{
    const Rect r = CellRect(x, y);
    if (r.Empty() || !Has(art_.explosions, frame))
    {
        return;
    }
    Canvas canvas(EKR.picture);
    PutScaled(canvas, r, art_.explosions[frame]);
    explosionDrawn_ = true;
    platform::MarkDrawn();
}

void TForm1::ShowDetectionCircle(int unit)
{
    detectionUnit_ = unit;
    platform::MarkDrawn();
}

// ---- Figures over the map: detection circle, rubber band, group order ---------------------------

void TForm1::DrawMapOverlays(Canvas& frame)
{
    const GameState& s = game_.state;
    // The figures stay on the map: a map narrower or shorter than the view leaves a dark margin
    // that no circle or line may cross.
    const bool strategic = viewMode_ == ViewMode::Strategic;
    const int columns = std::max(0, std::min(strategic ? StrategicColumns() : s.ViewColumns, s.MapWidth - s.ViewX));
    const int rows = std::max(0, std::min(strategic ? StrategicRows() : s.ViewRows, s.MapHeight - s.ViewY));
    const platform::Point origin = EKR.ScreenOrigin();
    const Rect onMap = frame.ClipRect().Intersect(Rect{0, 0, columns * CellPixels(), rows * CellPixels()});
    Canvas canvas(frame.Target(), origin, onMap.Offset(origin.x, origin.y));
    canvas.brush.style = platform::BrushStyle::Clear;
    if (viewMode_ == ViewMode::Tactical && IsUnitCode(detectionUnit_) && detectionUnit_ == s.SelectedUnit &&
        !IsEnemy(detectionUnit_) && detectionUnit_ < PlayerBaseId + 90)
    {
        const UnitRec& u = s.Unit(detectionUnit_);
        const double radius = game_.classes.Class(u.Class).DetectRadius;
        const Rect cell = CellRect(u.X, u.Y);
        if (radius > 0.0 && u.Active != 0 && !cell.Empty())
        {
            const int r = Rounded(radius * CellSize);
            canvas.pen = platform::Pen{colours::Black, 1, platform::PenMode::NotXor};
            canvas.Ellipse(Rect::FromCorners(cell.x - r, cell.y - r, cell.x + CellSize + r, cell.y + CellSize + r));
        }
    }
    if (rubberBand_)
    {
        canvas.pen = platform::Pen{colours::Black, 1, platform::PenMode::NotXor};
        canvas.Rectangle(Rect::FromCorners(std::min(bandStart_.x, bandEnd_.x), std::min(bandStart_.y, bandEnd_.y),
                                           std::max(bandStart_.x, bandEnd_.x) + 1,
                                           std::max(bandStart_.y, bandEnd_.y) + 1));
    }
    if (showOrder_)
    {
        canvas.pen = platform::Pen{colours::Red, 1, platform::PenMode::NotXor};
        const int half = OrderSquareCells / 2;
        const int cx = (orderTarget_.x - s.ViewX - 1) * CellSize;
        const int cy = (orderTarget_.y - s.ViewY - 1) * CellSize;
        canvas.Rectangle(Rect{cx - half * CellSize, cy - half * CellSize, OrderSquareCells * CellSize,
                              OrderSquareCells * CellSize});
        for (const auto& [from, to] : orderLines_)
        {
            canvas.Line((from.x - s.ViewX - 1) * CellSize + CellSize / 2, (from.y - s.ViewY - 1) * CellSize + CellSize / 2,
                        (to.x - s.ViewX - 1) * CellSize + CellSize / 2, (to.y - s.ViewY - 1) * CellSize + CellSize / 2);
        }
    }
}

} // namespace olvane
