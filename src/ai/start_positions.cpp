#include "ai/start_positions.h"

#include "ai/opponent.h"
#include "ai/opponent_groups.h"
#include "rules/awards.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/forces.h"
#include "state/game.h"
#include "state/map_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace olvane
{

namespace
{

constexpr std::uint8_t FacingEast = 0;
constexpr std::uint8_t FacingSouth = 2;
constexpr std::uint8_t FacingWest = 4;
constexpr std::uint8_t FacingNorth = 6;
constexpr int MarkCount = 6;
constexpr int NamedClassEnemyOffset = 100;
constexpr int SelectorSubmarineToDestroyer = 210;
constexpr int AirfieldRadius = 3;

struct ClassRange
{
    int first = 0;
    int last = -1;

    bool Holds(int c) const { return c >= first && c <= last; }
};

/// The classes a scenario's selector names: a decade (110 submarines, 150 cruisers ...), the
/// submarines to destroyers (210), or one class.
ClassRange SelectorRange(int selector)
{
    if (selector == 0)
    {
        return {};
    }
    if (selector >= 101 && selector <= 200)
    {
        return {selector - 100, selector - 91};
    }
    if (selector == SelectorSubmarineToDestroyer)
    {
        return {10, 49};
    }
    return {selector, selector};
}

bool HoldsUnit(const GameState& state, int x, int y)
{
    return IsUnitCode(state.MapGrid(x, y));
}

/// A field a ship may be put on: on the map, no unit there, not land.
bool IsOpenSea(const GameState& state, int x, int y)
{
    return OnMap(state, x, y) && !HoldsUnit(state, x, y) && !IsLandCell(state, x, y);
}

/// Where a dispersed or port-guard ship may stand: its own field and, for a two-cell ship, the
/// field north of it.
bool ShipFits(const GameState& state, int x, int y, bool sternNorth)
{
    if (!IsOpenSea(state, x, y))
    {
        return false;
    }
    return !sternNorth || IsOpenSea(state, x, y - 1);
}

int FirstMemberClass(const GameState& state, int g)
{
    const std::uint16_t first = state.AIGroup(g).Members[0];
    return IsUnitCode(first) ? state.Unit(first).Class : 0;
}

/// Puts a computer ship on its new station with its zone and order; a ship with no field for it
/// keeps its place but still belongs to the zone, so it sails there in its first phase.
void Station(GameState& state, int id, int zone, std::uint8_t order, std::optional<std::pair<int, int>> field)
{
    UnitRec& u = state.Unit(id);
    if (field)
    {
        const auto [x, y] = *field;
        PutUnitOnCell(state, id, x, y, FacingSouth, x, y - 1);
    }
    u.AIWork1 = static_cast<std::uint8_t>(zone);
    u.Order = order;
}

void MoveGroupToZone(GameState& state, int g, int zone)
{
    AIGroupRec& group = state.AIGroup(g);
    group.Zone = static_cast<std::uint8_t>(zone);
    group.PreviousZone = static_cast<std::uint8_t>(zone);
    group.ZonePhases = 0;
}

/// The free sea field for one dispersed member: random tries around the zone's centre.
std::optional<std::pair<int, int>> DisperseField(Game& game, int c, int cx, int cy, int reach)
{
    GameState& state = game.state;
    const bool stern = HasSecondUnit(c);
    auto fits = [&](int x, int y) {
        return x > 0 && x < state.MapWidth && y >= 1 && y < state.MapHeight && ShipFits(state, x, y, stern);
    };
    std::optional<std::pair<int, int>> first;
    for (int dx = -(reach - 1); dx < reach && !first; ++dx)
    {
        for (int dy = -(reach - 1); dy < reach && !first; ++dy)
        {
            if (fits(cx + dx, cy + dy))
            {
                first = std::pair{cx + dx, cy + dy};
            }
        }
    }
    if (!first)
    {
        return std::nullopt;
    }
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        game.random.Reseed();
        const int sx = game.random.Below(2) == 0 ? -1 : 1;
        const int sy = game.random.Below(2) == 0 ? -1 : 1;
        const int dx = static_cast<int>(game.random.Below(static_cast<std::uint32_t>(reach)));
        const int dy = static_cast<int>(game.random.Below(static_cast<std::uint32_t>(reach)));
        if (fits(cx + sx * dx, cy + sy * dy))
        {
            return std::pair{cx + sx * dx, cy + sy * dy};
        }
    }
    return first;
}

/// The zone a dispersed group goes to, filling the open zones evenly; 0 when none can be drawn.
struct DispersalQuota
{
    int openZones = 0;
    int quota = 0;
    int placed = 0;
    std::array<int, ZoneCount + 1> counts{};
};

int DrawDispersalZone(Game& game, DispersalQuota& q)
{
    GameState& state = game.state;
    const int extra = state.ZoneExtraCount;
    if (q.quota == 0)
    {
        q.quota = 1;
    }
    if (extra == 1)
    {
        return HomeZoneCount + 1;
    }
    for (int draw = 0; draw < MaxRandomDraws; ++draw)
    {
        game.random.Reseed();
        const int z =
            HomeZoneCount + 1 + static_cast<int>(game.random.Below(static_cast<std::uint32_t>(extra)));
        // A zone the map leaves empty (size 0) is no sea to spread over.
        if (z > ZoneCount || state.AIZone(z).Size == ZoneSizePort || state.AIZone(z).Size == 0)
        {
            continue;
        }
        if (q.counts[static_cast<std::size_t>(z)] <= q.quota - 1)
        {
            ++q.counts[static_cast<std::size_t>(z)];
            ++q.placed;
            if (q.placed == q.quota * q.openZones)
            {
                ++q.quota;
            }
            return z;
        }
    }
    return 0;
}

/// The port-guard field of member k: from its start offset in the zone, along the row until the
/// ship fits; nothing when the walk leaves the map.
std::optional<std::pair<int, int>> PortGuardField(const GameState& state, int zone, int k, int c)
{
    struct Start
    {
        int a, b, step;
    };

    // The fourth member, for which the game has no offset, starts below the third.
    constexpr std::array<Start, 4> starts = {{{1, 1, 1}, {4, 1, -1}, {1, 4, 1}, {4, 4, -1}}};
    const Start start = starts[static_cast<std::size_t>(std::clamp(k, 1, 4) - 1)];
    const AIZoneRec& z = state.AIZone(zone);
    const int y = z.OriginY + start.b;
    const bool stern = c > 46;
    for (int x = z.OriginX + start.a; x >= 1 && x <= std::min(state.MapWidth, MapSize); x += start.step)
    {
        if (!OnMap(state, x, y))
        {
            return std::nullopt;
        }
        if (ShipFits(state, x, y, stern))
        {
            return std::pair{x, y};
        }
    }
    return std::nullopt;
}

bool QualifiesAsPortGroup(const GameState& state, int g)
{
    const AIGroupRec& group = state.AIGroup(g);
    if (!GroupInUse(state, g) || group.Zone > HomeZoneCount)
    {
        return false;
    }
    if (IsZoneNumber(group.Zone) && state.AIZone(group.Zone).Port != 0)
    {
        return false;
    }
    const int first = FirstMemberClass(state, g);
    if (IsSubmarine(first) || IsAircraft(first))
    {
        return false;
    }
    for (int id : ActiveMembers(state, g))
    {
        if (IsTransporter(state.Unit(id).Class))
        {
            return false;
        }
    }
    return true;
}

int CountAircraftAtPort(const GameState& state, int side, int port)
{
    const int base = SideBase(side);
    const int count = side == SidePlayer ? state.PlayerShipCount : state.EnemyShipCount;
    int n = 0;
    for (int slot = 1; slot <= count; ++slot)
    {
        const UnitRec& u = state.Unit(base + slot);
        if (u.Active != 0 && IsAircraft(u.Class) && u.AIWork1 == port)
        {
            ++n;
        }
    }
    return n;
}

/// Every field FindFreeLandCell may draw from, nearer fields listed once for each ring from
/// their own out to r.
std::vector<std::pair<int, int>> FreeLandCells(const GameState& state, int x, int y, int r)
{
    std::vector<std::pair<int, int>> cells;
    for (int d = 1; d <= r; ++d)
    {
        for (int dx = -d; dx <= d; ++dx)
        {
            for (int dy = -d; dy <= d; ++dy)
            {
                const int cx = x + dx;
                const int cy = y + dy;
                if (OnMap(state, cx, cy) && state.MapGrid(cx, cy) != 0 && !HoldsUnit(state, cx, cy) &&
                    IsLandCell(state, cx, cy))
                {
                    cells.emplace_back(cx, cy);
                }
            }
        }
    }
    return cells;
}

void NameFirstOfClass(GameState& state, int selector, const PString<15>& name)
{
    if (selector == 0)
    {
        return;
    }
    const bool enemy = selector > NamedClassEnemyOffset;
    const int c = enemy ? selector - NamedClassEnemyOffset : selector;
    const int base = enemy ? EnemyBaseId : PlayerBaseId;
    const int count = enemy ? state.EnemyShipCount : state.PlayerShipCount;
    for (int slot = 1; slot <= count; ++slot)
    {
        UnitRec& u = state.Unit(base + slot);
        if (u.Class == c)
        {
            u.Name = name;
            return;
        }
    }
}

} // namespace

