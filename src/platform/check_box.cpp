#include "platform/check_box.h"

namespace olvane::platform
{

namespace
{

constexpr int BoxSize = 13;

void DrawCaption(Canvas& canvas, const Control& c)
{
    canvas.brush.style = BrushStyle::Clear;
    if (!c.Usable())
    {
        canvas.font.colour = colours::GrayText;
    }
    int y = (c.bounds.height - canvas.TextHeight("Ag")) / 2;
    canvas.TextOut(BoxSize + 5, y, c.caption);
    if (c.Focused())
    {
        canvas.brush.colour = colours::Gray;
        Size e = canvas.TextExtent(c.caption);
        canvas.FrameRect(Rect{BoxSize + 3, y, e.width + 4, e.height});
    }
}

} // namespace

CheckBox::CheckBox(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 97, 17};
    colour = colours::ParentColour;
}

void CheckBox::Paint(Canvas& canvas)
{
    canvas.brush.colour = BackgroundColour();
    canvas.FillRect(Rect{0, 0, bounds.width, bounds.height});
    Rect box{0, (bounds.height - BoxSize) / 2, BoxSize, BoxSize};
    canvas.brush.colour = Usable() ? colours::Window : colours::ButtonFace;
    canvas.FillRect(box);
    DrawBevel(canvas, box, false);
    if (checked)
    {
        // The tick: a short stroke down-right, then a long one up-right, three pixels thick.
        canvas.pen = Pen{Usable() ? colours::Black : colours::GrayText, 1, PenMode::Copy};
        for (int t = 0; t < 3; ++t)
        {
            canvas.Line(box.x + 3, box.y + 5 + t, box.x + 5, box.y + 7 + t);
            canvas.Line(box.x + 5, box.y + 7 + t, box.x + 10, box.y + 2 + t);
        }
    }
    DrawCaption(canvas, *this);
}

void CheckBox::Click()
{
    checked = !checked;
    Control::Click();
}

bool CheckBox::KeyDown(SDL_Keycode key, ShiftState)
{
    if (key == SDLK_SPACE)
    {
        Click();
        return true;
    }
    return false;
}

RadioButton::RadioButton(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 113, 17};
    colour = colours::ParentColour;
}

void RadioButton::SetChecked(bool on)
{
    checked_ = on;
    if (on && Parent() != nullptr)
    {
        for (Control* sibling : Parent()->Children())
        {
            if (auto* other = dynamic_cast<RadioButton*>(sibling); other != nullptr && other != this)
            {
                other->checked_ = false;
            }
        }
    }
}

void RadioButton::Paint(Canvas& canvas)
{
    canvas.brush.colour = BackgroundColour();
    canvas.FillRect(Rect{0, 0, bounds.width, bounds.height});
    Rect box{0, (bounds.height - BoxSize) / 2, BoxSize - 1, BoxSize - 1};
    canvas.pen = Pen{colours::ButtonShadow, 1, PenMode::Copy};
    canvas.brush = Brush{Usable() ? colours::Window : colours::ButtonFace, BrushStyle::Solid};
    canvas.Ellipse(box);
    if (checked_)
    {
        canvas.pen.colour = colours::Black;
        canvas.brush.colour = colours::Black;
        canvas.Ellipse(Rect{box.x + 3, box.y + 3, box.width - 6, box.height - 6});
    }
    canvas.brush = Brush{};
    DrawCaption(canvas, *this);
}

void RadioButton::Click()
{
    SetChecked(true);
    Control::Click();
}

bool RadioButton::KeyDown(SDL_Keycode key, ShiftState)
{
    if (key == SDLK_SPACE)
    {
        Click();
        return true;
    }
    return false;
}

} // namespace olvane::platform
