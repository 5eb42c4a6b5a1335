#pragma once

#include "state/game.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace olvane
{

/// The one message the player sees when a map file cannot be read.
constexpr std::string_view MapLoadError = "FATAL ERROR LOADING FILE";

// Coast corners: LandGrid codes 901..904 cut corner 1..4 of a cell, 905..908 the same corner but
// passable by ships. The loader also writes them into MarkGrid, where movement looks for them:
// the corner number, plus MarkCornerPassable when ships may pass.
constexpr int LandCornerFirst = 901;
constexpr int LandCornerPassableFirst = 905;
constexpr int LandCornerLast = 908;
constexpr std::uint16_t MarkCornerPassable = 10;

/// How far a map text was read: on a fault, the line it stopped at and what was wrong there, in
/// words a map author can act on. The player only ever sees MapLoadError.
struct MapReadResult
{
    bool ok = true;
    int line = 0;
    std::string problem;
};

/// Fills the map size, cell codes, ports, zone markers and the computer's zone records from the
/// text of a map file; ports and zone markers start empty. On a fault it stops at that line and
/// keeps what it filled before. Any text is safe: bad data never throws and never crashes.
MapReadResult ReadMapText(GameState& state, std::string_view text);

/// The map file of a map number below the game folder, such as "BAZE/ZEM/F410_OST.TXT".
std::string MapFileName(int mapNumber);

/// Loads map `mapNumber` after ClearMaps and after the scenario record (whose side settings decide
/// whether codes 1 and 2 are major ports). A missing or faulty file shows MapLoadError once; the
/// game then goes on with what was read, and the result is false.
bool LoadMapFile(Game& game, int mapNumber);

/// The text shown for port `port` (1..25): "Major Port " or "Port ", then the zone name of the
/// current map picture when the map marks that many zones and the name exists, else "X-Y".
std::string PortLabel(const GameState& state, int port);

/// A port's name alone: the zone name the map picture gives it, else its position "X-Y"; empty
/// for a number outside the port table.
std::string PortName(const GameState& state, int port);

} // namespace olvane
