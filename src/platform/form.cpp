#include "platform/form.h"

#include "platform/application.h"
#include "platform/button.h"
#include "platform/display_layout.h"

#include <algorithm>

namespace olvane::platform
{

namespace
{

void CollectFocusable(Control* c, std::vector<Control*>& out)
{
    for (Control* child : c->Children())
    {
        if (!child->visible || !child->enabled)
        {
            continue;
        }
        if (child->Focusable())
        {
            out.push_back(child);
        }
        CollectFocusable(child, out);
    }
}

} // namespace

Form::Form() : Control(nullptr)
{
    visible = false;
    colour = colours::ButtonFace;
    MakeFullScreen();
    Application::Instance().RegisterForm(this);
}

Form::~Form()
{
    if (Application::Exists())
    {
        Application::Instance().UnregisterForm(this);
    }
}

void Form::Show()
{
    Application::Instance().ShowForm(*this);
}

void Form::Hide()
{
    Application::Instance().HideForm(*this);
}

int Form::ShowModal()
{
    return Application::Instance().RunModal(*this);
}

bool Form::QueryClose()
{
    CloseAction action = CloseAction::Hide;
    if (onClose)
    {
        onClose(action);
    }
    return action != CloseAction::None;
}

void Form::Close()
{
    if (modal_)
    {
        if (modalResult == ResultNone)
        {
            modalResult = ResultCancel;
        }
        return;
    }
    if (!QueryClose())
    {
        return;
    }
    Hide();
    Application& app = Application::Instance();
    if (app.MainForm() == this)
    {
        app.Terminate();
    }
}

bool Form::Active() const
{
    return Application::Instance().InputForm() == this;
}

void Form::MakeFullScreen()
{
    const DisplaySettings& d = Display();
    bounds = Rect{0, 0, d.clientWidth, d.clientHeight};
}

void Form::MakeCentred(int width, int height)
{
    const DisplaySettings& d = Display();
    bounds = Rect{(d.clientWidth - width) / 2, (d.clientHeight - height) / 2, width, height};
}

void Form::SetFocusedControl(Control* control)
{
    focused_ = control;
}

void Form::Paint(Canvas& canvas)
{
    canvas.brush.colour = colour;
    canvas.FillRect(Rect{0, 0, bounds.width, bounds.height});
    if (onPaint)
    {
        canvas.brush.colour = colours::White;
        onPaint(canvas);
    }
}

void Form::FocusNext()
{
    std::vector<Control*> order;
    CollectFocusable(this, order);
    if (order.empty())
    {
        return;
    }
    auto it = std::find(order.begin(), order.end(), focused_);
    focused_ = (it == order.end() || std::next(it) == order.end()) ? order.front() : *std::next(it);
}

void Form::HandleKey(SDL_Keycode key, ShiftState shift)
{
    if (keyPreview && onKeyDown)
    {
        onKeyDown(key, shift);
        if (key == 0)
        {
            return;
        }
    }
    if (focused_ != nullptr && focused_->Showing() && focused_->Usable() && focused_->KeyDown(key, shift))
    {
        return;
    }
    if (key == SDLK_TAB)
    {
        FocusNext();
        return;
    }
    if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && defaultButton != nullptr && defaultButton->Showing() &&
        defaultButton->Usable())
    {
        defaultButton->Click();
        return;
    }
    if (key == SDLK_ESCAPE && cancelButton != nullptr && cancelButton->Showing() && cancelButton->Usable())
    {
        cancelButton->Click();
        return;
    }
    if (!keyPreview && onKeyDown)
    {
        onKeyDown(key, shift);
    }
}

} // namespace olvane::platform
