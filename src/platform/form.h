#pragma once

#include "platform/control.h"

#include <functional>
#include <string>
#include <vector>

namespace olvane::platform
{

/// Results a modal form closes with; screens may use their own numbers above these.
constexpr int ResultNone = 0;
constexpr int ResultOk = 1;
constexpr int ResultCancel = 2;
constexpr int ResultYes = 6;
constexpr int ResultNo = 7;

/// What closing a form does; a close handler may refuse with None.
enum class CloseAction : std::uint8_t
{
    None,
    Hide,
};

class Button;

/// One of the game's windows: a rectangle on the framebuffer with its controls. Every form is
/// created once and then only shown and hidden. ShowModal runs a nested event loop until the
/// form closes and returns its result.
class Form : public Control
{
public:
    Form();
    ~Form() override;

    void Show();
    void Hide();

    /// Shows the form above all others and handles input for it alone until it closes.
    int ShowModal();

    /// Closes the form: a modal one ends its loop with ResultCancel unless a result is set;
    /// closing the main form ends the program.
    void Close();

    bool Modal() const { return modal_; }

    /// True while the form is the one taking keyboard input.
    bool Active() const;

    /// Takes the layout's client size at the framebuffer's top-left, as full-screen windows do.
    void MakeFullScreen();

    /// A client area of the given size, centred on the framebuffer.
    void MakeCentred(int width, int height);

    int modalResult = ResultNone;
    bool keyPreview = false;

    /// Pressed by Enter and Escape when the focused control does not use them.
    Button* defaultButton = nullptr;
    Button* cancelButton = nullptr;

    std::function<void()> onActivate;
    std::function<void()> onShow;
    std::function<void()> onHide;
    std::function<void(Canvas&)> onPaint;
    std::function<void(CloseAction&)> onClose;
    /// Sees keys before the focused control when keyPreview is set, after it otherwise; setting
    /// the key to 0 marks it handled.
    std::function<void(SDL_Keycode&, ShiftState)> onKeyDown;

    Control* FocusedControl() const { return focused_; }

    void SetFocusedControl(Control* control);

    /// Every text drawn on the form in the last composed frame, in drawing order.
    const std::vector<std::string>& DrawnTexts() const { return drawnTexts_; }

    void Paint(Canvas& canvas) override;

    /// Handles a key for this form: preview, focused control, Tab, default and cancel buttons.
    void HandleKey(SDL_Keycode key, ShiftState shift);

    /// Runs the close handler; false when it refused.
    bool QueryClose();

private:
    friend class Application;

    void FocusNext();

    bool modal_ = false;
    Control* focused_ = nullptr;
    std::vector<std::string> drawnTexts_;
};

} // namespace olvane::platform
