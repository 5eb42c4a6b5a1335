#include "screen/map_art.h"

#include "screen/game_art.h"

#include <algorithm>

namespace olvane
{

namespace
{

void LoadPicture(const DataFiles& files, std::string_view name, platform::Picture& into,
                 std::vector<std::string>& missing)
{
    into = LoadGamePicture(files, name);
    if (into.Empty())
    {
        missing.emplace_back(name);
    }
}

/// Adds the frames of one sheet to a list, exactly as many as the sheet holds.
void CutSheet(const DataFiles& files, const art::Sheet& sheet, platform::PictureList& list,
              std::vector<std::string>& missing)
{
    platform::PictureList frames = LoadSheet(files, sheet);
    if (frames.Count() == 0)
    {
        missing.emplace_back(sheet.file);
    }
    for (int i = 0; i < frames.Count(); ++i)
    {
        list.Add(std::move(frames[i]));
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

void MapArt::LoadTerrain(const DataFiles& files, int mapPicture)
{
    const int row = std::clamp(mapPicture - 1, 0, art::MapPictureCount - 1);
    if (row == terrainRow)
    {
        return;
    }
    terrain = LoadSheetRow(files, art::TerrainSheet, row);
    if (terrain.Count() == 0)
    {
        missing.emplace_back(art::TerrainSheet.file);
    }
    terrainRow = row;
}

void MapArt::Load(const DataFiles& files, std::string_view landSuffix, int mapPicture, bool layout1024)
{
    *this = MapArt{};
    CutSheet(files, art::SeaSheet, sea, missing);
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
    LoadTerrain(files, mapPicture);
}

} // namespace olvane
