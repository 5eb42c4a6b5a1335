#include "screen/map_art.h"

#include "art/sheets.h"
#include "state/data_files.h"

namespace olvane
{

namespace
{

constexpr platform::Colour SheetKey = platform::Rgb(art::KeyColour.r, art::KeyColour.g, art::KeyColour.b);

bool LoadPicture(const DataFiles& files, std::string_view name, platform::Picture& into,
                 std::vector<std::string>& missing)
{
    const auto path = files.Find(name);
    if (!path || into.Load(*path))
    {
        missing.emplace_back(name);
        return false;
    }
    return true;
}

/// Adds the frames of one sheet to a list, exactly as many as the sheet holds.
void CutSheet(const DataFiles& files, const art::Sheet& sheet, platform::PictureList& list,
              std::vector<std::string>& missing)
{
    platform::Picture whole;
    if (!LoadPicture(files, sheet.file, whole, missing))
    {
        return;
    }
    if (sheet.keyed)
    {
        whole.transparent = true;
        whole.transparentColour = SheetKey;
    }
    for (int frame = 0; frame < sheet.frames; ++frame)
    {
        platform::Picture cut =
            whole.Cut(platform::Rect{sheet.FrameX(frame), sheet.FrameY(frame), sheet.frameWidth, sheet.frameHeight});
        if (sheet.keyed && cut.Surface() != nullptr)
        {
            // The map view copies hundreds of frames per redraw; SDL's own keyed copy does it fast.
            SDL_SetColorKey(cut.Surface(), SDL_TRUE,
                            SDL_MapRGB(cut.Surface()->format, art::KeyColour.r, art::KeyColour.g, art::KeyColour.b));
        }
        list.Add(std::move(cut));
    }
}

} // namespace

std::string LandSuffixOf(std::string_view tag)
{
    std::string suffix;
    for (char c : tag)
    {
        if (c != ' ')
        {
            suffix += c;
        }
    }
    return suffix.size() == 1 && suffix[0] >= '1' && suffix[0] <= '6' ? suffix : std::string();
}

void MapArt::LoadLand(const DataFiles& files, std::string_view landSuffix)
{
    const std::string suffix = LandSuffixOf(landSuffix);
    if (suffix == landSet)
    {
        return;
    }
    land.Clear();
    const int index = suffix.empty() ? 0 : suffix[0] - '0';
    CutSheet(files, art::LandSheets[static_cast<std::size_t>(index)], land, missing);
    landSet = suffix;
}

void MapArt::Load(const DataFiles& files, std::string_view landSuffix, bool layout1024)
{
    *this = MapArt{};
    CutSheet(files, art::SeaSheet, sea, missing);
    CutSheet(files, art::TerrainSheet, terrain, missing);
    CutSheet(files, art::CoastCornerSheet, coastCorners, missing);
    CutSheet(files, art::PortSheet, ports, missing);
    CutSheet(files, art::SeaMarkSheet, seaMarks, missing);
    CutSheet(files, art::LastSeenSheet, lastSeen, missing);
    CutSheet(files, art::TintSheet, tints, missing);
    CutSheet(files, art::ExplosionSheet, explosions, missing);
    CutSheet(files, art::AttackMarkSheet, attackMarks, missing);
    for (const art::Sheet& sheet : art::PlayerSpriteSheets)
    {
        CutSheet(files, sheet, sprites[0], missing);
    }
    for (const art::Sheet& sheet : art::ComputerSpriteSheets)
    {
        CutSheet(files, sheet, sprites[1], missing);
    }
    CutSheet(files, art::PlayerMarkSheet, marks[0], missing);
    CutSheet(files, art::ComputerMarkSheet, marks[1], missing);
    CutSheet(files, art::PlayerBigSheet, bigShips[0], missing);
    CutSheet(files, art::ComputerBigSheet, bigShips[1], missing);
    LoadPicture(files, "BMP/MENI/maska.BMP", mask, missing);
    LoadPicture(files, "BMP/MENI/maska2.BMP", mask2, missing);
    LoadPicture(files, layout1024 ? "BMP/MENI/backmain1024.BMP" : "BMP/MENI/flip2.bmp", panelGround, missing);
    LoadPicture(files, "BMP/MENI/label1024.BMP", panelPlate, missing);
    LoadLand(files, landSuffix);
}

} // namespace olvane
