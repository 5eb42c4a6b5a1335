#include "state/class_table.h"

#include "state/game_state.h"

namespace olvane
{

namespace
{

struct ClassRow
{
    int number;
    const char* name;
    const char* abbrev;
    std::uint8_t speed, range, armor, fire, price, planes;
    float detect;
    std::uint8_t sprite, icon, bigSprite;
};

// clang-format off
constexpr ClassRow ClassRows[] = {
    {2,   "Light Transporter",    "TL", 3, 0, 3,  0, 25,  0, 0.0f, 29, 23, 0},
    {3,   "Transporter",          "TR", 3, 0, 4,  0, 25,  0, 0.0f, 29, 22, 0},
    {6,   "Heavy Transporter",    "TH", 2, 0, 5,  0, 25,  0, 0.0f, 29, 21, 0},
    {10,  "Light Submarine",      "SL", 3, 1, 3,  2, 50,  0, 1.0f, 28, 14, 0},
    {13,  "Submarine",            "SU", 2, 1, 4,  3, 55,  0, 1.0f, 11, 13, 0},
    {16,  "Heavy Submarine",      "SH", 2, 1, 5,  3, 60,  0, 1.0f, 11, 12, 0},
    {18,  "Fleet Submarine",      "SF", 3, 1, 5,  3, 70,  0, 1.0f, 37, 17, 0},
    {20,  "Corvette",             "CO", 2, 0, 3,  2, 30,  0, 0.8f, 10, 16, 0},
    {23,  "Patrol Boat",          "PB", 2, 0, 3,  1, 20,  0, 0.8f, 30, 32, 0},
    {26,  "Torpedo Boat",         "TB", 3, 0, 3,  2, 25,  0, 0.8f, 30, 29, 0},
    {30,  "Frigate",              "FR", 2, 0, 4,  2, 35,  0, 0.8f, 10, 15, 0},
    {40,  "Light Destroyer",      "DL", 4, 1, 4,  2, 45,  0, 1.0f, 4,  11, 0},
    {43,  "Destroyer",            "DE", 3, 1, 5,  2, 50,  0, 1.0f, 4,  10, 0},
    {46,  "Heavy Destroyer",      "DH", 3, 1, 6,  3, 55,  0, 1.0f, 4,  9,  0},
    {48,  "Fleet Destroyer",      "DF", 4, 1, 5,  3, 62,  0, 1.0f, 34, 36, 0},
    {50,  "Light Cruiser",        "CL", 4, 2, 6,  2, 75,  2, 1.6f, 16, 8,  108},
    {51,  "Escort Cruiser",       "CE", 2, 2, 5,  2, 55,  2, 1.6f, 47, 27, 111},
    {52,  "AntiSub Cruiser",      "CA", 3, 2, 6,  2, 65,  2, 1.6f, 49, 28, 110},
    {53,  "Cruiser",              "CR", 3, 2, 7,  3, 80,  2, 1.6f, 14, 7,  107},
    {54,  "Hvy AntiSub Cruiser",  "CS", 3, 2, 7,  3, 85,  2, 1.6f, 21, 42, 109},
    {56,  "Heavy Cruiser",        "CH", 3, 2, 8,  4, 90,  2, 1.6f, 5,  6,  106},
    {58,  "Fleet Cruiser",        "CF", 4, 2, 6,  5, 100, 2, 1.6f, 45, 37, 105},
    {60,  "BattleCruiser",        "BC", 4, 3, 8,  3, 105, 1, 2.0f, 12, 5,  103},
    {63,  "Battleship",           "BB", 3, 3, 10, 4, 105, 1, 2.0f, 2,  4,  102},
    {66,  "Heavy Battleship",     "BH", 3, 3, 10, 5, 120, 1, 2.0f, 23, 3,  101},
    {68,  "Fleet Battleship",     "BF", 4, 3, 9,  5, 135, 1, 2.0f, 38, 38, 100},
    {70,  "Light Air. Carrier",   "AL", 4, 5, 6,  2, 125, 3, 2.7f, 26, 2,  116},
    {71,  "Escort Air.Carrier",   "AE", 2, 5, 5,  2, 95,  3, 2.7f, 53, 25, 117},
    {72,  "AntiSub Air.Carrier",  "AA", 3, 5, 6,  2, 118, 3, 2.7f, 31, 26, 114},
    {73,  "Air. Carrier",         "AC", 3, 5, 8,  3, 140, 3, 2.7f, 18, 1,  113},
    {74,  "Fast Air. Carrier",    "AV", 5, 5, 6,  2, 130, 3, 2.7f, 51, 43, 115},
    {76,  "Heavy Air.Carrier",    "AH", 3, 5, 8,  4, 150, 0, 2.7f, 0,  0,  112},
    {78,  "Fleet Air.Carrier",    "AF", 3, 5, 7,  5, 165, 0, 2.7f, 0,  24, 104},
    {80,  "Fighter",              "FT", 5, 1, 5,  2, 75,  0, 1.0f, 7,  20, 0},
    {81,  "Long Range Fighter",   "FL", 7, 1, 5,  2, 82,  0, 1.0f, 35, 40, 0},
    {82,  "AntiSub Naval",        "NA", 5, 1, 5,  2, 80,  0, 1.0f, 9,  31, 0},
    {83,  "Naval",                "NV", 6, 1, 6,  3, 85,  0, 1.0f, 9,  19, 0},
    {84,  "Long Range Naval",     "NL", 7, 1, 6,  3, 90,  0, 1.0f, 36, 39, 0},
    {86,  "Bomber",               "BO", 7, 2, 8,  3, 95,  0, 1.6f, 20, 18, 0},
    {87,  "Heavy Bomber",         "BH", 7, 2, 7,  4, 105, 0, 1.6f, 40, 41, 0},
    {88,  "Strategic Bomber",     "BS", 7, 3, 8,  4, 113, 0, 2.0f, 8,  30, 0},
    {90,  "Light Auxiliary",      "XL", 4, 0, 4,  0, 70,  0, 0.0f, 33, 35, 0},
    {93,  "Auxiliary ship",       "XS", 3, 0, 6,  0, 90,  0, 0.0f, 33, 34, 0},
    {96,  "Heavy Auxiliary",      "XH", 3, 0, 8,  0, 110, 0, 0.0f, 33, 33, 0},
    {100, "Light Port Artillery", "PL", 0, 3, 3,  2, 25,  0, 1.0f, 41, 0,  0},
    {103, "Port Artillery",       "PA", 0, 4, 4,  3, 30,  0, 2.0f, 42, 0,  0},
    {106, "Heavy Port Artillery", "PH", 0, 5, 5,  3, 35,  0, 2.7f, 43, 0,  0},
    {107, "Short-Range Radar",    "RS", 0, 2, 4,  0, 28,  0, 2.0f, 44, 45, 0},
    {108, "AntiSub Radar",        "RA", 0, 2, 4,  0, 32,  0, 2.0f, 44, 46, 0},
    {109, "Long-Range Radar",     "RL", 0, 3, 4,  0, 32,  0, 2.7f, 44, 47, 0},
};

constexpr int SonarSet[] = {20, 30, 40, 43, 46, 48, 52, 54, 72, 82, 108};
constexpr int AirSpotterSet[] = {70, 71, 73, 74, 76, 78, 80, 81, 83, 86, 87, 88, 100, 103, 106, 107, 109};
constexpr int BigShipSet[] = {50, 51, 52, 53, 54, 56, 58, 60, 63, 66, 68, 70, 71, 72, 73, 74, 76, 78};

// Ring by ring outwards from the centre: the order in which searches for a nearby cell look.
constexpr CellOffset Neighbours[NeighbourOffsetCount] = {
    {0, 0},
    {0, -1}, {1, 0}, {0, 1}, {-1, 0},
    {-1, -1}, {1, -1}, {1, 1}, {-1, 1},
    {0, -2}, {2, 0}, {0, 2}, {-2, 0},
    {-1, -2}, {1, -2}, {2, -1}, {2, 1}, {1, 2}, {-1, 2}, {-2, 1}, {-2, -1},
    {-2, -2}, {2, -2}, {2, 2}, {-2, 2}, {-1, -3}, {0, -3}, {1, -3}, {3, -1}, {3, 0}, {3, 1},
    {-1, 3}, {0, 3}, {1, 3}, {-3, -1}, {-3, 0}, {-3, 1},
};
// clang-format on

} // namespace

void InitShipClasses(ClassTable& table)
{
    for (int c = 0; c <= LastClassIndex; ++c)
    {
        table.Class(c) = ClassRec{};
    }
    for (const ClassRow& row : ClassRows)
    {
        ClassRec& rec = table.Class(row.number);
        rec.Name.Set(row.name);
        rec.Abbrev.Set(row.abbrev);
        rec.Speed = row.speed;
        rec.Range = row.range;
        rec.Armor = row.armor;
        rec.Fire = row.fire;
        rec.Price = row.price;
        rec.Planes = row.planes;
        rec.DetectRadius = row.detect;
        rec.Sprite = row.sprite;
        rec.Icon = row.icon;
        rec.BigSprite = row.bigSprite;
        rec.Radar = 0;
    }
    table.SonarClasses.reset();
    table.AirSpotterClasses.reset();
    table.BigShipClasses.reset();
    for (int c : SonarSet)
    {
        table.SonarClasses.set(static_cast<std::size_t>(c));
    }
    for (int c : AirSpotterSet)
    {
        table.AirSpotterClasses.set(static_cast<std::size_t>(c));
    }
    for (int c : BigShipSet)
    {
        table.BigShipClasses.set(static_cast<std::size_t>(c));
    }
    table.BigSpriteCount = 18;
    for (int i = 0; i < NeighbourOffsetCount; ++i)
    {
        table.NeighbourOffsets[static_cast<std::size_t>(i)] = Neighbours[i];
    }
}

int ClassCategoryOf(int c)
{
    if (c < 0 || c > LastClassIndex)
    {
        throw RangeError("class", c);
    }
    if (c <= 9)
    {
        return 0;
    }
    if (c <= 19)
    {
        return 1;
    }
    if (c <= 30)
    {
        return 2;
    }
    if (c <= 39)
    {
        return NoCategory;
    }
    if (c <= 99)
    {
        return c / 10;
    }
    if (c <= 106)
    {
        return 11;
    }
    if (c <= 109)
    {
        return 12;
    }
    return NoCategory;
}

std::pair<int, int> ClassRangeOfCategory(int category)
{
    switch (category)
    {
        case 0:
            return {0, 9};
        case 1:
            return {10, 19};
        case 2:
            return {20, 30};
        case 4:
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
            return {category * 10, category * 10 + 9};
        case 11:
            return {100, 106};
        case 12:
            return {107, 109};
        default:
            return {0, -1};
    }
}

int InstallationIndex(int c)
{
    switch (c)
    {
        case 103:
            return 1;
        case 104:
            return 2;
        case 105:
            return 3;
        case 106:
            return 4;
        case 107:
            return 5;
        case 108:
            return 6;
        case 109:
            return 7;
        default:
            return 0;
    }
}

void ApplyTechToUnits(GameState& state, const ClassTable& table, int side, int category, int mode)
{
    const TechRow& bonus = state.TechBonus(side, category);
    const int base = SideBase(side);
    const int count = side == SidePlayer ? state.PlayerShipCount : state.EnemyShipCount;
    for (int slot = 1; slot <= count; ++slot)
    {
        UnitRec& unit = state.Unit(base + slot);
        if (unit.Active == 0 || ClassCategoryOf(unit.Class) != category)
        {
            continue;
        }
        const ClassRec& cls = table.Class(unit.Class);
        unit.Fire = static_cast<std::uint8_t>(cls.Fire + bonus.Fire);
        unit.Speed = static_cast<std::uint8_t>(cls.Speed + bonus.Speed);
        unit.Range = static_cast<std::uint8_t>(cls.Range + bonus.Range);
        unit.Radar = static_cast<std::uint8_t>(cls.Radar + bonus.Radar);
        unit.FireBonus = bonus.Fire;
        unit.SpeedBonus = bonus.Speed;
        unit.RangeBonus = bonus.Range;
        unit.RadarBonus = bonus.Radar;
        if (bonus.Armor != 0)
        {
            if (mode == TechModeScenarioStart)
            {
                unit.Armor = static_cast<std::uint8_t>(cls.Armor + bonus.Armor);
            }
            else if (bonus.Armor != unit.ArmorBonus)
            {
                unit.Armor = static_cast<std::uint8_t>(unit.Armor + 1);
            }
        }
        unit.ArmorBonus = bonus.Armor;
    }
}

} // namespace olvane
