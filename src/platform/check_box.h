#pragma once

#include "platform/control.h"

namespace olvane::platform
{

/// A box that a click ticks and unticks; onClick runs after the change.
class CheckBox : public Control
{
public:
    explicit CheckBox(Control* parent);

    bool checked = false;

    void Paint(Canvas& canvas) override;
    void Click() override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;

    bool Focusable() const override { return true; }
};

/// One choice of several: checking it clears the other radio buttons on the same parent.
class RadioButton : public Control
{
public:
    explicit RadioButton(Control* parent);

    bool Checked() const { return checked_; }

    void SetChecked(bool on);

    void Paint(Canvas& canvas) override;
    void Click() override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;

    bool Focusable() const override { return true; }

private:
    bool checked_ = false;
};

} // namespace olvane::platform
