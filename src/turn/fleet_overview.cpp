#include "turn/fleet_overview.h"

#include <algorithm>
#include <map>

namespace olvane
{

const std::array<FleetGroupInfo, FleetGroupCount> FleetGroups{{
    {"CARRIERS", 70, 79, 5, 15},
    {"BATTLESHIPS", 60, 69, 5, 15},
    {"CRUISERS", 50, 59, 5, 15},
    {"DESTROYERS", 40, 49, 5, 15},
    {"FREGATES/CORVETES/BOATS", 20, 30, 5, 15},
    {"SUBMARINES", 10, 19, 5, 15},
    {"AIR FORCE", 80, 89, 8, 8},
    {"TRANSPORTERS", 1, 9, 8, 8},
}};

int FleetGroupOf(int c)
{
    if (c >= 90 && c <= 99)
    {
        return FleetGroupCount - 1;
    }
    for (int g = 0; g < FleetGroupCount; ++g)
    {
        if (c >= FleetGroups[g].FirstClass && c <= FleetGroups[g].LastClass)
        {
            return g;
        }
    }
    return -1;
}

std::array<std::vector<int>, FleetGroupCount> OrderOfBattle(const GameState& state)
{
    std::array<std::vector<int>, FleetGroupCount> groups;
    for (int slot = 1; slot <= std::min<int>(state.PlayerShipCount, MaxSideSlots); ++slot)
    {
        const UnitRec& u = state.Unit(PlayerBaseId + slot);
        const int g = FleetGroupOf(u.Class);
        if (u.Active == 0 || g < 0)
        {
            continue;
        }
        auto& group = groups[static_cast<std::size_t>(g)];
        if (static_cast<int>(group.size()) < FleetGroups[static_cast<std::size_t>(g)].Cap)
        {
            group.push_back(PlayerBaseId + slot);
        }
    }
    return groups;
}

std::vector<std::pair<int, int>> DestroyedCounts(const GameState& state, int side)
{
    std::map<int, int> counts;
    const int n = std::min<int>(state.DestroyedList.Count, DestroyedCapacity);
    for (int i = 0; i < n; ++i)
    {
        const DestroyedEntry& e = state.DestroyedList.Entries[static_cast<std::size_t>(i)];
        if (e.Side == side)
        {
            ++counts[e.Class];
        }
    }
    return {counts.begin(), counts.end()};
}

std::vector<int> HqSummaryUnits(const GameState& state)
{
    std::vector<int> units;
    for (int slot = 1; slot <= std::min<int>(state.PlayerShipCount, SummaryMaxSlots); ++slot)
    {
        if (state.Unit(PlayerBaseId + slot).Active != 0)
        {
            units.push_back(PlayerBaseId + slot);
        }
    }
    return units;
}

std::string HqMissionLine(const GameState& state)
{
    const SideStatsRec& goal = state.SideStats(SidePlayer);
    if (goal[GoalTypeByte] == GoalConvoy)
    {
        return "MISSION OBJECTIVE: Safely escorted ships: " + std::to_string(goal[GoalArrivedByte]);
    }
    if (goal[GoalTypeByte] == GoalDestroyAll)
    {
        int active = 0;
        for (int slot = 1; slot <= std::min<int>(state.EnemyShipCount, MaxSideSlots); ++slot)
        {
            active += state.Unit(EnemyBaseId + slot).Active != 0 ? 1 : 0;
        }
        return "TOTAL ACTIVE ENEMY UNITS: " + std::to_string(active);
    }
    return {};
}

} // namespace olvane
