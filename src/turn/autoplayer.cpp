#include "turn/autoplayer.h"

#include "rules/awards.h"
#include "rules/combat.h"
#include "rules/movement.h"
#include "rules/unit_kinds.h"
#include "state/game.h"
#include "turn/turn_phases.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace olvane
{

namespace
{

/// More actions than a player phase can hold: every one either uses a unit's turn or ends the
/// phase, so a turn that needs more has stopped making progress.
constexpr int MaxActionsPerTurn = 4 * MaxSideSlots;

int SquaredDistance(int ax, int ay, int bx, int by)
{
    return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
}

bool IsPlayerSlot(int id)
{
    return id > PlayerBaseId && id <= PlayerBaseId + MaxSideSlots;
}

/// Where a unit heads: a convoy ship for its goal port, anything else for the nearest enemy in
/// sight, a ship without one for the computer's nearest port; nothing when there is no aim.
std::optional<std::pair<int, int>> Aim(const Game& game, int unit)
{
    const GameState& state = game.state;
    const UnitRec& u = state.Unit(unit);
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    const int goalPort = goal[GoalPortByte];
    if (goal[GoalTypeByte] == GoalConvoy && u.Class == goal[GoalClassByte] && goalPort >= 1 &&
        goalPort <= std::min<int>(state.PortCount, MaxPorts))
    {
        return std::pair<int, int>{state.Port(goalPort).X, state.Port(goalPort).Y};
    }
    std::optional<std::pair<int, int>> best;
    int bestDistance = std::numeric_limits<int>::max();
    for (int slot = 1; slot <= state.EnemyShipCount; ++slot)
    {
        const UnitRec& e = state.Unit(EnemyBaseId + slot);
        if (e.Active == 0 || e.Visible == 0 || e.X == 0)
        {
            continue;
        }
        const int d = SquaredDistance(u.X, u.Y, e.X, e.Y);
        if (d < bestDistance)
        {
            bestDistance = d;
            best = std::pair<int, int>{e.X, e.Y};
        }
    }
    if (best || IsAircraft(u.Class))
    {
        return best;
    }
    for (int p = 1; p <= std::min<int>(state.PortCount, MaxPorts); ++p)
    {
        const PortRec& port = state.Port(p);
        if (port.Owner != SideEnemy)
        {
            continue;
        }
        const int d = SquaredDistance(u.X, u.Y, port.X, port.Y);
        if (d < bestDistance)
        {
            bestDistance = d;
            best = std::pair<int, int>{port.X, port.Y};
        }
    }
    return best;
}

} // namespace

Autoplayer::Autoplayer(Game& game, HeadlessPresenter& presenter) : game_(game)
{
    presenter.fireTargetChooser = [this](int shooter) { return ChooseFireTarget(shooter); };
}

void Autoplayer::PlayUnit(int unit)
{
    GameState& state = game_.state;
    UnitRec& u = state.Unit(unit);
    int destX = u.X;
    int destY = u.Y;
    if (u.X != 0 && u.Y != 0 && !IsInstallation(u.Class) && u.Speed != 0)
    {
        // The move clamps an order beyond the unit's reach to the nearest field it can reach,
        // so an aim or a random point within its Speed is order enough.
        if (const auto aim = Aim(game_, unit))
        {
            destX = aim->first;
            destY = aim->second;
        }
        else
        {
            const int speed = std::min<int>(u.Speed, ReachRadius);
            const auto span = static_cast<std::uint32_t>(2 * speed + 1);
            destX = u.X - speed + static_cast<int>(game_.random.Below(span));
            destY = u.Y - speed + static_cast<int>(game_.random.Below(span));
        }
        destX = std::clamp(destX, 1, std::min(state.MapWidth, MapSize));
        destY = std::clamp(destY, 1, std::min(state.MapHeight, MapSize));
        if (state.MapGrid(destX, destY) == unit)
        {
            destX = u.X;
            destY = u.Y;
        }
    }
    u.DestX = static_cast<std::uint8_t>(destX);
    u.DestY = static_cast<std::uint8_t>(destY);
    MoveUnit(game_, unit);
}

int Autoplayer::ChooseFireTarget(int shooter) const
{
    const GameState& state = game_.state;
    for (int i = 0; i < std::min<int>(state.ContactCount, ContactCapacity); ++i)
    {
        const int contact = state.ContactList[static_cast<std::size_t>(i)];
        if (!IsUnitCode(contact))
        {
            continue;
        }
        const UnitRec& t = state.Unit(contact);
        if (t.Active != 0 && t.Visible != 0 && t.X != 0 && IsEnemy(contact) &&
            CanTarget(game_, shooter, contact))
        {
            return contact;
        }
    }
    return 0;
}

void Autoplayer::PlayTurn()
{
    GameState& state = game_.state;
    const int turn = state.TurnNumber;
    for (int action = 0; action < MaxActionsPerTurn && state.GameOver == 0 && state.TurnNumber == turn;
         ++action)
    {
        const int selected = state.SelectedUnit;
        if (IsPlayerSlot(selected) && state.Unit(selected).Active != 0 &&
            state.Unit(selected).MovedThisTurn == 0)
        {
            PlayUnit(selected);
        }
        else
        {
            SelectNextPlayerUnit(game_);
        }
    }
}

int LossesOf(const GameState& state, int side)
{
    int losses = 0;
    for (int i = 0; i < std::min<int>(state.DestroyedList.Count, DestroyedCapacity); ++i)
    {
        losses += state.DestroyedList.Entries[static_cast<std::size_t>(i)].Side == side ? 1 : 0;
    }
    return losses;
}

} // namespace olvane