void StartScenarioForces(Game& game)
{
    GameState& state = game.state;
    if (state.GameMode != ModeDeathMatch && state.GameMode != ModeMission && state.GameMode != ModeCampaign)
    {
        return;
    }
    ClearMaps(state);
    LoadMapFile(game, state.MapNumber);
    for (int side : {SidePlayer, SideEnemy})
    {
        for (int category = 0; category < ClassCategoryCount; ++category)
        {
            state.TechBonus(side, category) = TechRow{};
        }
    }
    PlaceSideForces(game, state.CurrentScenario.ScenarioId, SidePlayer);
    PlaceSideForces(game, state.CurrentScenario.ScenarioId, SideEnemy);
    AssignInitialGroups(state);
    PlaceMarkedShips(game);
    DisperseGroups(game);
    SendPortGroups(game);
    PlaceStartAircraft(game);
    NameScenarioShips(game);
    game.presenter.RedrawView();
}

void PlaceMarkedShips(Game& game)
{
    GameState& state = game.state;
    const auto& marks = state.CurrentScenario.Marks;
    if (marks[0].X == 0)
    {
        return;
    }
    const int facing = state.CurrentScenario.MarkFacing;
    std::vector<int> taken;
    for (int m = 0; m < MarkCount; ++m)
    {
        const ScenarioMark& mark = marks[static_cast<std::size_t>(m)];
        if (mark.X == 0)
        {
            continue;
        }
        int x = mark.X;
        const int y = mark.Y;
        if (!OnMap(state, x, y))
        {
            continue;
        }
        if (HoldsUnit(state, x, y))
        {
            ++x;
        }
        int ship = 0;
        for (int slot = 1; slot <= state.PlayerShipCount && ship == 0; ++slot)
        {
            const int id = PlayerBaseId + slot;
            if (state.Unit(id).Class == mark.Class &&
                std::find(taken.begin(), taken.end(), id) == taken.end())
            {
                ship = id;
            }
        }
        if (ship == 0)
        {
            continue;
        }
        int x2 = x;
        int y2 = y;
        switch (facing)
        {
            case FacingEast:
                x2 = x - 1;
                break;
            case FacingSouth:
                y2 = y - 1;
                break;
            case FacingWest:
                x2 = x + 1;
                break;
            default:
                y2 = y + 1;
                break;
        }
        const bool twoCells = HasSecondUnit(mark.Class);
        // A mark never puts a ship onto another unit or off the map: that mark is skipped.
        auto freeFor = [&](int cx, int cy) {
            if (!OnMap(state, cx, cy))
            {
                return false;
            }
            const int code = state.MapGrid(cx, cy);
            return !IsUnitCode(code) || code == ship || code == SecondCell(ship);
        };
        if (!freeFor(x, y) || (twoCells && !freeFor(x2, y2)))
        {
            continue;
        }
        taken.push_back(ship);
        PutUnitOnCell(state, ship, x, y, facing, x2, y2);
    }
}

