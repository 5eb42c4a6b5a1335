#pragma once

#include "source_text.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace olvane::datagen
{

enum class Alliance
{
    Allies,
    Axis,
};

/// One map file made from a source: its number and which alliance plays side 1 (the player) on
/// it. The ports of that alliance become the player's ports.
struct MapVariant
{
    int number = 0;
    Alliance player = Alliance::Allies;
};

struct MapPortSource
{
    char symbol = 0;
    std::string name; // empty: labelled by its coordinates
    bool major = false;
    Alliance owner = Alliance::Allies;
    int x = 0;
    int y = 0;
};

struct HomeZoneSource
{
    int key = 0;
    int x = 0;
    int y = 0;
    int facing = 0;
};

struct OpenZoneSource
{
    int x = 0;
    int y = 0;
    int size = 0;
};

enum class Ground
{
    Sea,
    Land,
    Port,
};

/// The ground codes of the land symbols of a map picture: what the map draws on the field.
struct LandSymbol
{
    char symbol;
    int inland; // object code 13..57 on a field away from the sea
    int coast;  // object code 8..12 on the shore, or the inland code for a feature that stays
};

/// A map as authored: an ASCII picture of land and sea, the ports in it, the home zones of the
/// two alliances and the open-sea zones of the computer opponent.
struct MapSource
{
    std::string file;
    std::vector<MapVariant> variants;
    int picture = 0;
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;
    std::vector<MapPortSource> ports;
    std::vector<HomeZoneSource> homes;
    std::vector<OpenZoneSource> openZones;
    int autoZoneSize = 0;
    std::vector<std::pair<int, int>> passable;

    Ground At(int x, int y) const;

    char Symbol(int x, int y) const;
};

MapSource ReadMapSource(const std::filesystem::path& path);

/// The text of map file F<number>_OST.TXT for one variant of a map source.
std::string CompileMapFile(const MapSource& map, const MapVariant& variant);

/// The port names a map picture gives to ports 1..10 (empty where it names none).
const std::array<const char*, 10>& PictureZoneNames(int picture);

} // namespace olvane::datagen
