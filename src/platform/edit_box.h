#pragma once

#include "platform/control.h"

#include <functional>

namespace olvane::platform
{

/// A one-line text entry with a caret. Typed text arrives as text input events (never as key
/// codes, which would type each letter twice) and goes in at the caret; Backspace and Delete
/// remove a character, Left, Right, Home and End move the caret, a click puts it between the
/// nearest characters. Enter runs onReturn when set and otherwise reaches the form's default
/// button. Setting text from code puts the caret at its end.
class EditBox : public Control
{
public:
    explicit EditBox(Control* parent);

    std::string text;
    /// Longest text in characters; 0 for no limit.
    int maxLength = 0;
    bool readOnly = false;

    std::function<void()> onChange;
    std::function<void()> onReturn;

    /// The caret as a byte offset into the text, always at a character boundary.
    std::size_t Caret() const;

    void Paint(Canvas& canvas) override;
    void MouseDown(MouseButton button, ShiftState shift, Point p) override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;
    void TextInput(std::string_view typed) override;

    bool Focusable() const override { return true; }

private:
    void Changed();
    int TextLeft(Canvas& canvas) const;

    std::size_t caret_ = 0;
    // The text the caret was placed in; when code replaces the text, the caret goes to its end.
    std::string caretText_;
};

/// Number of characters (code points) in UTF-8 text.
int Utf8Length(std::string_view text);

} // namespace olvane::platform
