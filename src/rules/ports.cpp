#include "rules/ports.h"

#include "rules/awards.h"
#include "rules/combat.h"
#include "rules/unit_kinds.h"
#include "state/cell_code.h"
#include "state/game.h"

#include <cstdlib>

namespace olvane
{

namespace
{

constexpr std::uint8_t OrderRegroup = 11;
constexpr std::uint8_t OrderReturnToPort = 12;
constexpr std::uint8_t OrderStandStill = 20;
constexpr int AirFieldReach = 3;
constexpr std::uint16_t PortOwnerStep = 100; // 3700 -> 3800, 3900 -> 4000

bool TakesPorts(int c)
{
    return (c >= 20 && c <= 79) || IsInstallation(c);
}

bool StandsOn(const UnitRec& u, const PortRec& p)
{
    return u.X != 0 && u.X == p.X && u.Y == p.Y;
}

bool AnyActive(const GameState& state, int side)
{
    const int base = SideBase(side);
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        if (state.Unit(base + slot).Active != 0)
        {
            return true;
        }
    }
    return false;
}

/// A grade by the turn the goal was reached: the earlier, the better.
void GradeByTurn(GameState& state)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    const int t = state.TurnNumber;
    state.GameOver = 1;
    state.GameResult = ResultDefeat;
    if (t <= goal[GoalLeastByte])
    {
        state.GameResult = ResultMinorVictory;
    }
    if (t <= goal[GoalMiddleByte])
    {
        state.GameResult = ResultVictory;
    }
    if (t <= goal[GoalBestByte])
    {
        state.GameResult = ResultMajorVictory;
    }
}

/// A grade by a count reached: the more, the better.
void GradeByCount(GameState& state, int count)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    state.GameOver = 1;
    state.GameResult = ResultDefeat;
    if (count >= goal[GoalLeastByte])
    {
        state.GameResult = ResultMinorVictory;
    }
    if (count >= goal[GoalMiddleByte])
    {
        state.GameResult = ResultVictory;
    }
    if (count >= goal[GoalBestByte])
    {
        state.GameResult = ResultMajorVictory;
    }
}

void CheckConvoyOutcome(GameState& state)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    bool convoyAfloat = false;
    bool allActed = true;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        if (u.Active == 0)
        {
            continue;
        }
        convoyAfloat = convoyAfloat || u.Class == goal[GoalClassByte];
        allActed = allActed && u.MovedThisTurn != 0;
    }
    if (!convoyAfloat || (state.TurnNumber == goal[GoalLastTurnByte] && allActed))
    {
        GradeByCount(state, goal[GoalArrivedByte]);
    }
}

/// The computer's groups of a port's zone sail back to retake it.
void RecallGroupsToPort(GameState& state, int zone)
{
    if (zone == 0)
    {
        return;
    }
    for (int g = 1; g <= GroupCount; ++g)
    {
        const AIGroupRec& group = state.AIGroup(g);
        if (group.Zone != zone)
        {
            continue;
        }
        for (std::uint16_t member : group.Members)
        {
            if (!IsUnitCode(member))
            {
                continue;
            }
            UnitRec& u = state.Unit(member);
            if (u.Active != 0 && u.Order != OrderStandStill)
            {
                u.Order = OrderReturnToPort;
            }
        }
    }
}

} // namespace

