#include "hq/hq_window.h"


namespace olvane
{

HqWindow::HqWindow() : titleBar(this)
{
    colour = platform::colours::Black;
    MakeCentred(ClientWidth, ClientHeight + TitleHeight);
    titleBar.SetBounds(0, 0, ClientWidth, TitleHeight);
    titleBar.colour = platform::colours::Highlight;
    titleBar.font = platform::Font{"ARIAL", 10, platform::FontStyle::Bold, false, platform::colours::White};
    visible = false;
}

std::string HqPicturePath(int edition, std::string_view name)
{
    return EditionPictureFolder(edition) + "/" + std::string(name);
}

void DrawFrameIn(platform::Canvas& canvas, const platform::Rect& r, const platform::PictureList& list,
                 int index)
{
    if (index >= 0 && index < list.Count())
    {
        canvas.StretchDraw(r, list[index]);
    }
}

void ShadowText(platform::Canvas& canvas, int x, int y, std::string_view text, platform::Colour shadow)
{
    const platform::Colour front = canvas.font.colour;
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font.colour = shadow;
    canvas.TextOut(x - 1, y - 1, text);
    canvas.font.colour = front;
    canvas.TextOut(x, y, text);
}

} // namespace olvane
