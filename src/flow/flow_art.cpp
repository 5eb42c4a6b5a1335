#include "flow/flow_art.h"

#include "platform/canvas.h"
#include "state/data_files.h"

#include <algorithm>

namespace olvane
{

namespace
{

constexpr platform::Colour SheetKey = platform::Rgb(art::KeyColour.r, art::KeyColour.g, art::KeyColour.b);

} // namespace

std::string EditionPictureFolder(int edition)
{
    return "BMP/MENI" + std::to_string(edition);
}

std::string LayoutPictureName(std::string_view stem, std::string_view extension, bool layout1024)
{
    return std::string(stem) + (layout1024 ? "1024" : "1366") + std::string(extension);
}

platform::Picture LoadGamePicture(const DataFiles& files, std::string_view name, bool keyed)
{
    platform::Picture picture;
    const auto path = files.Find(name);
    if (!path || picture.Load(*path))
    {
        return platform::Picture();
    }
    if (keyed)
    {
        picture.transparent = true;
        picture.transparentColour = SheetKey;
    }
    return picture;
}

platform::PictureList LoadSheet(const DataFiles& files, const art::Sheet& sheet)
{
    platform::PictureList list;
    const platform::Picture whole = LoadGamePicture(files, sheet.file, sheet.keyed);
    if (whole.Empty())
    {
        return list;
    }
    for (int frame = 0; frame < sheet.frames; ++frame)
    {
        platform::Picture cut =
            whole.Cut(platform::Rect{sheet.FrameX(frame), sheet.FrameY(frame), sheet.frameWidth, sheet.frameHeight});
        if (sheet.keyed)
        {
            cut.transparent = true;
            cut.transparentColour = SheetKey;
        }
        list.Add(std::move(cut));
    }
    return list;
}

platform::PictureList LoadSpriteList(const DataFiles& files, bool computer)
{
    platform::PictureList list;
    for (const art::Sheet& sheet : computer ? art::ComputerSpriteSheets : art::PlayerSpriteSheets)
    {
        platform::PictureList part = LoadSheet(files, sheet);
        if (part.Count() == 0)
        {
            return platform::PictureList();
        }
        for (int i = 0; i < part.Count(); ++i)
        {
            list.Add(std::move(part[i]));
        }
    }
    return list;
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