void CheckPortCapture(Game& game, int unit, int side)
{
    GameState& state = game.state;
    // A second cell is never active itself; whether the ship is afloat is its main unit's state.
    const UnitRec& u = state.Unit(unit);
    if (state.Unit(MainUnitOf(unit)).Active == 0 || !TakesPorts(u.Class))
    {
        return;
    }
    const int goalType = GoalType(game);
    for (int p = 1; p <= state.PortCount; ++p)
    {
        const PortRec& port = state.Port(p);
        if (!StandsOn(u, port))
        {
            continue;
        }
        if (side == SidePlayer && port.Owner == SidePlayer)
        {
            CapturePort(game, p);
            if (goalType == GoalConquerPorts || goalType == GoalDefendPorts)
            {
                game.opponent.OrderGroupsOfZone(state, port.Zone, OrderRegroup);
                state.Unit(MainUnitOf(unit)).Order = OrderStandStill;
            }
        }
        else if (side == SideEnemy && port.Owner == SideEnemy)
        {
            const int standing = state.MapGrid(port.X, port.Y);
            if (IsUnitCode(standing) && state.Unit(standing).Class < 10)
            {
                continue;
            }
            CapturePort(game, p);
            if ((goalType == GoalConquerPorts || goalType == GoalDefendPorts) &&
                port.StartOwner == SidePlayer)
            {
                RecallGroupsToPort(state, port.Zone);
            }
            if (goalType == GoalConquerPorts)
            {
                VictoryCheckAfterMove(game);
            }
        }
    }
}

void CapturePort(Game& game, int port)
{
    GameState& state = game.state;
    PortRec& p = state.Port(port);
    if (!OnMap(state, p.X, p.Y))
    {
        return;
    }
    const int standing = state.MapGrid(p.X, p.Y);
    std::uint16_t& code = IsUnitCode(standing) ? state.Unit(standing).Under : state.MapGrid(p.X, p.Y);
    int message = 0;
    if (p.Owner == SidePlayer)
    {
        code = static_cast<std::uint16_t>(code + PortOwnerStep);
        p.Owner = SideEnemy;
        message = MessagePortTakenByEnemy + port;
    }
    else
    {
        if (p.Flag == 0)
        {
            AddScore(game, p.Kind == PortKindMajor ? AwardMajorPortTaken : AwardPortTaken, 0);
        }
        code = static_cast<std::uint16_t>(code - PortOwnerStep);
        p.Owner = SidePlayer;
        p.Flag = 1;
        message = MessagePortTakenByPlayer + port;
    }
    game.presenter.DrawCell(p.X, p.Y);
    game.presenter.ShowMessage(message);
}

void VictoryCheckAfterMove(Game& game)
{
    GameState& state = game.state;
    state.GameOver = 0;
    if (state.GameResult == ResultQuit)
    {
        state.GameOver = 1;
        return;
    }
    if (!AnyActive(state, SidePlayer))
    {
        state.GameOver = 1;
        state.GameResult = ResultDefeat;
    }
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    switch (goal[GoalTypeByte])
    {
        case GoalConquerPorts: {
            bool enemyHoldsOne = false;
            for (int p = 1; p <= state.PortCount; ++p)
            {
                const PortRec& port = state.Port(p);
                enemyHoldsOne = enemyHoldsOne || (port.Kind == PortKindMajor && port.Owner == SideEnemy);
            }
            if (!enemyHoldsOne)
            {
                GradeByTurn(state);
            }
            break;
        }
        case GoalSinkClass: {
            int sunk = 0;
            const DestroyedListRec& lost = state.DestroyedList;
            for (int i = 0; i < lost.Count && i < DestroyedCapacity; ++i)
            {
                const DestroyedEntry& e = lost.Entries[static_cast<std::size_t>(i)];
                sunk += (e.Side == SideEnemy && e.Class == goal[GoalClassByte]) ? 1 : 0;
            }
            if (sunk >= goal[GoalKillCountByte])
            {
                GradeByTurn(state);
            }
            break;
        }
        case GoalConvoy:
            CheckConvoyOutcome(state);
            break;
        case GoalDestroyAll:
            if (!AnyActive(state, SideEnemy))
            {
                GradeByTurn(state);
            }
            break;
        default:
            break;
    }
}

