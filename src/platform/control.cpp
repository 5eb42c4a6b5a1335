#include "platform/control.h"

#include "platform/application.h"
#include "platform/form.h"

#include <algorithm>

namespace olvane::platform
{

Control::Control(Control* parent) : parent_(parent)
{
    if (parent_ != nullptr)
    {
        parent_->children_.push_back(this);
        font = parent_->font;
    }
}

Control::~Control()
{
    if (Application::Exists())
    {
        Application::Instance().ForgetControl(this);
    }
    if (parent_ != nullptr)
    {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

Form* Control::OwnerForm()
{
    Control* c = this;
    while (c->parent_ != nullptr)
    {
        c = c->parent_;
    }
    return dynamic_cast<Form*>(c);
}

Point Control::ScreenOrigin() const
{
    Point p{bounds.x, bounds.y};
    for (const Control* c = parent_; c != nullptr; c = c->parent_)
    {
        p.x += c->bounds.x;
        p.y += c->bounds.y;
    }
    return p;
}

bool Control::Showing() const
{
    for (const Control* c = this; c != nullptr; c = c->parent_)
    {
        if (!c->visible)
        {
            return false;
        }
    }
    return true;
}

bool Control::Usable() const
{
    for (const Control* c = this; c != nullptr; c = c->parent_)
    {
        if (!c->enabled)
        {
            return false;
        }
    }
    return true;
}

Control* Control::ControlAt(Point local)
{
    // The last child added lies on top, as the screens place them.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
    {
        Control* child = *it;
        if (child->visible && child->bounds.Contains(local))
        {
            return child->ControlAt(Point{local.x - child->bounds.x, local.y - child->bounds.y});
        }
    }
    return this;
}

void Control::Repaint()
{
    Application::Instance().Present();
}

void Control::SetFocus()
{
    if (Form* form = OwnerForm())
    {
        form->SetFocusedControl(this);
    }
}

bool Control::Focused() const
{
    Form* form = const_cast<Control*>(this)->OwnerForm();
    return form != nullptr && form->FocusedControl() == this;
}

void Control::PaintTree(Picture& target, const Rect& parentClip)
{
    Arrange();
    Point origin = ScreenOrigin();
    Rect clip = Rect{origin.x, origin.y, bounds.width, bounds.height}.Intersect(parentClip);
    if (clip.Empty())
    {
        return;
    }
    Canvas canvas(target, origin, clip);
    canvas.font = font;
    Paint(canvas);
    for (Control* child : children_)
    {
        if (child->visible)
        {
            child->PaintTree(target, clip);
        }
    }
}

Colour Control::BackgroundColour() const
{
    const Control* c = this;
    while (c->colour == colours::ParentColour && c->parent_ != nullptr)
    {
        c = c->parent_;
    }
    return c->colour == colours::ParentColour ? colours::ButtonFace : c->colour;
}

void Control::Paint(Canvas&)
{
}

void Control::MouseDown(MouseButton button, ShiftState shift, Point p)
{
    if (button == MouseButton::Left)
    {
        pressed_ = true;
    }
    if (onMouseDown)
    {
        onMouseDown(button, shift, p.x, p.y);
    }
}

void Control::MouseMove(ShiftState shift, Point p)
{
    if (onMouseMove)
    {
        onMouseMove(shift, p.x, p.y);
    }
}

void Control::MouseUp(MouseButton button, ShiftState shift, Point p)
{
    bool wasPressed = pressed_ && button == MouseButton::Left;
    if (button == MouseButton::Left)
    {
        pressed_ = false;
    }
    // The click comes before the release handler, as the game's controls report them.
    if (wasPressed && Rect{0, 0, bounds.width, bounds.height}.Contains(p) && Usable())
    {
        Click();
    }
    if (onMouseUp)
    {
        onMouseUp(button, shift, p.x, p.y);
    }
}

void Control::MouseWheel(int)
{
}

void Control::Click()
{
    if (onClick)
    {
        onClick();
    }
}

bool Control::KeyDown(SDL_Keycode, ShiftState)
{
    return false;
}

void Control::TextInput(std::string_view)
{
}

void DrawBevel(Canvas& canvas, const Rect& r, bool raised)
{
    Colour light = raised ? colours::ButtonHighlight : colours::ButtonShadow;
    Colour dark = raised ? colours::ButtonDarkShadow : colours::ButtonHighlight;
    canvas.brush.colour = light;
    canvas.FillRect(Rect{r.x, r.y, r.width, 1});
    canvas.FillRect(Rect{r.x, r.y, 1, r.height});
    canvas.brush.colour = dark;
    canvas.FillRect(Rect{r.x, r.Bottom() - 1, r.width, 1});
    canvas.FillRect(Rect{r.Right() - 1, r.y, 1, r.height});
    if (raised)
    {
        canvas.brush.colour = colours::ButtonShadow;
        canvas.FillRect(Rect{r.x + 1, r.Bottom() - 2, r.width - 2, 1});
        canvas.FillRect(Rect{r.Right() - 2, r.y + 1, 1, r.height - 2});
    }
}

void DrawCentredText(Canvas& canvas, const Rect& r, std::string_view text, bool enabled)
{
    if (text.empty())
    {
        return;
    }
    Size extent = canvas.TextExtent(text);
    int x = r.x + (r.width - extent.width) / 2;
    int y = r.y + (r.height - extent.height) / 2;
    canvas.brush.style = BrushStyle::Clear;
    if (!enabled)
    {
        Colour c = canvas.font.colour;
        canvas.font.colour = colours::ButtonHighlight;
        canvas.TextRect(r, x + 1, y + 1, text);
        canvas.font.colour = colours::GrayText;
        canvas.TextRect(r, x, y, text);
        canvas.font.colour = c;
        return;
    }
    canvas.TextRect(r, x, y, text);
}

} // namespace olvane::platform
