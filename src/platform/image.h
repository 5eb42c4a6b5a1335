#pragma once

#include "platform/control.h"
#include "platform/picture.h"

#include <functional>

namespace olvane::platform
{

/// A picture on a form. What is drawn on its canvas stays in the picture, so the map view and
/// the rubber band keep working on it between frames.
class Image : public Control
{
public:
    explicit Image(Control* parent);

    Picture picture;
    bool stretch = false;
    bool centre = false;
    /// Leaves out the picture's key colour, showing the form beneath.
    bool transparent = false;

    /// A canvas over the picture; an empty picture first takes the control's size.
    Canvas PictureCanvas();

    void Paint(Canvas& canvas) override;
};

/// A surface the screen draws on in onPaint whenever the frame is composed; nothing stays.
class PaintBox : public Control
{
public:
    explicit PaintBox(Control* parent);

    std::function<void(Canvas&)> onPaint;

    void Paint(Canvas& canvas) override;
};

} // namespace olvane::platform
