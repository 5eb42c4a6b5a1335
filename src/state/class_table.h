#pragma once

#include "state/pstring.h"
#include "state/range_error.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <utility>

namespace olvane
{

class GameState;

constexpr int ClassCount = 109;
constexpr int LastClassIndex = 150;
constexpr int NeighbourOffsetCount = 37;

/// What every unit of a class starts with, and how it is drawn and priced.
struct ClassRec
{
    PString<20> Name;
    std::uint8_t Speed = 0;
    std::uint8_t Range = 0;
    std::uint8_t Armor = 0;
    std::uint8_t Fire = 0;
    std::uint8_t Price = 0;
    std::uint8_t Planes = 0;
    PString<2> Abbrev;
    std::uint8_t Sprite = 0;
    std::uint8_t Icon = 0;
    float DetectRadius = 0.0f;
    std::uint8_t Radar = 0;
    std::uint8_t BigSprite = 0;
};

struct CellOffset
{
    int dx;
    int dy;
};

/// The class table and the sets and offsets filled with it. Filled once before a game is
/// started or loaded; read-only during play.
class ClassTable
{
public:
    ClassRec& Class(int c) { return classes_[Index(c)]; }

    const ClassRec& Class(int c) const { return classes_[Index(c)]; }

    bool IsSonar(int c) const { return SonarClasses.test(Index(c)); }

    bool IsAirSpotter(int c) const { return AirSpotterClasses.test(Index(c)); }

    bool IsBigShip(int c) const { return BigShipClasses.test(Index(c)); }

    std::bitset<256> SonarClasses;
    std::bitset<256> AirSpotterClasses;
    std::bitset<256> BigShipClasses;
    std::uint8_t BigSpriteCount = 0;
    std::array<CellOffset, NeighbourOffsetCount> NeighbourOffsets{};

private:
    static std::size_t Index(int c)
    {
        if (c < 0 || c > LastClassIndex)
        {
            throw RangeError("class", c);
        }
        return static_cast<std::size_t>(c);
    }

    std::array<ClassRec, LastClassIndex + 1> classes_{};
};

/// Fills the class table, the three class sets, the large-picture count and the neighbour
/// offsets; calling it again restores every value.
void InitShipClasses(ClassTable& table);

constexpr int NoCategory = -1;

/// The technology row of a class: transporters 0, submarines 1, escorts 2, destroyers 4 ...
/// radar stations 12; NoCategory for numbers that belong to none (31..39, 110..150).
int ClassCategoryOf(int c);

/// The class numbers of a category; (0, -1), an empty range, for categories that hold none.
std::pair<int, int> ClassRangeOfCategory(int category);

/// The index of a shore installation among the eight kinds; 0 for any other class.
int InstallationIndex(int c);

/// Port artillery and radar stations: shore installations belong to no group and never move.
constexpr bool IsInstallation(int c)
{
    return c >= 100 && c <= 109;
}

/// Cruisers, battleships and carriers own a second cell.
constexpr bool HasSecondUnit(int c)
{
    return c >= 50 && c <= 79;
}

constexpr std::uint8_t TechModeScenarioStart = 0;
constexpr std::uint8_t TechModePurchase = 100;

/// Recomputes the values of every active unit of one side and one class category from its class
/// and the side's current bonuses. At scenario start armour is set from the class; after a
/// purchase a changed armour bonus adds exactly one point, so damage taken is not repaired.
void ApplyTechToUnits(GameState& state, const ClassTable& table, int side, int category, int mode);

} // namespace olvane
