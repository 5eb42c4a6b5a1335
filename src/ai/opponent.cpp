// The computer's phase, and how its groups move between zones and raid the player's ports.

#include "ai/opponent.h"

#include "ai/opponent_groups.h"
#include "rules/movement.h"
#include "rules/unit_kinds.h"
#include "state/game.h"

#include <algorithm>
#include <string>

namespace olvane
{

namespace
{

constexpr int PhaseStartPause = 15;
constexpr int ArrivalTolerance = 3;
constexpr int MaxAttackCandidates = 10;
constexpr int AttackReach = 24;
constexpr double FirstTurnChangeChance = 0.5;
constexpr double PossibleChangeChance = 0.65;
constexpr std::uint8_t ChangeWanted = 1;
constexpr std::uint8_t ChangePossible = 2;
constexpr std::uint8_t ChangeDone = 3;

/// The number of open-sea zones beyond the home zones that hold no port.
int PortFreeZones(const GameState& state)
{
    int n = 0;
    for (int z = HomeZoneCount + 1; z <= LastZone(state); ++z)
    {
        const AIZoneRec& zone = state.AIZone(z);
        n += zone.Size != 0 && zone.Port == 0 ? 1 : 0;
    }
    return n;
}

/// True when some neighbour of the group's zone can take the group.
bool SomeNeighbourTakes(const GameState& state, int g)
{
    const int zone = state.AIGroup(g).Zone;
    if (!IsZoneNumber(zone))
    {
        return false;
    }
    for (std::uint8_t neighbour : state.AIZone(zone).Neighbours)
    {
        if (ZoneTakesGroup(state, neighbour, g))
        {
            return true;
        }
    }
    return false;
}

bool ValidGroup(int g)
{
    return g >= 1 && g <= GroupCount;
}

void SetTarget(UnitRec& u, int x, int y)
{
    u.PlacedX = static_cast<std::uint8_t>(x);
    u.PlacedY = static_cast<std::uint16_t>(y);
}

void MoveToTarget(Game& game, int id)
{
    UnitRec& u = game.state.Unit(id);
    u.DestX = u.PlacedX;
    u.DestY = static_cast<std::uint8_t>(u.PlacedY);
    MoveUnit(game, id);
}

/// The zone's port, when it has one the port list holds.
int PortOfZone(const GameState& state, int zone)
{
    if (!IsZoneNumber(zone))
    {
        return 0;
    }
    const int port = state.AIZone(zone).Port;
    return port >= 1 && port <= std::min<int>(state.PortCount, MaxPorts) ? port : 0;
}

/// A group that has patrolled its legs, or whose ship was hit, takes a new sector; when no
/// sector is free it keeps patrolling the old one.
void RegroupAfterPatrol(Game& game, int id)
{
    GameState& state = game.state;
    const int g = state.Unit(id).AIGroup;
    AssignSector(game, g);
    if (state.Unit(id).Order == OrderStand)
    {
        for (int member : ActiveMembers(state, g))
        {
            state.Unit(member).Order = OrderPatrol;
            state.Unit(member).HitMark = 0;
        }
    }
    else
    {
        GoToSector(state, g);
    }
}

/// One computer ship's move in its phase, by its order.
void PlanAndMove(Game& game, int id)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(id);
    const int g = u.AIGroup;
    if (!ValidGroup(g))
    {
        MoveUnit(game, id);
        return;
    }
    if (u.Order < OrderToZone && WantsZoneChange(game, id))
    {
        ChangeZone(game, id);
        SendGroupToZone(state, g);
    }
    if (u.HitMark > PatrolLegsBeforeRegroup && u.Order != OrderRegroup && u.Order != OrderToPort &&
        u.Order != OrderStand)
    {
        RegroupAfterPatrol(game, id);
    }
    switch (u.Order)
    {
        case OrderToSector:
            MoveToTarget(game, id);
            CheckArrival(state, id);
            break;
        case OrderPatrol:
            Patrol(state, id);
            MoveToTarget(game, id);
            break;
        case OrderToZone: {
            MoveToTarget(game, id);
            const bool near = std::abs(u.X - static_cast<int>(u.PlacedX)) <= ArrivalTolerance &&
                              std::abs(u.Y - static_cast<int>(u.PlacedY)) <= ArrivalTolerance;
            if (near && u.Active != 0 && u.Order != OrderStand)
            {
                const int port = PortOfZone(state, u.AIWork1);
                u.Order = port != 0 && state.Port(port).Owner == SidePlayer ? OrderToPort : OrderRegroup;
            }
            break;
        }
        case OrderRegroup: {
            const std::uint8_t change = state.AIGroup(g).ZoneChange;
            if ((change == ChangeWanted || change == ChangePossible) && WantsZoneChange(game, id))
            {
                ChangeZone(game, id);
                SendGroupToZone(state, g);
                break;
            }
            AssignSector(game, g);
            if (u.Order != OrderStand)
            {
                GoToSector(state, g);
            }
            MoveToTarget(game, id);
            break;
        }
        case OrderToPort: {
            const int port = PortOfZone(state, u.AIWork1);
            if (port != 0)
            {
                SetTarget(u, state.Port(port).X, state.Port(port).Y);
                MoveToTarget(game, id);
            }
            else
            {
                MoveUnit(game, id);
            }
            break;
        }
        default:
            break;
    }
}

} // namespace

