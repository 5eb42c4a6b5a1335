#pragma once

#include "platform/control.h"

#include <string>
#include <vector>

namespace olvane::platform
{

/// A list of text lines with one selected line; the wheel and the arrow keys scroll it. The
/// game's message list inserts at 0, so the newest line is on top.
class ListBox : public Control
{
public:
    explicit ListBox(Control* parent);

    std::vector<std::string> items;
    int itemIndex = -1;
    int topIndex = 0;
    /// 0: the height of the font's lines.
    int itemHeight = 0;

    void Insert(int index, std::string text);

    void Add(std::string text) { Insert(static_cast<int>(items.size()), std::move(text)); }

    void Clear();

    int ItemAt(Point p);
    int VisibleRows();

    void Paint(Canvas& canvas) override;
    void MouseDown(MouseButton button, ShiftState shift, Point p) override;
    void MouseWheel(int steps) override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;

    bool Focusable() const override { return true; }

private:
    int RowHeight();
    void ScrollTo(int index);
};

} // namespace olvane::platform
