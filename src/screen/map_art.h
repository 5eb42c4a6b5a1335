#pragma once

#include "platform/picture.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

class DataFiles;

/// The pictures the main game window draws the sea with, cut from the sheets of the game folder
/// once per game. A sheet that is missing leaves its list empty; the map view then draws plain
/// colours in its place, so a damaged folder never stops play.
struct MapArt
{
    platform::PictureList sea;
    platform::PictureList land;
    platform::PictureList terrain; ///< the features of one map picture's style, by column
    platform::PictureList coastCorners;
    platform::PictureList ports;
    platform::PictureList seaMarks;
    platform::PictureList lastSeen;
    platform::PictureList tints;
    platform::PictureList explosions;
    platform::PictureList attackMarks;
    std::array<platform::PictureList, 2> sprites;  ///< [0] the player's, [1] the computer's
    std::array<platform::PictureList, 2> marks;    ///< facing marks and armour bars
    std::array<platform::PictureList, 2> bigShips; ///< diagonal hulls over 2 x 2 cells
    platform::Picture mask;
    platform::Picture mask2;
    platform::Picture panelGround;
    platform::Picture panelPlate;
    /// The land picture set the sheets were cut for (the scenario's Tag: "" or "1".."6").
    std::string landSet = "?";
    /// The row of the feature sheet `terrain` holds: the map picture - 1.
    int terrainRow = -1;
    /// Files that could not be read, for the player's error message.
    std::vector<std::string> missing;

    /// Loads every sheet of the main game window; the land sheet of the given set and the
    /// features of the given map picture (1..18).
    void Load(const DataFiles& files, std::string_view landSuffix, int mapPicture, bool layout1024);

    /// Cuts the land sheet again when a game uses another land picture set.
    void LoadLand(const DataFiles& files, std::string_view landSuffix);

    /// Reads the features again when a game is drawn in another map picture's style.
    void LoadTerrain(const DataFiles& files, int mapPicture);
};

/// The land picture set of a scenario: its Tag when that is "1".."6", else the default set.
std::string LandSuffixOf(std::string_view tag);

} // namespace olvane