bool WantsZoneChange(Game& game, int unit)
{
    GameState& state = game.state;
    const int g = state.Unit(unit).AIGroup;
    if (!ValidGroup(g))
    {
        return false;
    }
    AIGroupRec& group = state.AIGroup(g);
    const int zone = group.Zone;
    if (!IsZoneNumber(zone) || state.AIZone(zone).Port != 0)
    {
        return false;
    }
    const int n = PortFreeZones(state);
    bool wants = zone <= HomeZoneCount;
    if (!wants && group.ZonePhases > PhasesBeforeZoneChange && n >= 2)
    {
        wants = true;
    }
    if (!wants && state.TurnNumber == 1 && group.ZoneChange == 0 && n >= 2)
    {
        game.random.Reseed();
        wants = game.random.Fraction() > FirstTurnChangeChance;
    }
    if (!wants && n >= 2)
    {
        if (group.ZoneChange == ChangeWanted)
        {
            wants = true;
        }
        else if (group.ZoneChange == ChangePossible)
        {
            game.random.Reseed();
            wants = game.random.Fraction() > PossibleChangeChance;
        }
        else if (group.ZoneChange == ChangeDone)
        {
            group.ZoneChange = 0;
        }
    }
    return wants && SomeNeighbourTakes(state, g);
}

void ChangeZone(Game& game, int unit)
{
    GameState& state = game.state;
    const int g = state.Unit(unit).AIGroup;
    if (!ValidGroup(g) || !SomeNeighbourTakes(state, g))
    {
        return;
    }
    AIGroupRec& group = state.AIGroup(g);
    const auto& neighbours = state.AIZone(group.Zone).Neighbours;
    const int pick = DrawUntil(game, static_cast<int>(neighbours.size()), [&](int k) {
        return ZoneTakesGroup(state, neighbours[static_cast<std::size_t>(k - 1)], g);
    });
    if (group.ZoneChange != 0)
    {
        ++group.ZoneChange;
    }
    group.PreviousZone = group.Zone;
    group.Zone = neighbours[static_cast<std::size_t>(pick - 1)];
    group.ZonePhases = 0;
}

void SendGroupToZone(GameState& state, int g)
{
    const AIGroupRec& group = state.AIGroup(g);
    if (!IsZoneNumber(group.Zone))
    {
        return;
    }
    const AIZoneRec& zone = state.AIZone(group.Zone);
    for (int id : ActiveMembers(state, g))
    {
        UnitRec& u = state.Unit(id);
        u.Order = OrderToZone;
        u.HitMark = 0;
        u.AIWork1 = group.Zone;
        SetTarget(u, zone.OriginX + zone.Size / 2, zone.OriginY + zone.Size / 2);
    }
}

int FindAttackGroup(const GameState& state, int zone)
{
    int best = 0;
    int bestDistance = AttackReach;
    int considered = 0;
    if (!IsZoneNumber(zone))
    {
        return 0;
    }
    const AIZoneRec& target = state.AIZone(zone);
    for (int g = 1; g <= GroupCount && considered < MaxAttackCandidates; ++g)
    {
        const AIGroupRec& group = state.AIGroup(g);
        if (!GroupInUse(state, g) || !IsZoneNumber(group.Zone) || state.AIZone(group.Zone).Port != 0)
        {
            continue;
        }
        const auto& neighbours = state.AIZone(group.Zone).Neighbours;
        if (std::find(neighbours.begin(), neighbours.end(), zone) == neighbours.end())
        {
            continue;
        }
        ++considered;
        const std::vector<int> members = ActiveMembers(state, g);
        if (members.empty())
        {
            continue;
        }
        const UnitRec& last = state.Unit(members.back());
        const int distance = RoundedDistance(last.X - target.OriginX, last.Y - target.OriginY);
        if (distance < bestDistance)
        {
            best = g;
            bestDistance = distance;
        }
    }
    return best;
}

