#pragma once

#include "platform/canvas.h"

namespace olvane::platform
{

/// A vertical scroll bar along a list's right edge: arrows at both ends and a thumb whose size
/// and place show which part of the list is in view.
struct ScrollBar
{
    static constexpr int Width = 16;

    /// The first line in view, how many fit, and how many there are.
    int first = 0;
    int visible = 1;
    int total = 0;

    bool Needed() const { return total > visible; }

    /// The bar's place inside a control's rectangle.
    static Rect Place(const Rect& control) { return Rect{control.Right() - Width, control.y, Width, control.height}; }

    void Paint(Canvas& canvas, const Rect& bar) const;

    /// The first line after a click on the bar: an arrow moves one line, the track a page.
    int Clicked(const Rect& bar, Point p) const;
};

} // namespace olvane::platform
