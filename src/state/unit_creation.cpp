#include "state/unit_creation.h"

#include "state/cell_code.h"
#include "state/name_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace olvane
{

namespace
{

// A home base faces east (its ships' bows point right, sterns left) or west.
constexpr std::uint8_t FacingEast = 0;
constexpr std::uint8_t FacingWest = 4;

constexpr int HomeBaseRows = 6;
constexpr int OutwardShift = 4;
constexpr std::array<int, 3> EastColumnOffsets = {0, 2, 4};
constexpr std::array<int, 3> WestColumnOffsets = {4, 2, 0};

constexpr std::uint32_t FallbackNameNumbers = 999;
constexpr std::size_t UnitNameLength = 15;

struct HomeKeys
{
    int first = 0;
    int second = 0;
};

/// Each nation's ships gather at the home base that carries its key; allies share bases.
std::optional<HomeKeys> HomeKeysOf(int nation)
{
    switch (nation)
    {
        case NationUnitedStates:
        case NationCanada:
            return HomeKeys{1, 3};
        case NationThirdReich:
        case NationItaly:
            return HomeKeys{2, 4};
        case NationGreatBritain:
        case NationAustralia:
        case NationNewZealand:
            return HomeKeys{3, 1};
        case NationJapan:
            return HomeKeys{4, 2};
        default:
            return std::nullopt;
    }
}

struct HomeBase
{
    int x = 0;
    int y = 0;
    std::uint8_t facing = FacingEast;
};

/// The home zone that carries the key; the last of several wins. Only east and west are
/// defined for a base, so any other facing byte is read as east.
std::optional<HomeBase> HomeBaseWithKey(const GameState& state, int key)
{
    std::optional<HomeBase> found;
    for (int z = 1; z <= HomeZoneCount; ++z)
    {
        const AIZoneRec& zone = state.AIZone(z);
        if (zone.Key == key)
        {
            found = HomeBase{zone.OriginX, zone.OriginY, zone.Size == FacingWest ? FacingWest : FacingEast};
        }
    }
    return found;
}

bool IsSingleCellClass(int c)
{
    return (c >= 2 && c <= 49) || (c >= 90 && c <= 99);
}

/// A cell a new ship may take: on the map, no unit in it, and not land.
bool IsFreeCell(const GameState& state, int x, int y)
{
    return OnMap(state, x, y) && state.MapGrid(x, y) < PlayerBaseId && !IsLandCell(state, x, y);
}

std::uint8_t VisibleAtCreation(int u)
{
    return u <= EnemyBaseId ? 1 : 0;
}

/// Puts one cell of a ship on the map. A second cell takes its class from the ship and the
/// picture after the ship's.
void PutOnCell(GameState& state, int u, int x, int y, std::uint8_t facing)
{
    UnitRec& unit = state.Unit(u);
    unit.Id = static_cast<std::uint16_t>(u);
    unit.X = static_cast<std::uint8_t>(x);
    unit.Y = static_cast<std::uint8_t>(y);
    unit.DestX = 0;
    unit.DestY = 0;
    unit.Facing = facing;
    unit.Under = state.MapGrid(x, y);
    state.MapGrid(x, y) = static_cast<std::uint16_t>(u);
    unit.Visible = VisibleAtCreation(u);
    if (u > SideBase(SideOf(u)) + MaxSideSlots)
    {
        const UnitRec& ship = state.Unit(u - SecondCellOffset);
        unit.Class = ship.Class;
        unit.Picture = static_cast<std::uint16_t>(ship.Picture + 1);
    }
}

struct Berth
{
    int x = 0;
    int y = 0;
    int secondX = 0; ///< 0 for a single-cell ship
};

/// The first berth of one base for a ship of class c, column pair by column pair, each pair
/// tried over six rows.
std::optional<Berth> FindBerth(const GameState& state, const HomeBase& base, int c)
{
    const auto& offsets = base.facing == FacingWest ? WestColumnOffsets : EastColumnOffsets;
    for (int offset : offsets)
    {
        const int left = base.x + offset;
        const int right = left + 1;
        for (int y = base.y; y < base.y + HomeBaseRows; ++y)
        {
            if (IsSingleCellClass(c))
            {
                if (IsFreeCell(state, left, y))
                {
                    return Berth{left, y, 0};
                }
                if (IsFreeCell(state, right, y))
                {
                    return Berth{right, y, 0};
                }
            }
            else if (IsFreeCell(state, left, y) && IsFreeCell(state, right, y))
            {
                // The bow points the way the base faces; the stern takes the other cell.
                return base.facing == FacingWest ? Berth{left, y, right} : Berth{right, y, left};
            }
        }
    }
    return std::nullopt;
}

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
    {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

/// True when another active unit of u's side already bears the name.
bool NameInUse(const GameState& state, int u, const std::string& name)
{
    const int base = SideBase(SideOf(u));
    for (int id = base + 1; id <= base + MaxSideSlots; ++id)
    {
        const UnitRec& other = state.Unit(id);
        if (id != u && other.Active != 0 && Trimmed(other.Name.Str()) == name)
        {
            return true;
        }
    }
    return false;
}

std::vector<std::string> NameListFor(const Game& game, int nation, int c)
{
    const std::string file = NameFileOf(nation);
    if (file.empty())
    {
        return {};
    }
    const auto text = game.files.Read(file);
    if (!text)
    {
        return {};
    }
    return ReadNameList(*text, NameListClassOf(c));
}

} // namespace

void CreateUnit(Game& game, int u, int c, int group)
{
    GameState& state = game.state;
    const bool playerSlot = u > PlayerBaseId && u <= PlayerBaseId + MaxSideSlots;
    const bool enemySlot = u > EnemyBaseId && u <= EnemyBaseId + MaxSideSlots;
    if (!playerSlot && !enemySlot)
    {
        throw RangeError("unit slot", u);
    }
    const ClassRec& cls = game.classes.Class(c);
    UnitRec& unit = state.Unit(u);
    unit.Id = static_cast<std::uint16_t>(u);
    unit.Active = 1;
    unit.Class = static_cast<std::uint8_t>(c);

    // Every new unit starts from the player's technology row; the computer's own bonuses
    // reach its units when the scenario start recomputes them.
    const int category = ClassCategoryOf(c);
    const TechRow bonus = category == NoCategory ? TechRow{} : state.TechBonus(SidePlayer, category);
    unit.Speed = static_cast<std::uint8_t>(cls.Speed + bonus.Speed);
    unit.Range = static_cast<std::uint8_t>(cls.Range + bonus.Range);
    unit.Armor = static_cast<std::uint8_t>(cls.Armor + bonus.Armor);
    unit.Fire = static_cast<std::uint8_t>(cls.Fire + bonus.Fire);
    unit.SpeedBonus = 0;
    unit.RangeBonus = 0;
    unit.ArmorBonus = 0;
    unit.FireBonus = 0;

    if (IsEnemy(u))
    {
        state.EnemyForceValue = static_cast<std::uint16_t>(state.EnemyForceValue + cls.Price);
    }
    unit.Planes = cls.Planes;
    unit.Picture = cls.Sprite;
    unit.AIGroup = static_cast<std::uint8_t>(group);

    unit.MovedThisTurn = 0;
    unit.DestX = 0;
    unit.DestY = 0;
    unit.PlacedX = 0;
    unit.PlacedY = 0;
    unit.Highlighted = 0;
    unit.Reserved26 = 0;
    unit.Reserved27 = 0;
    unit.AttackedBy = 0;
    unit.PortArtilleryHit = 0;
    unit.Under = 0;
    unit.Visible = VisibleAtCreation(u);

    // Aircraft and shore installations wait for their deployment; ships go to their base.
    const bool deployedLater = (c >= 80 && c <= 89) || (c >= 100 && c <= 109);
    if (!deployedLater && unit.X == 0)
    {
        PlaceNearHomeBase(game, u);
    }
    if (state.GameMode == ModeDeathMatch || state.GameMode == ModeMission || state.GameMode == ModeCampaign)
    {
        NameUnit(game, u);
    }
}

void PlaceNearHomeBase(Game& game, int u)
{
    // Sides, not slot numbers, decide the base: every player ship gathers at the player's.
    GameState& state = game.state;
    const int nation = SideOf(u) == SidePlayer ? state.PlayerNation : state.EnemyNation;
    const auto keys = HomeKeysOf(nation);
    if (!keys)
    {
        return;
    }
    std::vector<HomeBase> attempts;
    if (const auto first = HomeBaseWithKey(state, keys->first))
    {
        attempts.push_back(*first);
    }
    if (const auto second = HomeBaseWithKey(state, keys->second))
    {
        attempts.push_back(*second);
        HomeBase further = *second;
        further.x += second->facing == FacingWest ? -OutwardShift : OutwardShift;
        attempts.push_back(further);
    }

    const int c = state.Unit(u).Class;
    for (const HomeBase& base : attempts)
    {
        const auto berth = FindBerth(state, base, c);
        if (!berth)
        {
            continue;
        }
        const bool reachShown = game.presenter.HasSelectedUnit();
        if (reachShown)
        {
            game.presenter.HideReach();
        }
        PutOnCell(state, u, berth->x, berth->y, base.facing);
        if (berth->secondX != 0)
        {
            PutOnCell(state, SecondCell(u), berth->secondX, berth->y, base.facing);
        }
        if (reachShown)
        {
            game.presenter.ShowReach();
        }
        return;
    }
}

void NameUnit(Game& game, int u)
{
    GameState& state = game.state;
    UnitRec& unit = state.Unit(u);
    const int nation = u < EnemyBaseId ? state.PlayerNation : state.EnemyNation;
    const std::vector<std::string> names = NameListFor(game, nation, unit.Class);

    game.random.Reseed();
    std::vector<bool> tried(names.size(), false);
    std::size_t untried = names.size();
    while (untried > 0)
    {
        const std::size_t index = game.random.Below(static_cast<std::uint32_t>(names.size()));
        if (tried[index])
        {
            continue;
        }
        tried[index] = true;
        --untried;
        // A blank field in the list is no name at all.
        const std::string name = Trimmed(std::string_view(names[index]).substr(0, UnitNameLength));
        if (!name.empty() && !NameInUse(state, u, name))
        {
            unit.Name.Set(name);
            return;
        }
    }
    unit.Name.Set("M-" + std::to_string(game.random.Below(FallbackNameNumbers)));
}

} // namespace olvane
