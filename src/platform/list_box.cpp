#include "platform/list_box.h"

#include "platform/scroll_bar.h"

#include <algorithm>

namespace olvane::platform
{

ListBox::ListBox(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 121, 97};
    colour = colours::Window;
}

int ListBox::RowHeight()
{
    if (itemHeight > 0)
    {
        return itemHeight;
    }
    Picture scratch(1, 1);
    Canvas c(scratch);
    c.font = font;
    return c.TextHeight("Ag");
}

int ListBox::VisibleRows()
{
    return std::max(1, (bounds.height - 4) / RowHeight());
}

void ListBox::Insert(int index, std::string text)
{
    index = std::clamp(index, 0, static_cast<int>(items.size()));
    items.insert(items.begin() + index, std::move(text));
    if (itemIndex >= index)
    {
        ++itemIndex;
    }
}

void ListBox::Clear()
{
    items.clear();
    itemIndex = -1;
    topIndex = 0;
}

int ListBox::ItemAt(Point p)
{
    if (p.y < 2)
    {
        return -1;
    }
    int index = topIndex + (p.y - 2) / RowHeight();
    return index < static_cast<int>(items.size()) ? index : -1;
}

void ListBox::ScrollTo(int index)
{
    int rows = VisibleRows();
    if (index < topIndex)
    {
        topIndex = index;
    }
    else if (index >= topIndex + rows)
    {
        topIndex = index - rows + 1;
    }
    topIndex = std::clamp(topIndex, 0, std::max(0, static_cast<int>(items.size()) - rows));
}

void ListBox::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = colour;
    canvas.FillRect(r);
    DrawBevel(canvas, r, false);
    Rect inside = r.Inflate(-2);
    ScrollBar bar{topIndex, VisibleRows(), static_cast<int>(items.size())};
    if (bar.Needed())
    {
        bar.Paint(canvas, ScrollBar::Place(inside));
        inside.width -= ScrollBar::Width;
    }
    int rowHeight = RowHeight();
    canvas.brush.style = BrushStyle::Clear;
    Colour text = canvas.font.colour;
    for (int i = topIndex, y = inside.y; i < static_cast<int>(items.size()) && y < inside.Bottom(); ++i, y += rowHeight)
    {
        Rect row{inside.x, y, inside.width, rowHeight};
        if (i == itemIndex)
        {
            canvas.brush.colour = colours::Highlight;
            canvas.FillRect(row.Intersect(inside));
            canvas.font.colour = colours::HighlightText;
        }
        else
        {
            canvas.font.colour = text;
        }
        canvas.TextRect(row.Intersect(inside), inside.x + 2, y, items[static_cast<std::size_t>(i)]);
    }
    canvas.font.colour = text;
}

void ListBox::MouseDown(MouseButton button, ShiftState shift, Point p)
{
    ScrollBar bar{topIndex, VisibleRows(), static_cast<int>(items.size())};
    Rect place = ScrollBar::Place(Rect{0, 0, bounds.width, bounds.height}.Inflate(-2));
    if (bar.Needed() && place.Contains(p))
    {
        topIndex = bar.Clicked(place, p);
        return;
    }
    int index = ItemAt(p);
    if (index >= 0)
    {
        itemIndex = index;
    }
    Control::MouseDown(button, shift, p);
}

void ListBox::MouseWheel(int steps)
{
    int rows = VisibleRows();
    topIndex = std::clamp(topIndex - steps * 3, 0, std::max(0, static_cast<int>(items.size()) - rows));
}

bool ListBox::KeyDown(SDL_Keycode key, ShiftState)
{
    if (items.empty() || (key != SDLK_UP && key != SDLK_DOWN))
    {
        return false;
    }
    int step = key == SDLK_UP ? -1 : 1;
    itemIndex = std::clamp(itemIndex + step, 0, static_cast<int>(items.size()) - 1);
    ScrollTo(itemIndex);
    Control::Click();
    return true;
}

} // namespace olvane::platform
