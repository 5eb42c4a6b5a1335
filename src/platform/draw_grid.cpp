#include "platform/draw_grid.h"

#include "platform/scroll_bar.h"

#include <algorithm>

namespace olvane::platform
{

DrawGrid::DrawGrid(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 320, 120};
    colour = colours::Window;
}

int DrawGrid::ColWidth(int c) const
{
    if (c >= 0 && c < static_cast<int>(colWidths_.size()) && colWidths_[static_cast<std::size_t>(c)] >= 0)
    {
        return colWidths_[static_cast<std::size_t>(c)];
    }
    return defaultColWidth;
}

int DrawGrid::RowHeight(int r) const
{
    if (r >= 0 && r < static_cast<int>(rowHeights_.size()) && rowHeights_[static_cast<std::size_t>(r)] >= 0)
    {
        return rowHeights_[static_cast<std::size_t>(r)];
    }
    return defaultRowHeight;
}

void DrawGrid::SetColWidth(int c, int width)
{
    if (c < 0)
    {
        return;
    }
    if (c >= static_cast<int>(colWidths_.size()))
    {
        colWidths_.resize(static_cast<std::size_t>(c) + 1, -1);
    }
    colWidths_[static_cast<std::size_t>(c)] = width;
}

void DrawGrid::SetRowHeight(int r, int height)
{
    if (r < 0)
    {
        return;
    }
    if (r >= static_cast<int>(rowHeights_.size()))
    {
        rowHeights_.resize(static_cast<std::size_t>(r) + 1, -1);
    }
    rowHeights_[static_cast<std::size_t>(r)] = height;
}

Rect DrawGrid::CellRect(int c, int r) const
{
    if (c < 0 || c >= colCount || r < 0 || r >= rowCount || (r >= fixedRows && r < topRow))
    {
        return Rect{};
    }
    int x = 0;
    for (int i = 0; i < c; ++i)
    {
        x += ColWidth(i) + gridLineWidth;
    }
    int y = 0;
    for (int i = 0; i < fixedRows && i < r; ++i)
    {
        y += RowHeight(i) + gridLineWidth;
    }
    for (int i = topRow; i < r; ++i)
    {
        y += RowHeight(i) + gridLineWidth;
    }
    if (x >= bounds.width || y >= bounds.height)
    {
        return Rect{};
    }
    return Rect{x, y, ColWidth(c), RowHeight(r)};
}

bool DrawGrid::MouseToCell(Point p, int& c, int& r) const
{
    for (int rr = 0; rr < rowCount; ++rr)
    {
        for (int cc = 0; cc < colCount; ++cc)
        {
            Rect cell = CellRect(cc, rr);
            if (!cell.Empty() && cell.Contains(p))
            {
                c = cc;
                r = rr;
                return true;
            }
        }
    }
    return false;
}

int DrawGrid::VisibleDataRows() const
{
    int y = 0;
    for (int i = 0; i < fixedRows; ++i)
    {
        y += RowHeight(i) + gridLineWidth;
    }
    int n = 0;
    for (int i = topRow; i < rowCount && y + RowHeight(i) <= bounds.height; ++i)
    {
        y += RowHeight(i) + gridLineWidth;
        ++n;
    }
    return std::max(1, n);
}

void DrawGrid::Paint(Canvas& canvas)
{
    canvas.brush.colour = colour;
    canvas.FillRect(Rect{0, 0, bounds.width, bounds.height});
    int usedWidth = 0;
    int usedHeight = 0;
    for (int c = 0; c < colCount; ++c)
    {
        usedWidth = std::max(usedWidth, CellRect(c, 0).Right() + gridLineWidth);
    }
    for (int r = 0; r < rowCount; ++r)
    {
        usedHeight = std::max(usedHeight, CellRect(0, r).Bottom() + gridLineWidth);
    }
    // Grid lines show through the gaps between cells.
    canvas.brush.colour = colours::Gray;
    canvas.FillRect(Rect{0, 0, usedWidth, usedHeight});
    Rect clip = canvas.ClipRect();
    Point origin = ScreenOrigin();
    for (int r = 0; r < rowCount; ++r)
    {
        for (int c = 0; c < colCount; ++c)
        {
            Rect cell = CellRect(c, r);
            if (cell.Empty())
            {
                continue;
            }
            GridCellState state{r == row && r >= fixedRows, r < fixedRows};
            Canvas cellCanvas(canvas.Target(), origin, cell.Intersect(clip).Offset(origin.x, origin.y));
            cellCanvas.font = font;
            cellCanvas.brush.colour = state.fixed ? fixedColour : (state.selected ? colours::Highlight : colour);
            cellCanvas.FillRect(cell);
            if (onDrawCell)
            {
                onDrawCell(c, r, cell, state, cellCanvas);
            }
        }
    }
    ScrollBar bar = VerticalBar();
    if (bar.Needed())
    {
        bar.Paint(canvas, ScrollBar::Place(Rect{0, 0, bounds.width, bounds.height}));
    }
}

ScrollBar DrawGrid::VerticalBar() const
{
    return ScrollBar{topRow - fixedRows, VisibleDataRows(), rowCount - fixedRows};
}

void DrawGrid::SelectRow(int r)
{
    if (r < fixedRows || r >= rowCount)
    {
        return;
    }
    bool canSelect = true;
    if (onSelectCell)
    {
        onSelectCell(col, r, canSelect);
    }
    if (!canSelect)
    {
        return;
    }
    row = r;
    int rows = VisibleDataRows();
    if (r < topRow)
    {
        topRow = r;
    }
    else if (r >= topRow + rows)
    {
        topRow = r - rows + 1;
    }
}

void DrawGrid::MouseDown(MouseButton button, ShiftState shift, Point p)
{
    ScrollBar bar = VerticalBar();
    Rect place = ScrollBar::Place(Rect{0, 0, bounds.width, bounds.height});
    if (bar.Needed() && place.Contains(p))
    {
        topRow = fixedRows + bar.Clicked(place, p);
        return;
    }
    int c = 0;
    int r = 0;
    if (button == MouseButton::Left && MouseToCell(p, c, r) && r >= fixedRows)
    {
        col = c;
        SelectRow(r);
    }
    Control::MouseDown(button, shift, p);
}

void DrawGrid::MouseWheel(int steps)
{
    int last = std::max(fixedRows, rowCount - VisibleDataRows());
    topRow = std::clamp(topRow - steps, fixedRows, last);
}

bool DrawGrid::KeyDown(SDL_Keycode key, ShiftState)
{
    if (key == SDLK_UP || key == SDLK_DOWN)
    {
        SelectRow(row + (key == SDLK_UP ? -1 : 1));
        Control::Click();
        return true;
    }
    return false;
}

} // namespace olvane::platform
