#pragma once

#include "platform/canvas.h"
#include "platform/geometry.h"

#include <SDL_keycode.h>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace olvane::platform
{

class Form;

enum class MouseButton : std::uint8_t
{
    Left,
    Right,
    Middle,
};

/// Modifier keys and mouse buttons held during an input event.
using ShiftState = unsigned;
constexpr ShiftState ShiftKey = 1;
constexpr ShiftState AltKey = 2;
constexpr ShiftState CtrlKey = 4;
constexpr ShiftState LeftButtonHeld = 8;
constexpr ShiftState RightButtonHeld = 16;
constexpr ShiftState MiddleButtonHeld = 32;

using MouseHandler = std::function<void(MouseButton, ShiftState, int x, int y)>;
using MouseMoveHandler = std::function<void(ShiftState, int x, int y)>;

/// Anything placed on a form: a rectangle relative to its parent, with the properties every
/// screen sets (caption, font, colour, enabled, visible, hint, tag) and mouse handlers in its own
/// coordinates. Controls are members of their form and register with their parent on
/// construction; nothing is allocated while the game runs.
class Control
{
public:
    explicit Control(Control* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Rect bounds;
    std::string caption;
    Font font;
    Colour colour = colours::ButtonFace;
    bool enabled = true;
    bool visible = true;
    std::string hint;
    int tag = 0;

    std::function<void()> onClick;
    /// The second press of a double click (after the first press's click).
    std::function<void()> onDoubleClick;
    MouseHandler onMouseDown;
    MouseMoveHandler onMouseMove;
    MouseHandler onMouseUp;

    void SetBounds(int x, int y, int width, int height) { bounds = Rect{x, y, width, height}; }

    Control* Parent() const { return parent_; }

    const std::vector<Control*>& Children() const { return children_; }

    /// The form this control sits on (itself for a form).
    Form* OwnerForm();

    /// The control's top-left corner in framebuffer pixels.
    Point ScreenOrigin() const;

    /// Visible itself and all its parents up to a visible form.
    bool Showing() const;

    /// Enabled itself and all its parents.
    bool Usable() const;

    /// The deepest visible child under a point given in this control's coordinates, or this.
    Control* ControlAt(Point local);

    /// Shows the screen as it is now, at once (for drawing done outside the event loop).
    void Repaint();

    void SetFocus();
    bool Focused() const;

    /// Paints this control and its children; the canvas clip is the visible part.
    void PaintTree(Picture& target, const Rect& parentClip);

    /// The colour the control fills with: its own, or its parent's when it has none.
    Colour BackgroundColour() const;

    /// Fits the control to its content before it is painted (labels that size themselves).
    virtual void Arrange() {}

    virtual void Paint(Canvas& canvas);
    virtual void MouseDown(MouseButton button, ShiftState shift, Point p);
    virtual void MouseMove(ShiftState shift, Point p);
    virtual void MouseUp(MouseButton button, ShiftState shift, Point p);
    virtual void MouseWheel(int steps);
    virtual void Click();

    /// A key for the focused control; true when it used the key.
    virtual bool KeyDown(SDL_Keycode key, ShiftState shift);
    virtual void TextInput(std::string_view text);

    virtual bool Focusable() const { return false; }

protected:
    /// True between a left press on this control and its release.
    bool pressed_ = false;

private:
    Control* parent_;
    std::vector<Control*> children_;
};

/// Draws a raised or sunken three-dimensional edge just inside a rectangle.
void DrawBevel(Canvas& canvas, const Rect& r, bool raised);

/// Caption text centred in a rectangle, in the canvas font, greyed when disabled.
void DrawCentredText(Canvas& canvas, const Rect& r, std::string_view text, bool enabled);

} // namespace olvane::platform
