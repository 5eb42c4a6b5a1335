#pragma once

#include "platform/control.h"
#include "platform/form.h"
#include "platform/picture.h"

namespace olvane::platform
{

/// A push button. Before it acts it plays the game's click (the application's button hook)
/// unless clickSound is off; a modal result closes a modal form with that result.
class Button : public Control
{
public:
    explicit Button(Control* parent);

    int modalResult = ResultNone;
    bool clickSound = true;

    void Paint(Canvas& canvas) override;
    void Click() override;
    bool KeyDown(SDL_Keycode key, ShiftState shift) override;

    bool Focusable() const override { return true; }
};

/// A flat button with an optional picture, never focused. Buttons sharing a group index on one
/// parent stay down one at a time.
class SpeedButton : public Control
{
public:
    explicit SpeedButton(Control* parent);

    Picture glyph;
    bool flat = false;
    int groupIndex = 0;
    bool down = false;
    bool allowAllUp = false;
    bool clickSound = true;

    void Paint(Canvas& canvas) override;
    void Click() override;
};

} // namespace olvane::platform
