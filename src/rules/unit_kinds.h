#pragma once

#include "state/class_table.h"
#include "state/game_state.h"

#include <string>

namespace olvane
{

// The class groups by which the rules tell units apart.
constexpr bool IsTransporter(int c)
{
    return c >= 1 && c <= 9;
}

constexpr bool IsSubmarine(int c)
{
    return c >= 10 && c <= 19;
}

constexpr bool IsCarrier(int c)
{
    return c >= 70 && c <= 79;
}

constexpr bool IsAircraft(int c)
{
    return c >= 80 && c <= 89;
}

constexpr bool IsAuxiliary(int c)
{
    return c >= 90 && c <= 99;
}


/// Port artillery: the installations with a gun turret.
constexpr bool IsPortGun(int c)
{
    return c >= 100 && c <= 106;
}

/// Headings 1, 3, 5 and 7 point along a diagonal.
constexpr bool IsDiagonal(int facing)
{
    return facing % 2 == 1;
}

/// Aircraft are seen only by the air-spotting classes and the two anti-submarine flyers.
inline bool SpotsAircraft(const ClassTable& classes, int c)
{
    return classes.IsAirSpotter(c) || c == 72 || c == 82;
}

/// The unit that owns a cell number: a second cell stands for its ship, 100 numbers lower.
constexpr int MainUnitOf(int id)
{
    return id > SideBase(SideOf(id)) + SecondCellOffset ? id - SecondCellOffset : id;
}

/// A unit's name without the blanks around it, as every message shows it.
std::string TrimmedName(const UnitRec& unit);

} // namespace olvane