void VictoryCheckEndOfTurn(Game& game)
{
    GameState& state = game.state;
    state.GameOver = 0;
    if (state.GameResult == ResultQuit)
    {
        state.GameOver = 1;
        return;
    }
    if (!AnyActive(state, SidePlayer))
    {
        state.GameOver = 1;
        state.GameResult = ResultDefeat;
        return;
    }
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    const int t = state.TurnNumber;
    switch (goal[GoalTypeByte])
    {
        case GoalConquerPorts:
        case GoalSinkClass:
            if (t == goal[GoalLeastByte])
            {
                state.GameOver = 1;
                state.GameResult = ResultDefeat;
            }
            break;
        case GoalDefendPorts: {
            bool allActed = true;
            for (int slot = 1; slot <= MaxSideSlots; ++slot)
            {
                const UnitRec& u = state.Unit(EnemyBaseId + slot);
                allActed = allActed && (u.Active == 0 || u.MovedThisTurn != 0);
            }
            if (t == goal[GoalLastTurnByte] && allActed)
            {
                int held = 0;
                for (int p = 1; p <= state.PortCount; ++p)
                {
                    const PortRec& port = state.Port(p);
                    held += (port.Kind == PortKindMajor && port.Owner == SidePlayer) ? 1 : 0;
                }
                GradeByCount(state, held);
            }
            break;
        }
        case GoalConvoy:
            state.GameResult = ResultDefeat;
            CheckConvoyOutcome(state);
            break;
        case GoalDestroyAll:
            if (t >= goal[GoalLeastByte])
            {
                state.GameOver = 1;
                state.GameResult = AnyActive(state, SideEnemy) ? ResultDefeat : ResultMinorVictory;
            }
            break;
        default:
            break;
    }
}

bool ConvoyAtGoal(const Game& game, int unit)
{
    const GameState& state = game.state;
    if (IsEnemy(unit))
    {
        return false;
    }
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    const UnitRec& u = state.Unit(unit);
    const int port = goal[GoalPortByte];
    if (u.Active == 0 || u.Class != goal[GoalClassByte] || port < 1 || port > state.PortCount)
    {
        return false;
    }
    return StandsOn(u, state.Port(port));
}

void ConvoyArrives(Game& game, int unit)
{
    GameState& state = game.state;
    AddScore(game, AwardConvoyArrived, state.Unit(unit).Class);
    std::uint8_t& arrived = state.SideStats(SidePlayer)[GoalArrivedByte];
    if (arrived < 255)
    {
        ++arrived;
    }
    game.presenter.RefreshUnitPanel(unit);
    RemoveFromMap(game, unit);
    if (HasSecondUnit(state.Unit(unit).Class))
    {
        RemoveFromMap(game, SecondCell(unit));
    }
}

bool AirFieldAllowed(Game& game, int x, int y, int side)
{
    GameState& state = game.state;
    for (int slot = 1; slot <= MaxSideSlots; ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        if (u.Active != 0 && IsAircraft(u.Class) && u.MovedThisTurn != 0 && u.PlacedX == x && u.PlacedY == y)
        {
            game.presenter.ShowError(AirFieldTakenText);
            return false;
        }
    }
    if (!OnMap(state, x, y) || IsUnitCode(state.MapGrid(x, y)) || !IsLandCell(state, x, y))
    {
        return false;
    }
    for (int p = 1; p <= state.PortCount; ++p)
    {
        const PortRec& port = state.Port(p);
        if (port.Owner == side && std::abs(port.X - x) <= AirFieldReach &&
            std::abs(port.Y - y) <= AirFieldReach)
        {
            return true;
        }
    }
    return false;
}

bool CanPlaceAircraft(const Game& game)
{
    const GameState& state = game.state;
    for (int p = 1; p <= state.PortCount; ++p)
    {
        const PortRec& port = state.Port(p);
        if (port.Owner != SidePlayer)
        {
            continue;
        }
        for (int x = port.X - AirFieldReach; x <= port.X + AirFieldReach; ++x)
        {
            for (int y = port.Y - AirFieldReach; y <= port.Y + AirFieldReach; ++y)
            {
                if (OnMap(state, x, y) && !IsUnitCode(state.MapGrid(x, y)) && IsLandCell(state, x, y))
                {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace olvane
