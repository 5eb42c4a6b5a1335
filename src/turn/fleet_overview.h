#pragma once

#include "state/game_state.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace olvane
{

// What the fleet overview shows: the player's order of battle in eight groups, and the units both
// sides have lost, counted per class.

constexpr int FleetGroupCount = 8;

struct FleetGroupInfo
{
    std::string_view Heading;
    int FirstClass;
    int LastClass;
    int PerRow;
    /// The most units the group's panel shows.
    int Cap;
};

/// CARRIERS, BATTLESHIPS, CRUISERS, DESTROYERS, FREGATES/CORVETES/BOATS, SUBMARINES, AIR FORCE
/// and TRANSPORTERS; the transporters also take the auxiliaries 90..99, and their one row holds 8.
extern const std::array<FleetGroupInfo, FleetGroupCount> FleetGroups;

/// The group 0..7 of a class; -1 for a class the order of battle leaves out (shore
/// installations).
int FleetGroupOf(int c);

/// The active player units of slots 1..PlayerShipCount in slot order, sorted into the groups,
/// each group cut at its cap.
std::array<std::vector<int>, FleetGroupCount> OrderOfBattle(const GameState& state);

/// The lost units of one side per class, in class order: (class, count). Only the list's
/// counted entries are read, never more than its capacity.
std::vector<std::pair<int, int>> DestroyedCounts(const GameState& state, int side);

/// The units of the headquarters' fleet summary: the active ones among slots 1..42 (up to the
/// ship count), in slot order. The summary lays them out 21 to a column.
constexpr int SummaryColumnRows = 21;
constexpr int SummaryMaxSlots = 42;
std::vector<int> HqSummaryUnits(const GameState& state);

/// The headquarters' mission line: the escorted ships arrived for a convoy mission, the enemy
/// units still active for a hunt of every enemy unit; empty for other goals.
std::string HqMissionLine(const GameState& state);

} // namespace olvane
