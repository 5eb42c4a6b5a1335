#include "platform/button.h"

#include "platform/application.h"

namespace olvane::platform
{

namespace
{

void PlayClick(bool wanted)
{
    if (wanted && Application::Exists() && Application::Instance().onButtonClick)
    {
        Application::Instance().onButtonClick();
    }
}

} // namespace

Button::Button(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 75, 25};
}

void Button::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = colour;
    canvas.FillRect(r);
    bool sunk = pressed_;
    Rect face = r;
    if (Focused())
    {
        canvas.brush.colour = colours::Black;
        canvas.FrameRect(r);
        face = r.Inflate(-1);
    }
    DrawBevel(canvas, face, !sunk);
    Rect text = sunk ? face.Offset(1, 1) : face;
    DrawCentredText(canvas, text, caption, Usable());
}

void Button::Click()
{
    PlayClick(clickSound);
    if (modalResult != ResultNone)
    {
        if (Form* f = OwnerForm(); f != nullptr && f->Modal())
        {
            f->modalResult = modalResult;
        }
    }
    Control::Click();
}

bool Button::KeyDown(SDL_Keycode key, ShiftState)
{
    if (key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_KP_ENTER)
    {
        Click();
        return true;
    }
    return false;
}

SpeedButton::SpeedButton(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 25, 25};
}

void SpeedButton::Paint(Canvas& canvas)
{
    Rect r{0, 0, bounds.width, bounds.height};
    canvas.brush.colour = colour;
    canvas.FillRect(r);
    bool sunk = down || pressed_;
    if (!flat || sunk)
    {
        DrawBevel(canvas, r, !sunk);
    }
    int shift = sunk ? 1 : 0;
    int textLeft = 0;
    if (!glyph.Empty())
    {
        int gx = caption.empty() ? (bounds.width - glyph.Width()) / 2 : 4;
        canvas.Draw(gx + shift, (bounds.height - glyph.Height()) / 2 + shift, glyph);
        textLeft = gx + glyph.Width();
    }
    DrawCentredText(canvas, Rect{textLeft + shift, shift, bounds.width - textLeft, bounds.height}, caption,
                    Usable());
}

void SpeedButton::Click()
{
    PlayClick(clickSound);
    if (groupIndex != 0)
    {
        if (down && allowAllUp)
        {
            down = false;
        }
        else if (!down)
        {
            for (Control* sibling : Parent()->Children())
            {
                auto* other = dynamic_cast<SpeedButton*>(sibling);
                if (other != nullptr && other->groupIndex == groupIndex)
                {
                    other->down = false;
                }
            }
            down = true;
        }
    }
    Control::Click();
}

} // namespace olvane::platform
