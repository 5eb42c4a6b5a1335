#include "platform/panel.h"

#include <algorithm>

namespace olvane::platform
{

Panel::Panel(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 185, 41};
}

void Panel::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = colour;
    canvas.FillRect(r);
    switch (bevel)
    {
        case Bevel::None:
            break;
        case Bevel::Raised:
            DrawBevel(canvas, r, true);
            break;
        case Bevel::Lowered:
            DrawBevel(canvas, r, false);
            break;
    }
    DrawCentredText(canvas, r, caption, Usable());
}

TabSheet::TabSheet(PageControl* parent) : Control(parent)
{
    colour = colours::ParentColour;
    if (parent != nullptr)
    {
        visible = parent->Pages().size() == 1;
    }
}

void TabSheet::Paint(Canvas& canvas)
{
    canvas.brush.colour = BackgroundColour();
    canvas.FillRect(Rect{0, 0, bounds.width, bounds.height});
}

PageControl::PageControl(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 289, 193};
}

std::vector<TabSheet*> PageControl::Pages() const
{
    std::vector<TabSheet*> pages;
    for (Control* c : Children())
    {
        if (auto* page = dynamic_cast<TabSheet*>(c))
        {
            pages.push_back(page);
        }
    }
    return pages;
}

void PageControl::Layout()
{
    auto pages = Pages();
    for (std::size_t i = 0; i < pages.size(); ++i)
    {
        pages[i]->bounds = Rect{3, TabHeight + 3, bounds.width - 6, bounds.height - TabHeight - 6};
        pages[i]->visible = static_cast<int>(i) == activePage_;
    }
}

void PageControl::SetActivePage(int index)
{
    auto pages = Pages();
    if (index < 0 || index >= static_cast<int>(pages.size()) || index == activePage_)
    {
        Layout();
        return;
    }
    activePage_ = index;
    Layout();
    if (onChange)
    {
        onChange();
    }
}

Rect PageControl::TabRect(int index)
{
    Picture scratch(1, 1);
    Canvas measure(scratch);
    measure.font = font;
    auto pages = Pages();
    int x = 2;
    for (int i = 0; i < static_cast<int>(pages.size()); ++i)
    {
        int width = measure.TextWidth(pages[static_cast<std::size_t>(i)]->caption) + 12;
        if (i == index)
        {
            return Rect{x, 2, width, TabHeight - 2};
        }
        x += width;
    }
    return Rect{};
}

void PageControl::Paint(Canvas& canvas)
{
    Layout();
    canvas.brush.colour = Parent() != nullptr ? Parent()->BackgroundColour() : colour;
    canvas.FillRect(Rect{0, 0, bounds.width, TabHeight});
    canvas.brush.colour = colour;
    canvas.FillRect(Rect{0, TabHeight, bounds.width, bounds.height - TabHeight});
    DrawBevel(canvas, Rect{0, TabHeight, bounds.width, bounds.height - TabHeight}, true);
    auto pages = Pages();
    for (int i = 0; i < static_cast<int>(pages.size()); ++i)
    {
        Rect tab = TabRect(i);
        bool active = i == activePage_;
        if (active)
        {
            tab = Rect{tab.x - 2, tab.y - 2, tab.width + 4, tab.height + 3};
        }
        canvas.brush.colour = colour;
        canvas.FillRect(tab);
        DrawBevel(canvas, Rect{tab.x, tab.y, tab.width, tab.height + 2}, true);
        if (active)
        {
            canvas.brush.colour = colour;
            canvas.FillRect(Rect{tab.x + 1, tab.Bottom() - 1, tab.width - 3, 3});
        }
        DrawCentredText(canvas, tab, pages[static_cast<std::size_t>(i)]->caption, Usable());
    }
}

void PageControl::MouseDown(MouseButton button, ShiftState shift, Point p)
{
    if (button == MouseButton::Left)
    {
        auto count = static_cast<int>(Pages().size());
        for (int i = 0; i < count; ++i)
        {
            if (TabRect(i).Contains(p))
            {
                SetActivePage(i);
                break;
            }
        }
    }
    Control::MouseDown(button, shift, p);
}

ProgressBar::ProgressBar(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 150, 17};
}

void ProgressBar::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = colour;
    canvas.FillRect(r);
    DrawBevel(canvas, r, false);
    if (max <= min)
    {
        return;
    }
    Rect inside = r.Inflate(-2);
    int filled = static_cast<int>(static_cast<long long>(std::clamp(position, min, max) - min) * inside.width /
                                  (max - min));
    // Blocks as the desktop draws them: a gap of two pixels after every block.
    int block = std::max(6, inside.height * 2 / 3);
    canvas.brush.colour = colours::Highlight;
    for (int x = 0; x < filled; x += block + 2)
    {
        canvas.FillRect(Rect{inside.x + x, inside.y + 1, std::min(block, filled - x), inside.height - 2});
    }
}

} // namespace olvane::platform
