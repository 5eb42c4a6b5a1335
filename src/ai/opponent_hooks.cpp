#include "ai/opponent_hooks.h"

#include "state/game.h"

namespace olvane
{

namespace
{

constexpr std::uint8_t GroupResetMark = 72;
constexpr std::uint8_t OrderRegroup = 11;
constexpr std::uint8_t OrderStandStill = 20;

} // namespace

void ComputerOpponent::ResetGroup(GameState& state, int group)
{
    AIGroupRec& g = state.AIGroup(group);
    g.Sector = 0;
    g.Zone = 0;
    g.Mark = GroupResetMark;
    g.Members.fill(0);
    g.Phases = 0;
    g.ZonePhases = 0;
}

void ComputerOpponent::OrderGroupsOfZone(GameState& state, int zone, int order)
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
            if (IsUnitCode(member) && state.Unit(member).Active != 0)
            {
                state.Unit(member).Order = static_cast<std::uint8_t>(order);
            }
        }
    }
}

void ComputerOpponent::GuardPortEarly(Game& game, int unit)
{
    GameState& state = game.state;
    UnitRec& u = state.Unit(unit);
    int guarded = 0;
    for (int p = 1; p <= state.PortCount; ++p)
    {
        const PortRec& port = state.Port(p);
        if (port.Kind == PortKindMajor && port.Zone != 0 && port.Zone == u.AIWork1)
        {
            guarded = p;
        }
    }
    if (guarded == 0)
    {
        return;
    }
    const PortRec& port = state.Port(guarded);
    if (u.X != port.X || u.Y != port.Y)
    {
        return;
    }
    OrderGroupsOfZone(state, port.Zone, OrderRegroup);
    u.Order = OrderStandStill;
}

ComputerOpponent& TheComputerOpponent()
{
    static ComputerOpponent opponent;
    return opponent;
}

} // namespace olvane
