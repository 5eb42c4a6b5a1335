#pragma once

#include "platform/control.h"

#include <functional>

namespace olvane::platform
{

/// A one-line text entry. Typed text arrives as text input events (never as key codes, which
/// would type each letter twice); Backspace deletes the last character; Enter runs onReturn when
/// set and otherwise reaches the form's default button.
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

    void Paint(Canvas& canvas) override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;
    void TextInput(std::string_view typed) override;

    bool Focusable() const override { return true; }
};

/// Number of characters (code points) in UTF-8 text.
int Utf8Length(std::string_view text);

} // namespace olvane::platform