void AttackPort(Game& game)
{
    GameState& state = game.state;
    // The raid interval is byte 103 of the scenario record; 0 means the computer never raids.
    const int interval = state.CurrentScenario.AttackInterval;
    if (interval == 0 || state.TurnNumber == 0 || state.TurnNumber % interval != 0)
    {
        return;
    }
    const int ports = std::min<int>(state.PortCount, MaxPorts);
    auto candidate = [&](int p) {
        const PortRec& port = state.Port(p);
        if (port.Owner != SidePlayer || port.Kind != PortKindMajor || !IsZoneNumber(port.Zone))
        {
            return false;
        }
        for (int g = 1; g <= GroupCount; ++g)
        {
            if (state.AIGroup(g).Zone == port.Zone && !ActiveMembers(state, g).empty())
            {
                return false;
            }
        }
        return true;
    };
    std::vector<bool> tried(static_cast<std::size_t>(ports) + 1, false);
    game.random.Reseed();
    for (int attempt = 0; attempt < 2 * ports; ++attempt)
    {
        const int p = 1 + static_cast<int>(game.random.Below(static_cast<std::uint32_t>(ports)));
        if (tried[static_cast<std::size_t>(p)] || !candidate(p))
        {
            continue;
        }
        tried[static_cast<std::size_t>(p)] = true;
        const int zone = state.Port(p).Zone;
        const int g = FindAttackGroup(state, zone);
        if (g != 0)
        {
            AIGroupRec& group = state.AIGroup(g);
            group.PreviousZone = group.Zone;
            group.Zone = static_cast<std::uint8_t>(zone);
            group.ZonePhases = 0;
            SendGroupToZone(state, g);
            return;
        }
    }
}

void EnemyPhase(Game& game)
{
    GameState& state = game.state;
    game.presenter.Delay(PhaseStartPause);
    state.EnemyPhaseRunning = 1;
    state.LBinfo.insert(state.LBinfo.begin(),
                        "--------------------------End of " + std::to_string(state.TurnNumber) + ". turn");
    game.presenter.RefreshMessageList();

    state.KnownEnemyCount = 0;
    state.KnownEnemies.fill(0);
    const int count = state.EnemyShipCount;
    for (int slot = 1; slot <= count; ++slot)
    {
        state.Unit(EnemyBaseId + slot).MovedThisTurn = 0;
    }
    // Units off the map (a home base without room, an aircraft without an airfield) do not act.
    auto ready = [&state](int id) {
        const UnitRec& u = state.Unit(id);
        return u.Active != 0 && u.MovedThisTurn == 0 && u.X != 0;
    };
    for (int slot = 1; slot <= count; ++slot)
    {
        const int id = EnemyBaseId + slot;
        if (ready(id) && IsInstallation(state.Unit(id).Class))
        {
            MoveUnit(game, id);
        }
    }
    for (int slot = 1; slot <= count; ++slot)
    {
        const int id = EnemyBaseId + slot;
        if (ready(id) && state.Unit(id).Order == OrderStand)
        {
            MoveUnit(game, id);
        }
    }
    for (int slot = 1; slot <= count; ++slot)
    {
        const int id = EnemyBaseId + slot;
        if (!ready(id))
        {
            continue;
        }
        for (std::size_t k = 0; k < state.KnownEnemies.size(); ++k)
        {
            const int known = state.KnownEnemies[k];
            if (IsUnitCode(known))
            {
                ReactToKnownEnemy(game, known);
            }
        }
        if (!ready(id))
        {
            continue;
        }
        if (IsAircraft(state.Unit(id).Class))
        {
            AirStrikeTarget(game, id);
            MoveUnit(game, id);
        }
        else
        {
            PlanAndMove(game, id);
        }
    }

    AttackPort(game);
    AttackPort(game);
    for (int slot = 1; slot <= count; ++slot)
    {
        UnitRec& u = state.Unit(EnemyBaseId + slot);
        if (u.X != 0)
        {
            u.Fire = game.classes.Class(u.Class).Fire;
        }
    }
    for (int g = 1; g <= std::min<int>(state.AIGroupCount, GroupCount); ++g)
    {
        AIGroupRec& group = state.AIGroup(g);
        if (GroupInUse(state, g))
        {
            ++group.Phases;
            group.ZonePhases = static_cast<std::uint8_t>(std::min(group.ZonePhases + 1, 255));
        }
    }
    state.EnemyPhaseRunning = 0;
}

} // namespace olvane
