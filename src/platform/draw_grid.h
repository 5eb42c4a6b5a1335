#pragma once

#include "platform/control.h"
#include "platform/scroll_bar.h"

#include <functional>
#include <vector>

namespace olvane::platform
{

struct GridCellState
{
    bool selected = false;
    bool fixed = false;
};

/// An owner-drawn grid: fixed header rows on top, then rows scrolled by topRow; whole rows are
/// selected. Each visible cell is first filled in its default colour, then onDrawCell draws it,
/// on a canvas clipped to the cell, with the cell's rectangle in the grid's coordinates.
class DrawGrid : public Control
{
public:
    explicit DrawGrid(Control* parent);

    int colCount = 5;
    int rowCount = 5;
    int fixedRows = 1;
    int defaultColWidth = 64;
    int defaultRowHeight = 24;
    int gridLineWidth = 1;
    /// The selected row, or -1.
    int row = 1;
    int col = 0;
    int topRow = 1;
    Colour fixedColour = colours::ButtonFace;

    std::function<void(int col, int row, const Rect& rect, GridCellState state, Canvas& canvas)> onDrawCell;
    /// Asked before a row is selected; setting canSelect to false refuses it.
    std::function<void(int col, int row, bool& canSelect)> onSelectCell;

    int ColWidth(int c) const;
    int RowHeight(int r) const;
    void SetColWidth(int c, int width);
    void SetRowHeight(int r, int height);

    /// The cell's rectangle in grid coordinates; empty when it is not visible.
    Rect CellRect(int c, int r) const;

    /// The cell under a point, or false when there is none.
    bool MouseToCell(Point p, int& c, int& r) const;

    /// Rows of data that fit below the header.
    int VisibleDataRows() const;

    void Paint(Canvas& canvas) override;
    void MouseDown(MouseButton button, ShiftState shift, Point p) override;
    void MouseWheel(int steps) override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;

    bool Focusable() const override { return true; }

    /// Selects a data row if onSelectCell allows it, scrolling it into view.
    void SelectRow(int r);

private:
    ScrollBar VerticalBar() const;

    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
};

} // namespace olvane::platform
