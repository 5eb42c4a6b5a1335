#pragma once

#include <cstdint>

namespace olvane
{

class GameState;

// Port kinds as a decoded cell names them.
constexpr int CellPortNone = 0;
constexpr int CellPlayerMajorPort = 1;
constexpr int CellEnemyMajorPort = 2;
constexpr int CellPlayerPort = 3;
constexpr int CellEnemyPort = 4;

/// What a cell is, as every rule that looks at the map sees it.
struct CellInfo
{
    int code = 0;      ///< the cell's own code; for a unit's cell, the code it covers
    int base = 0;      ///< code div 100
    int coverage = 0;  ///< radar-coverage digit 0..4
    int highlight = 0; ///< reach-display digit 0..1
    int detail = 0;    ///< code mod 10
    int group = 0;     ///< base div 37: 0 ground or marker, 1..9 object, 10..16 land
    bool land = false;
    int portKind = CellPortNone;
    int tileGroup = 0; ///< land only: which tile group to draw
    int tileIndex = 0; ///< land only: which tile in the group
};

/// Decodes a cell code that is not a unit number.
CellInfo DecodeCode(int code);

/// Decodes the cell (x, y); a unit's cell is decoded by the code the unit covers.
CellInfo DecodeCell(const GameState& state, int x, int y);

/// True when (x, y) is land: codes 37000..62899 after looking under any unit.
bool IsLandCell(const GameState& state, int x, int y);

} // namespace olvane