void DisperseGroups(Game& game)
{
    GameState& state = game.state;
    const ClassRange first = SelectorRange(state.CurrentScenario.DisperseClasses1);
    const ClassRange second = SelectorRange(state.CurrentScenario.DisperseClasses2);
    if (state.CurrentScenario.DisperseClasses1 == 0 && state.CurrentScenario.DisperseClasses2 == 0)
    {
        return;
    }
    DispersalQuota q;
    const int extra = state.ZoneExtraCount;
    for (int z = HomeZoneCount + 1; z <= LastZone(state); ++z)
    {
        q.openZones += state.AIZone(z).Size > ZoneSizePort ? 1 : 0;
    }
    if (extra == 1)
    {
        q.openZones = 1;
    }
    if (q.openZones == 0)
    {
        return;
    }
    std::vector<int> eligible;
    for (int g = 1; g <= std::min<int>(state.AIGroupCount, GroupCount); ++g)
    {
        const int c = FirstMemberClass(state, g);
        if (GroupInUse(state, g) && state.AIGroup(g).Zone <= HomeZoneCount &&
            (first.Holds(c) || second.Holds(c)) && !IsAircraft(c))
        {
            eligible.push_back(g);
        }
    }
    q.quota = static_cast<int>(eligible.size()) / q.openZones;
    const int reach = extra == 1 ? 6 : 5;
    for (int g : eligible)
    {
        const int z = DrawDispersalZone(game, q);
        if (z == 0)
        {
            continue;
        }
        MoveGroupToZone(state, g, z);
        const AIZoneRec& zone = state.AIZone(z);
        const int cx = zone.OriginX + zone.Size / 2;
        const int cy = zone.OriginY + zone.Size / 2;
        for (int id : ActiveMembers(state, g))
        {
            const int c = state.Unit(id).Class;
            Station(state, id, z, OrderRegroup, DisperseField(game, c, cx, cy, reach));
        }
    }
}

