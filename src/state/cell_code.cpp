#include "state/cell_code.h"

#include "state/game_state.h"

namespace olvane
{

CellInfo DecodeCode(int code)
{
    CellInfo info;
    info.code = code;
    if (code == CodeSea)
    {
        return info;
    }
    info.base = code / 100;
    const int marks = (code % 100) / 10;
    info.coverage = marks % 5;
    info.highlight = marks / 5;
    info.detail = code % 10;
    info.group = info.base / 37;
    info.land = info.group >= 10 && info.group <= 16;
    switch (info.base)
    {
        case 37:
            info.portKind = CellPlayerMajorPort;
            break;
        case 38:
            info.portKind = CellEnemyMajorPort;
            break;
        case 39:
            info.portKind = CellPlayerPort;
            break;
        case 40:
            info.portKind = CellEnemyPort;
            break;
        default:
            info.portKind = CellPortNone;
            break;
    }
    if (info.group >= 10 && info.group <= 14)
    {
        info.tileGroup = info.group + 1;
        info.tileIndex = info.base - 37 * info.group;
    }
    else if (info.group == 15 || info.group == 16)
    {
        info.tileGroup = info.base - 37 * info.group;
        info.tileIndex = 0;
    }
    return info;
}

CellInfo DecodeCell(const GameState& state, int x, int y)
{
    int code = state.MapGrid(x, y);
    if (IsUnitCode(code))
    {
        code = state.Unit(code).Under;
    }
    return DecodeCode(code);
}

bool IsLandCell(const GameState& state, int x, int y)
{
    return DecodeCell(state, x, y).land;
}

} // namespace olvane
