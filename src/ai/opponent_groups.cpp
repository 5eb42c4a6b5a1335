#include "ai/opponent_groups.h"

#include "rules/unit_kinds.h"
#include "state/rounding.h"

#include <algorithm>
#include <cmath>

namespace olvane
{

int LastZone(const GameState& state)
{
    return std::min(HomeZoneCount + static_cast<int>(state.ZoneExtraCount), ZoneCount);
}

std::vector<int> ActiveMembers(const GameState& state, int group)
{
    std::vector<int> members;
    for (std::uint16_t id : state.AIGroup(group).Members)
    {
        if (IsUnitCode(id) && state.Unit(id).Active != 0)
        {
            members.push_back(id);
        }
    }
    return members;
}

bool GroupInUse(const GameState& state, int group)
{
    return state.AIGroup(group).MemberCount > 0;
}

int SectorRoomNeeded(const GameState& state, int group)
{
    constexpr int FormationPositions = 3;
    return std::min<int>(state.AIGroup(group).MemberCount, FormationPositions);
}

ZoneSector& SectorOf(GameState& state, int zone, int sector)
{
    if (sector < 1 || sector > ZoneSectorCapacity)
    {
        throw RangeError("zone sector", sector);
    }
    return state.AIZone(zone).Sectors[static_cast<std::size_t>(sector - 1)];
}

const ZoneSector& SectorOf(const GameState& state, int zone, int sector)
{
    if (sector < 1 || sector > ZoneSectorCapacity)
    {
        throw RangeError("zone sector", sector);
    }
    return state.AIZone(zone).Sectors[static_cast<std::size_t>(sector - 1)];
}

bool HasValidSector(const GameState& state, int zone, int sector)
{
    return IsZoneNumber(zone) && sector >= 1 &&
           sector <= std::min<int>(state.AIZone(zone).SectorCount, ZoneSectorCapacity);
}

bool HasFreeSector(const GameState& state, int zone, int members)
{
    if (!IsZoneNumber(zone))
    {
        return false;
    }
    const AIZoneRec& z = state.AIZone(zone);
    const int count = std::min<int>(z.SectorCount, ZoneSectorCapacity);
    for (int s = 1; s <= count; ++s)
    {
        const ZoneSector& sector = SectorOf(state, zone, s);
        if (sector.Owner == 0 && sector.Capacity >= members)
        {
            return true;
        }
    }
    return false;
}

int GroupsInZone(const GameState& state, int zone)
{
    int count = 0;
    for (int g = 1; g <= GroupCount; ++g)
    {
        if (GroupInUse(state, g) && state.AIGroup(g).Zone == zone)
        {
            ++count;
        }
    }
    return count;
}

bool ZoneTakesGroup(const GameState& state, int zone, int group)
{
    if (!IsZoneNumber(zone))
    {
        return false;
    }
    const AIZoneRec& z = state.AIZone(zone);
    return z.Size != ZoneSizePort && GroupsInZone(state, zone) < z.SectorCount - 1 &&
           HasFreeSector(state, zone, SectorRoomNeeded(state, group));
}

void ReleaseSector(GameState& state, int group)
{
    // A group that moved on still holds its sector in the zone it left; it is freed there.
    for (int zone = 1; zone <= ZoneCount; ++zone)
    {
        for (ZoneSector& sector : state.AIZone(zone).Sectors)
        {
            if (sector.Owner == group)
            {
                sector.Owner = 0;
            }
        }
    }
    state.AIGroup(group).Sector = 0;
}

int RoundedDistance(int dx, int dy)
{
    return static_cast<int>(RoundHalfEven(std::sqrt(static_cast<double>(dx * dx + dy * dy))));
}

namespace
{

void GiveBackCell(GameState& state, int id)
{
    UnitRec& u = state.Unit(id);
    if (OnMap(state, u.X, u.Y) && state.MapGrid(u.X, u.Y) == id)
    {
        state.MapGrid(u.X, u.Y) = u.Under;
    }
}

void TakeCell(GameState& state, int id, int x, int y, int facing)
{
    UnitRec& u = state.Unit(id);
    u.X = static_cast<std::uint8_t>(x);
    u.Y = static_cast<std::uint8_t>(y);
    u.Facing = static_cast<std::uint8_t>(facing);
    u.Under = state.MapGrid(x, y);
    state.MapGrid(x, y) = static_cast<std::uint16_t>(id);
}

} // namespace

void PutUnitOnCell(GameState& state, int unit, int x, int y, int facing, int x2, int y2)
{
    UnitRec& u = state.Unit(unit);
    const bool twoCells = HasSecondUnit(u.Class);
    GiveBackCell(state, unit);
    if (twoCells)
    {
        GiveBackCell(state, SecondCell(unit));
    }
    TakeCell(state, unit, x, y, facing);
    if (twoCells)
    {
        UnitRec& stern = state.Unit(SecondCell(unit));
        stern.Id = static_cast<std::uint16_t>(SecondCell(unit));
        stern.Class = u.Class;
        stern.Picture = static_cast<std::uint16_t>(u.Picture + 1);
        stern.Visible = u.Visible;
        TakeCell(state, SecondCell(unit), x2, y2, facing);
    }
}

} // namespace olvane