void SendPortGroups(Game& game)
{
    GameState& state = game.state;
    const int goal = state.SideStats(SidePlayer)[GoalTypeByte];
    const bool conquestOrDefence = goal == GoalConquerPorts || goal == GoalDefendPorts;
    if (state.PortCount == 0 || (!conquestOrDefence && state.CurrentScenario.PortGroupsFlag == 0))
    {
        return;
    }
    const int groups = std::min<int>(state.AIGroupCount, GroupCount);
    const std::uint8_t order = goal == GoalConquerPorts ? OrderToPort : OrderRegroup;
    for (int p = 1; p <= std::min<int>(state.PortCount, MaxPorts); ++p)
    {
        const PortRec port = state.Port(p);
        if (port.Owner != SideEnemy || (conquestOrDefence && port.Kind != PortKindMajor))
        {
            continue;
        }
        const int z = port.Zone;
        if (!IsZoneNumber(z) || state.AIZone(z).Size == 0)
        {
            continue;
        }
        const int g =
            DrawUntil(game, groups, [&](int candidate) { return QualifiesAsPortGroup(state, candidate); });
        if (g == 0)
        {
            continue;
        }
        MoveGroupToZone(state, g, z);
        int k = 0;
        for (int id : ActiveMembers(state, g))
        {
            ++k;
            Station(state, id, z, order, PortGuardField(state, z, k, state.Unit(id).Class));
        }
    }
}

void PlaceStartAircraft(Game& game)
{
    GameState& state = game.state;
    if (state.PortCount == 0)
    {
        return;
    }
    for (int side : {SidePlayer, SideEnemy})
    {
        const int base = SideBase(side);
        const int count = side == SidePlayer ? state.PlayerShipCount : state.EnemyShipCount;
        int k = 0;
        for (int slot = 1; slot <= count; ++slot)
        {
            const int id = base + slot;
            if (IsAircraft(state.Unit(id).Class))
            {
                ++k;
                PlaceAtPort(game, id, k);
            }
        }
    }
}

void PlaceAtPort(Game& game, int unit, int k)
{
    GameState& state = game.state;
    const int side = SideOf(unit);
    const int portCount = std::min<int>(state.PortCount, MaxPorts);
    int owned = 0;
    for (int p = 1; p <= portCount; ++p)
    {
        owned += state.Port(p).Owner == side ? 1 : 0;
    }
    auto usable = [&](int p) {
        const PortRec& port = state.Port(p);
        const int n = k > owned ? 0 : CountAircraftAtPort(state, side, p);
        return port.Owner == side && n == 0 && !FreeLandCells(state, port.X, port.Y, AirfieldRadius).empty();
    };
    const int p = DrawUntil(game, portCount, usable);
    if (p == 0)
    {
        return;
    }
    const auto [x, y] = FindFreeLandCell(game, state.Port(p).X, state.Port(p).Y, AirfieldRadius);
    state.Unit(unit).AIWork1 = static_cast<std::uint8_t>(p);
    PutUnitOnCell(state, unit, x, y, FacingNorth);
}

std::pair<int, int> FindFreeLandCell(Game& game, int x, int y, int r)
{
    const std::vector<std::pair<int, int>> cells = FreeLandCells(game.state, x, y, r);
    if (cells.empty())
    {
        return {0, 0};
    }
    game.random.Reseed();
    return cells[game.random.Below(static_cast<std::uint32_t>(cells.size()))];
}

void NameScenarioShips(Game& game)
{
    GameState& state = game.state;
    NameFirstOfClass(state, state.CurrentScenario.NamedShipClass1, state.CurrentScenario.ShipName1);
    NameFirstOfClass(state, state.CurrentScenario.NamedShipClass2, state.CurrentScenario.ShipName2);
}

} // namespace olvane
