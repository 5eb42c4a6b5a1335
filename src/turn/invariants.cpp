#include "turn/invariants.h"

#include "rules/unit_kinds.h"
#include "state/game_state.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace olvane
{

namespace
{

std::string Where(int x, int y)
{
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

void CheckUnit(const GameState& state, int id, std::vector<std::string>& faults)
{
    const UnitRec& u = state.Unit(id);
    const auto name = [id] { return "unit " + std::to_string(id); };
    if (u.Active == 0)
    {
        if (HasSecondUnit(u.Class) && state.Unit(SecondCell(id)).X != 0)
        {
            faults.push_back(name() + " is gone but its second cell is still on the map");
        }
        return;
    }
    if (u.X == 0)
    {
        if (HasSecondUnit(u.Class) && state.Unit(SecondCell(id)).X != 0)
        {
            faults.push_back(name() + " is off the map but its second cell is not");
        }
        return;
    }
    if (!OnMap(state, u.X, u.Y))
    {
        faults.push_back(name() + " stands outside the map at " + Where(u.X, u.Y));
        return;
    }
    if (state.MapGrid(u.X, u.Y) != id)
    {
        faults.push_back(name() + " stands at " + Where(u.X, u.Y) + " but the cell holds " +
                         std::to_string(state.MapGrid(u.X, u.Y)));
    }
    if (!HasSecondUnit(u.Class))
    {
        return;
    }
    const UnitRec& stern = state.Unit(SecondCell(id));
    if (!OnMap(state, stern.X, stern.Y))
    {
        faults.push_back(name() + " has its second cell off the map");
        return;
    }
    if (state.MapGrid(stern.X, stern.Y) != SecondCell(id))
    {
        faults.push_back(name() + " has its second cell at " + Where(stern.X, stern.Y) +
                         " but the cell holds " + std::to_string(state.MapGrid(stern.X, stern.Y)));
    }
    if (std::max(std::abs(stern.X - u.X), std::abs(stern.Y - u.Y)) != 1)
    {
        faults.push_back(name() + " at " + Where(u.X, u.Y) + " has its second cell apart at " +
                         Where(stern.X, stern.Y));
    }
    if (stern.Class != u.Class)
    {
        faults.push_back(name() + " has a second cell of another class");
    }
}

void CheckCell(const GameState& state, int x, int y, std::vector<std::string>& faults)
{
    const int code = state.MapGrid(x, y);
    if (!IsUnitCode(code))
    {
        return;
    }
    const int ship = MainUnitOf(code);
    const UnitRec& owner = state.Unit(ship);
    const UnitRec& record = state.Unit(code);
    const bool standsThere = record.X == x && record.Y == y;
    const bool secondCellOk = code == ship || HasSecondUnit(owner.Class);
    if (owner.Active == 0 || !standsThere || !secondCellOk)
    {
        faults.push_back("cell " + Where(x, y) + " holds " + std::to_string(code) +
                         ", which is not an active unit standing there");
    }
}

} // namespace

std::vector<std::string> CheckInvariants(const GameState& state)
{
    std::vector<std::string> faults;
    for (int side : {SidePlayer, SideEnemy})
    {
        const int base = SideBase(side);
        const int count = side == SidePlayer ? state.PlayerShipCount : state.EnemyShipCount;
        for (int slot = 1; slot <= MaxSideSlots; ++slot)
        {
            const int id = base + slot;
            if (slot > count)
            {
                if (state.Unit(id).Active != 0)
                {
                    faults.push_back("unit " + std::to_string(id) +
                                     " is active beyond its side's ship count");
                }
                continue;
            }
            CheckUnit(state, id, faults);
        }
    }
    const int width = std::min(state.MapWidth, MapSize);
    const int height = std::min(state.MapHeight, MapSize);
    for (int x = 1; x <= width; ++x)
    {
        for (int y = 1; y <= height; ++y)
        {
            CheckCell(state, x, y, faults);
        }
    }

    std::array<int, GroupCount + 1> afloat{};
    for (int slot = 1; slot <= state.EnemyShipCount; ++slot)
    {
        const UnitRec& u = state.Unit(EnemyBaseId + slot);
        if (u.Active != 0 && !IsInstallation(u.Class) && u.AIGroup >= 1 && u.AIGroup <= GroupCount)
        {
            ++afloat[u.AIGroup];
        }
    }
    for (int g = 1; g <= GroupCount; ++g)
    {
        const AIGroupRec& group = state.AIGroup(g);
        if (group.MemberCount != afloat[static_cast<std::size_t>(g)])
        {
            faults.push_back("group " + std::to_string(g) + " counts " + std::to_string(group.MemberCount) +
                             " members but " + std::to_string(afloat[static_cast<std::size_t>(g)]) +
                             " are afloat");
        }
        for (std::uint16_t member : group.Members)
        {
            if (IsUnitCode(member) && state.Unit(member).Active != 0 && state.Unit(member).AIGroup != g)
            {
                faults.push_back("group " + std::to_string(g) + " lists unit " + std::to_string(member) +
                                 " of another group");
            }
        }
    }
    return faults;
}

} // namespace olvane
