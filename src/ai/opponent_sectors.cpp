// The computer's patrol sectors: how they are laid out at mission start, how a group takes one,
// and how its ships sail to their lanes and patrol them.

#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/game.h"

#include <algorithm>
#include <array>

namespace olvane
{

namespace
{

constexpr int LaneSpacing = 6;
constexpr std::array<int, 3> LaneOffsets = {0, 3, 5};
constexpr int MaxLanesPerDirection = (ZoneSectorCapacity - 6) / 2;
constexpr int BoxSectorCount = 6;
constexpr int BoxCornerShifts = 5;
constexpr int GoodLanePercent = 75;
constexpr int PoorLanePercent = 45;
constexpr std::uint8_t QualityPoor = 1;
constexpr std::uint8_t QualityFair = 2;
constexpr std::uint8_t QualityGood = 3;
constexpr int FullCapacity = 3;

int ClampColumn(const GameState& state, int x)
{
    return std::clamp(x, 1, std::min(state.MapWidth, MapSize));
}

int ClampRow(const GameState& state, int y)
{
    return std::clamp(y, 1, std::min(state.MapHeight, MapSize));
}

bool IsSea(const GameState& state, int x, int y)
{
    return OnMap(state, x, y) && !IsLandCell(state, x, y);
}

/// One lane: along a row ('H') or a column ('V') of the zone, from the first sea field met from
/// either end. A lane with no sea at all keeps the zone's edges and counts as poor.
SectorPosition BuildLane(const GameState& state, bool horizontal, int line, int from, int size)
{
    const int to = from + size - 1;
    auto at = [&](int along) { return horizontal ? IsSea(state, along, line) : IsSea(state, line, along); };
    int a = from;
    while (a <= to && !at(a))
    {
        ++a;
    }
    int b = to;
    while (b >= from && !at(b))
    {
        --b;
    }
    SectorPosition lane;
    int length = 0;
    if (a > to)
    {
        a = from;
        b = to;
    }
    else
    {
        length = b - a + 1;
    }
    if (horizontal)
    {
        lane = {static_cast<std::uint8_t>(ClampColumn(state, a)),
                static_cast<std::uint8_t>(ClampRow(state, line)),
                static_cast<std::uint8_t>(ClampColumn(state, b)),
                static_cast<std::uint8_t>(ClampRow(state, line)), 0};
    }
    else
    {
        lane = {static_cast<std::uint8_t>(ClampColumn(state, line)),
                static_cast<std::uint8_t>(ClampRow(state, a)),
                static_cast<std::uint8_t>(ClampColumn(state, line)),
                static_cast<std::uint8_t>(ClampRow(state, b)), 0};
    }
    if (length >= size * GoodLanePercent / 100)
    {
        lane.Quality = QualityGood;
    }
    else if (length < size * PoorLanePercent / 100)
    {
        lane.Quality = QualityPoor;
    }
    else
    {
        lane.Quality = QualityFair;
    }
    return lane;
}

/// A box corner on land moves diagonally towards the opposite corner until it reaches the sea.
void MoveCornerToSea(const GameState& state, int& x, int& y, int otherX, int otherY)
{
    const int stepX = otherX > x ? 1 : (otherX < x ? -1 : 0);
    const int stepY = otherY > y ? 1 : (otherY < y ? -1 : 0);
    for (int i = 0; i < BoxCornerShifts && !IsSea(state, x, y); ++i)
    {
        x += stepX;
        y += stepY;
    }
}

void BuildZone(GameState& state, int zone)
{
    AIZoneRec& z = state.AIZone(zone);
    for (ZoneSector& sector : z.Sectors)
    {
        sector = ZoneSector{};
    }
    z.SectorCount = 0;
    const int s = z.Size;
    if (s == 0)
    {
        return;
    }
    const int x0 = z.OriginX;
    const int y0 = z.OriginY;
    // Zones larger than the sector table can hold get lanes over their first part only.
    const int n = std::min(s / LaneSpacing, MaxLanesPerDirection);
    int count = 0;
    for (int direction = 0; direction < 2; ++direction)
    {
        const bool horizontal = direction == 0;
        for (int i = 1; i <= n; ++i)
        {
            ZoneSector& sector = z.Sectors[static_cast<std::size_t>(count)];
            ++count;
            sector.Shape = horizontal ? SectorShapeHorizontal : SectorShapeVertical;
            int poor = 0;
            for (std::size_t p = 0; p < LaneOffsets.size(); ++p)
            {
                const int line = (horizontal ? y0 : x0) + LaneOffsets[p] + LaneSpacing * (i - 1);
                sector.Positions[p] = BuildLane(state, horizontal, line, horizontal ? x0 : y0, s);
                poor += sector.Positions[p].Quality == QualityPoor ? 1 : 0;
            }
            sector.Capacity = static_cast<std::uint8_t>(FullCapacity - poor);
        }
    }
    if (z.Port == 0)
    {
        struct Box
        {
            int ax, ay, bx, by, capacity;
        };

        const Box boxes[BoxSectorCount] = {
            {x0, y0, x0 + s - 1, y0 + s - 1, 3},         {x0, y0 + 4, x0 + s - 5, y0 + s - 1, 1},
            {x0 + 4, y0, x0 + s - 1, y0 + s - 5, 1},     {x0, y0 + s - 1, x0 + s - 1, y0, 3},
            {x0 + 4, y0 + s - 1, x0 + s - 1, y0 + 4, 1}, {x0, y0 + s - 5, x0 + s - 5, y0, 1},
        };
        for (const Box& box : boxes)
        {
            int ax = box.ax;
            int ay = box.ay;
            int bx = box.bx;
            int by = box.by;
            MoveCornerToSea(state, ax, ay, box.bx, box.by);
            MoveCornerToSea(state, bx, by, box.ax, box.ay);
            ZoneSector& sector = z.Sectors[static_cast<std::size_t>(count)];
            ++count;
            sector.Shape = SectorShapeBox;
            const SectorPosition corners{static_cast<std::uint8_t>(ClampColumn(state, ax)),
                                         static_cast<std::uint8_t>(ClampRow(state, ay)),
                                         static_cast<std::uint8_t>(ClampColumn(state, bx)),
                                         static_cast<std::uint8_t>(ClampRow(state, by)), QualityGood};
            sector.Positions.fill(corners);
            sector.Capacity = static_cast<std::uint8_t>(box.capacity);
        }
    }
    z.SectorCount = static_cast<std::uint8_t>(count);
}

/// Size points of a pair: a cruiser, battleship or carrier needs more room than a smaller ship.
int SizePoints(int c)
{
    if (c >= 1 && c <= 49)
    {
        return 1;
    }
    return HasSecondUnit(c) ? 2 : 0;
}

int SquaredDistance(int ax, int ay, int bx, int by)
{
    return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
}

/// The formation position a unit patrols: 1..3; a unit without one keeps to the first.
std::size_t PositionIndex(const UnitRec& u)
{
    return u.AIWork3 >= 1 && u.AIWork3 <= 3 ? static_cast<std::size_t>(u.AIWork3 - 1) : 0;
}

} // namespace

void BuildZoneSectors(GameState& state)
{
    for (int zone = HomeZoneCount + 1; zone <= LastZone(state); ++zone)
    {
        BuildZone(state, zone);
    }
    // A loaded game's groups go on patrolling the sectors they held: those stay theirs, so no
    // second group is sent down the same lane. A new game's groups hold none yet.
    for (int g = 1; g <= GroupCount; ++g)
    {
        const AIGroupRec& group = state.AIGroup(g);
        if (group.Zone <= HomeZoneCount || group.Zone > LastZone(state) || group.Sector == 0)
        {
            continue;
        }
        AIZoneRec& zone = state.AIZone(group.Zone);
        if (group.Sector <= zone.SectorCount && zone.Sectors[group.Sector - 1U].Owner == 0)
        {
            zone.Sectors[group.Sector - 1U].Owner = static_cast<std::uint8_t>(g);
        }
    }
}

int EnemyHomeZone(const GameState& state)
{
    int key = state.EnemyNation;
    switch (state.EnemyNation)
    {
        case NationCanada:
            key = NationUnitedStates;
            break;
        case NationAustralia:
        case NationNewZealand:
            key = NationGreatBritain;
            break;
        case NationItaly:
            key = NationThirdReich;
            break;
        default:
            break;
    }
    int home = 0;
    for (int z = 1; z <= HomeZoneCount; ++z)
    {
        if (state.AIZone(z).Key == key)
        {
            home = z;
        }
    }
    return home;
}

void AssignInitialGroups(GameState& state)
{
    for (int g = 1; g <= GroupCount; ++g)
    {
        AIGroupRec& group = state.AIGroup(g);
        group.MemberCount = 0;
        group.Members.fill(0);
    }
    const int home = EnemyHomeZone(state);
    for (int slot = 1; slot <= state.EnemyShipCount; ++slot)
    {
        const int id = EnemyBaseId + slot;
        const UnitRec& u = state.Unit(id);
        if (u.Active == 0 || IsInstallation(u.Class) || u.AIGroup < 1 || u.AIGroup > GroupCount)
        {
            continue;
        }
        AIGroupRec& group = state.AIGroup(u.AIGroup);
        ++group.MemberCount;
        const auto free = std::find(group.Members.begin(), group.Members.end(), 0);
        if (free != group.Members.end())
        {
            *free = static_cast<std::uint16_t>(id);
        }
        group.Zone = static_cast<std::uint8_t>(home);
        group.PreviousZone = static_cast<std::uint8_t>(home);
    }
}

void AssignSector(Game& game, int g)
{
    GameState& state = game.state;
    AIGroupRec& group = state.AIGroup(g);
    const std::vector<int> members = ActiveMembers(state, g);
    if (group.Zone == 0 && !members.empty())
    {
        group.Zone = state.Unit(members.front()).AIWork1;
    }
    const int zone = group.Zone;
    const int room = SectorRoomNeeded(state, g);
    if (!HasFreeSector(state, zone, room))
    {
        for (int id : members)
        {
            state.Unit(id).Order = OrderStand;
        }
        return;
    }
    ReleaseSector(state, g);
    const int count = std::min<int>(state.AIZone(zone).SectorCount, ZoneSectorCapacity);
    const int sector = DrawUntil(game, count, [&](int s) {
        const ZoneSector& candidate = SectorOf(state, zone, s);
        return candidate.Owner == 0 && candidate.Capacity >= room;
    });
    group.Sector = static_cast<std::uint8_t>(sector);
    SectorOf(state, zone, sector).Owner = static_cast<std::uint8_t>(g);

    if (!members.empty())
    {
        state.Unit(members[0]).AIWork3 = 1;
    }
    if (members.size() == 2)
    {
        const int points =
            SizePoints(state.Unit(members[0]).Class) + SizePoints(state.Unit(members[1]).Class);
        state.Unit(members[1]).AIWork3 = points > 2 ? 3 : 2;
    }
    else if (members.size() >= 3)
    {
        state.Unit(members[1]).AIWork3 = 2;
        state.Unit(members[2]).AIWork3 = 3;
    }
}

void GoToSector(GameState& state, int g)
{
    const AIGroupRec& group = state.AIGroup(g);
    for (int id : ActiveMembers(state, g))
    {
        UnitRec& u = state.Unit(id);
        if (u.Order != OrderStand)
        {
            u.Order = OrderToSector;
        }
        u.AIWork2 = group.Sector;
        u.HitMark = 0;
        if (!HasValidSector(state, group.Zone, group.Sector))
        {
            continue;
        }
        const SectorPosition& lane = SectorOf(state, group.Zone, group.Sector).Positions[PositionIndex(u)];
        const bool aNearer =
            SquaredDistance(u.X, u.Y, lane.AX, lane.AY) < SquaredDistance(u.X, u.Y, lane.BX, lane.BY);
        u.PlacedX = aNearer ? lane.BX : lane.AX;
        u.PlacedY = aNearer ? lane.BY : lane.AY;
    }
}

void CheckArrival(GameState& state, int unit)
{
    UnitRec& u = state.Unit(unit);
    if (!HasValidSector(state, u.AIWork1, u.AIWork2))
    {
        return;
    }
    const int dx = std::abs(u.X - static_cast<int>(u.PlacedX));
    const int dy = std::abs(u.Y - static_cast<int>(u.PlacedY));
    bool arrived = false;
    switch (SectorOf(state, u.AIWork1, u.AIWork2).Shape)
    {
        case SectorShapeHorizontal:
            arrived = dy <= 1;
            break;
        case SectorShapeVertical:
            arrived = dx <= 1;
            break;
        case SectorShapeBox:
            arrived = dx <= 2 && dy <= 2;
            break;
        default:
            break;
    }
    if (arrived)
    {
        u.Order = OrderPatrol;
    }
}

void Patrol(GameState& state, int unit)
{
    UnitRec& u = state.Unit(unit);
    if (!HasValidSector(state, u.AIWork1, u.AIWork2))
    {
        return;
    }
    const int tolerance = state.AIZone(u.AIWork1).Port == 0 ? 2 : 1;
    const ZoneSector& sector = SectorOf(state, u.AIWork1, u.AIWork2);
    const SectorPosition& lane = sector.Positions[PositionIndex(u)];
    auto target = [&u](int x, int y) {
        u.PlacedX = static_cast<std::uint8_t>(x);
        u.PlacedY = static_cast<std::uint8_t>(y);
        ++u.HitMark;
    };
    const int x = u.X;
    const int y = u.Y;
    switch (sector.Shape)
    {
        case SectorShapeHorizontal:
            if (x <= lane.AX + tolerance && std::abs(y - lane.AY) <= 1)
            {
                target(lane.BX, lane.BY);
            }
            else if (x >= lane.BX - tolerance)
            {
                target(lane.AX, lane.AY);
            }
            break;
        case SectorShapeVertical:
            if (y <= lane.AY + tolerance && std::abs(x - lane.AX) <= 1)
            {
                target(lane.BX, lane.BY);
            }
            else if (y >= lane.BY - tolerance)
            {
                target(lane.AX, lane.AY);
            }
            break;
        case SectorShapeBox:
            if (std::abs(x - lane.AX) <= tolerance && std::abs(y - lane.AY) <= tolerance)
            {
                target(lane.BX, lane.BY);
            }
            else if (std::abs(x - lane.BX) <= tolerance && std::abs(y - lane.BY) <= tolerance)
            {
                target(lane.AX, lane.AY);
            }
            break;
        default:
            break;
    }
}

} // namespace olvane
