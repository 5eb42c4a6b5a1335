#include "platform/image.h"

namespace olvane::platform
{

Image::Image(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 105, 105};
}

Canvas Image::PictureCanvas()
{
    if (picture.Empty())
    {
        picture.SetSize(bounds.width, bounds.height, colours::White);
    }
    Canvas c(picture);
    c.font = font;
    return c;
}

void Image::Paint(Canvas& canvas)
{
    if (picture.Empty())
    {
        return;
    }
    bool keyed = picture.transparent;
    picture.transparent = transparent || keyed;
    if (stretch)
    {
        canvas.StretchDraw(Rect{0, 0, bounds.width, bounds.height}, picture);
    }
    else if (centre)
    {
        canvas.Draw((bounds.width - picture.Width()) / 2, (bounds.height - picture.Height()) / 2, picture);
    }
    else
    {
        canvas.Draw(0, 0, picture);
    }
    picture.transparent = keyed;
}

PaintBox::PaintBox(Control* parent) : Control(parent)
{
    bounds = Rect{0, 0, 105, 105};
}

void PaintBox::Paint(Canvas& canvas)
{
    if (onPaint)
    {
        canvas.brush = Brush{};
        canvas.pen = Pen{};
        onPaint(canvas);
    }
}

} // namespace olvane::platform
