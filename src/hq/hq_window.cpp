#include "hq/hq_window.h"

#include "state/data_files.h"

namespace olvane
{

namespace
{

constexpr platform::Colour SheetKey = platform::Rgb(art::KeyColour.r, art::KeyColour.g, art::KeyColour.b);

} // namespace

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
    return "BMP/MENI" + std::to_string(edition) + "/" + std::string(name);
}

platform::Picture LoadHqPicture(const DataFiles& files, std::string_view name, bool keyed)
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

platform::PictureList LoadHqSheet(const DataFiles& files, const art::Sheet& sheet)
{
    platform::PictureList list;
    const platform::Picture whole = LoadHqPicture(files, sheet.file, sheet.keyed);
    if (whole.Empty())
    {
        return list;
    }
    for (int frame = 0; frame < sheet.frames; ++frame)
    {
        platform::Picture cut = whole.Cut(
            platform::Rect{sheet.FrameX(frame), sheet.FrameY(frame), sheet.frameWidth, sheet.frameHeight});
        if (sheet.keyed)
        {
            cut.transparent = true;
            cut.transparentColour = SheetKey;
        }
        list.Add(std::move(cut));
    }
    return list;
}

platform::PictureList LoadPlayerSprites(const DataFiles& files)
{
    platform::PictureList list;
    for (const art::Sheet& sheet : art::PlayerSpriteSheets)
    {
        platform::PictureList part = LoadHqSheet(files, sheet);
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
