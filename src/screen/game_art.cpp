#include "screen/game_art.h"

#include "state/data_files.h"

#include <algorithm>
#include <vector>

namespace olvane
{

namespace
{

constexpr platform::Colour SheetKey = platform::Rgb(art::KeyColour.r, art::KeyColour.g, art::KeyColour.b);

platform::Picture LoadGameRows(const DataFiles& files, std::string_view name, int top, int height)
{
    platform::Picture picture;
    const auto path = files.Find(name);
    if (!path || picture.LoadRows(*path, top, height))
    {
        return platform::Picture();
    }
    return picture;
}

/// Frames first .. first + count - 1 of a sheet whose picture starts at row `top` of the sheet.
platform::PictureList CutFrames(platform::Picture picture, const art::Sheet& sheet, int first, int count, int top)
{
    if (picture.Empty())
    {
        return platform::PictureList();
    }
    if (sheet.keyed)
    {
        picture.transparent = true;
        picture.transparentColour = SheetKey;
    }
    std::vector<platform::Rect> parts;
    for (int frame = first; frame < first + count; ++frame)
    {
        parts.push_back(platform::Rect{sheet.FrameX(frame), sheet.FrameY(frame) - top, sheet.frameWidth,
                                       sheet.frameHeight});
    }
    platform::PictureList list = platform::PictureList::FromSheet(std::move(picture), parts);
    if (sheet.keyed)
    {
        for (int i = 0; i < list.Count(); ++i)
        {
            SDL_Surface* s = list[i].Surface();
            SDL_SetColorKey(s, SDL_TRUE, SDL_MapRGB(s->format, art::KeyColour.r, art::KeyColour.g, art::KeyColour.b));
        }
    }
    return list;
}

} // namespace

std::string EditionPictureFolder(int edition)
{
    return "BMP/MENI" + std::to_string(edition);
}

platform::Picture LoadGamePicture(const DataFiles& files, std::string_view name, bool keyed)
{
    platform::Picture picture = LoadGameRows(files, name, 0, 0);
    if (keyed && !picture.Empty())
    {
        picture.transparent = true;
        picture.transparentColour = SheetKey;
    }
    return picture;
}

platform::PictureList LoadSheet(const DataFiles& files, const art::Sheet& sheet)
{
    return CutFrames(LoadGameRows(files, sheet.file, 0, 0), sheet, 0, sheet.frames, 0);
}

platform::PictureList LoadSheetRow(const DataFiles& files, const art::Sheet& sheet, int row)
{
    const int first = row * sheet.columns;
    if (row < 0 || first >= sheet.frames)
    {
        return platform::PictureList();
    }
    const int top = sheet.FrameY(first);
    return CutFrames(LoadGameRows(files, sheet.file, top, sheet.frameHeight), sheet, first,
                     std::min(sheet.columns, sheet.frames - first), top);
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

} // namespace olvane
