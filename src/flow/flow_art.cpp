#include "flow/flow_art.h"

#include "platform/canvas.h"

#include <algorithm>

namespace olvane
{

std::string LayoutPictureName(std::string_view stem, std::string_view extension, bool layout1024)
{
    return std::string(stem) + (layout1024 ? "1024" : "1366") + std::string(extension);
}

void ShadePicture(platform::Picture& picture, const platform::Rect& band)
{
    const int right = std::min(band.x + band.width, picture.Width());
    const int bottom = std::min(band.y + band.height, picture.Height());
    for (int y = std::max(band.y, 0); y < bottom; ++y)
    {
        for (int x = std::max(band.x, 0); x < right; ++x)
        {
            const platform::Colour c = picture.Pixel(x, y);
            picture.SetPixel(x, y, ((c >> 2) & 0x3F3F3F) + ((c >> 3) & 0x1F1F1F));
        }
    }
}

void DrawFrame(platform::Canvas& canvas, int x, int y, const platform::PictureList& list, int index)
{
    if (index >= 0 && index < list.Count())
    {
        canvas.Draw(x, y, list[index]);
    }
}

} // namespace olvane
