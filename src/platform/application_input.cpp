// Input: where mouse and keyboard events go, and the hint of the control under a resting mouse.

#include "platform/application.h"

#include "platform/control.h"
#include "platform/form.h"

#include <algorithm>

namespace olvane::platform
{

namespace
{

ShiftState ModifierState(Uint16 mod)
{
    ShiftState s = 0;
    if ((mod & KMOD_SHIFT) != 0)
    {
        s |= ShiftKey;
    }
    if ((mod & KMOD_ALT) != 0)
    {
        s |= AltKey;
    }
    if ((mod & KMOD_CTRL) != 0)
    {
        s |= CtrlKey;
    }
    return s;
}

ShiftState ButtonState(Uint32 buttons)
{
    ShiftState s = 0;
    if ((buttons & SDL_BUTTON_LMASK) != 0)
    {
        s |= LeftButtonHeld;
    }
    if ((buttons & SDL_BUTTON_RMASK) != 0)
    {
        s |= RightButtonHeld;
    }
    if ((buttons & SDL_BUTTON_MMASK) != 0)
    {
        s |= MiddleButtonHeld;
    }
    return s;
}

std::optional<MouseButton> ButtonOf(Uint8 sdlButton)
{
    switch (sdlButton)
    {
        case SDL_BUTTON_LEFT:
            return MouseButton::Left;
        case SDL_BUTTON_RIGHT:
            return MouseButton::Right;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

Point Local(const Control* c, Point screen)
{
    Point o = c->ScreenOrigin();
    return Point{screen.x - o.x, screen.y - o.y};
}

} // namespace

bool Application::HintWaiting() const
{
    return hovered_ != nullptr && !hintDismissed_ && !hintShown_ && !hovered_->hint.empty() &&
           Now() >= hoveredSince_ + HintDelay;
}

void Application::DrawHint()
{
    if (hovered_ == nullptr || hintDismissed_ || hovered_->hint.empty() || !hovered_->Showing() ||
        Now() < hoveredSince_ + HintDelay)
    {
        return;
    }
    hintShown_ = true;
    // A hint may carry a long form after a bar; the tooltip shows the short one.
    std::string text = hovered_->hint.substr(0, hovered_->hint.find('|'));
    Canvas c(framebuffer_);
    c.font = Font{"ARIAL", 8, FontStyle::Regular, false, colours::Black};
    Size extent = c.TextExtent(text);
    Rect box{mouse_.x, mouse_.y + 20, extent.width + 8, extent.height + 4};
    box.x = std::clamp(box.x, 0, std::max(0, framebuffer_.Width() - box.width));
    if (box.Bottom() > framebuffer_.Height())
    {
        box.y = mouse_.y - box.height - 4;
    }
    c.brush.colour = colours::InfoBackground;
    c.FillRect(box);
    c.brush.colour = colours::Black;
    c.FrameRect(box);
    c.brush.style = BrushStyle::Clear;
    Form* form = hovered_->OwnerForm();
    Canvas::RecordTextsInto(form != nullptr ? &form->drawnTexts_ : nullptr);
    c.TextOut(box.x + 4, box.y + 2, text);
    Canvas::RecordTextsInto(nullptr);
}

Point Application::FramebufferToWindow(Point p) const
{
    int ww = 0;
    int wh = 0;
    SDL_GetWindowSize(window_.get(), &ww, &wh);
    double fw = display_.clientWidth;
    double fh = display_.clientHeight;
    double scale = std::min(ww / fw, wh / fh);
    double offsetX = (ww - fw * scale) / 2.0;
    double offsetY = (wh - fh * scale) / 2.0;
    // Aim at the middle of the framebuffer pixel, so SDL's mapping back lands on it.
    return Point{static_cast<int>(offsetX + (p.x + 0.5) * scale), static_cast<int>(offsetY + (p.y + 0.5) * scale)};
}

Form* Application::FormAt(Point p) const
{
    if (!modalStack_.empty())
    {
        Form* top = modalStack_.back();
        return top->bounds.Contains(p) ? top : nullptr;
    }
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    {
        if ((*it)->visible && (*it)->bounds.Contains(p))
        {
            return *it;
        }
    }
    return nullptr;
}

void Application::Dispatch(const SDL_Event& event)
{
    // Input taken ends any pause: what the handler's own waits then see arrived after it.
    queuedBeforePause_ = -1;
    switch (event.type)
    {
        case SDL_QUIT:
            if (onForcedQuit)
            {
                onForcedQuit();
            }
            else
            {
                Terminate();
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            DispatchMouseButton(event.button, true);
            break;
        case SDL_MOUSEBUTTONUP:
            DispatchMouseButton(event.button, false);
            break;
        case SDL_MOUSEMOTION:
            DispatchMouseMotion(event.motion);
            break;
        case SDL_MOUSEWHEEL:
            // At the last place the mouse moved to: the wheel event itself carries no point.
            if (Form* f = FormAt(mouse_))
            {
                Control* target = f->ControlAt(Local(f, mouse_));
                if (target->Usable())
                {
                    target->MouseWheel(event.wheel.y);
                }
            }
            break;
        case SDL_KEYDOWN:
            DispatchKey(event.key);
            break;
        case SDL_TEXTINPUT:
            if (Form* f = InputForm(); f != nullptr && f->FocusedControl() != nullptr)
            {
                f->FocusedControl()->TextInput(event.text.text);
            }
            break;
        case SDL_WINDOWEVENT:
            // Uncovered, resized, restored: the window system may hold none of our last frame.
            wholeFrameDue_ = true;
            break;
        default:
            break;
    }
}

void Application::DispatchMouseButton(const SDL_MouseButtonEvent& e, bool down)
{
    auto button = ButtonOf(e.button);
    if (!button)
    {
        return;
    }
    Point p{e.x, e.y};
    // Held buttons are counted here rather than asked of SDL: input fed in by a script does not
    // change SDL's own mouse state.
    Uint32 mask = SDL_BUTTON(e.button);
    buttonsHeld_ = down ? (buttonsHeld_ | mask) : (buttonsHeld_ & ~mask);
    ShiftState shift = ModifierState(static_cast<Uint16>(SDL_GetModState())) | ButtonState(buttonsHeld_);
    if (!down)
    {
        if (capture_ != nullptr)
        {
            Control* target = capture_;
            if (buttonsHeld_ == 0)
            {
                capture_ = nullptr;
            }
            target->MouseUp(*button, shift, Local(target, p));
        }
        return;
    }
    hintDismissed_ = true;
    Form* form = FormAt(p);
    if (form == nullptr)
    {
        return;
    }
    if (modalStack_.empty() && form != activeForm_)
    {
        ShowForm(*form);
    }
    Control* target = form->ControlAt(Local(form, p));
    if (!target->Usable())
    {
        return;
    }
    if (target->Focusable())
    {
        target->SetFocus();
    }
    capture_ = target;
    target->MouseDown(*button, shift, Local(target, p));
    if (e.clicks == 2 && *button == MouseButton::Left && target->onDoubleClick)
    {
        auto handler = target->onDoubleClick;
        handler();
    }
}

void Application::DispatchMouseMotion(const SDL_MouseMotionEvent& e)
{
    Point p{e.x, e.y};
    mouse_ = p;
    Form* under = FormAt(p);
    Control* resting = under != nullptr ? under->ControlAt(Local(under, p)) : nullptr;
    if (resting != hovered_)
    {
        hovered_ = resting;
        hoveredSince_ = Now();
        hintDismissed_ = false;
        hintShown_ = false;
    }
    ShiftState shift = ModifierState(static_cast<Uint16>(SDL_GetModState())) | ButtonState(buttonsHeld_);
    if (capture_ != nullptr)
    {
        capture_->MouseMove(shift, Local(capture_, p));
        return;
    }
    if (Form* form = FormAt(p))
    {
        Control* target = form->ControlAt(Local(form, p));
        if (target->Usable())
        {
            target->MouseMove(shift, Local(target, p));
        }
    }
}

void Application::DispatchKey(const SDL_KeyboardEvent& e)
{
    SDL_Keycode key = e.keysym.sym;
    ShiftState shift = ModifierState(e.keysym.mod);
    if (key == SDLK_F11 || (key == SDLK_RETURN && shift == AltKey))
    {
        ToggleFullScreen();
        return;
    }
    if (key == SDLK_F4 && (shift & AltKey) != 0)
    {
        // Alt+F4 alone is the forced quit; with Shift or Ctrl it does nothing.
        if ((shift & (ShiftKey | CtrlKey)) == 0)
        {
            if (onForcedQuit)
            {
                onForcedQuit();
            }
            else
            {
                Terminate();
            }
        }
        return;
    }
    if (Form* f = InputForm())
    {
        f->HandleKey(key, shift);
    }
}

} // namespace olvane::platform
