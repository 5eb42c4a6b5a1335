#pragma once

#include "state/game.h"

#include <array>
#include <string_view>

namespace olvane
{

/// One line of a side's starting forces: a number of ships of one class, then a number of
/// another; the computer sails each line as one group.
struct ForceGroup
{
    int ClassA = 0;
    int CountA = 0;
    int ClassB = 0;
    int CountB = 0;

    bool operator==(const ForceGroup&) const = default;
};

constexpr int ForceGroupCount = 20;

/// A side's starting forces as the forces file lists them; all zero when the file holds none.
struct ForceTable
{
    bool Found = false;
    std::array<ForceGroup, ForceGroupCount> Groups{};

    bool operator==(const ForceTable&) const = default;
};

/// The forces filed under `key` in the forces file's text: the line after the first line
/// whose first number is the key holds an unused number and then the 20 groups. Values
/// the text does not hold are 0.
ForceTable ReadForces(std::string_view text, int key);

/// The forces file, relative to the game folder.
constexpr std::string_view ForcesFile = "BAZE/TAKT.TXT";

/// Creates a side's starting forces from the forces file: the player's under the scenario's
/// id, the computer's under id + 1. Units take the side's slots from 1 upward, each group's
/// units carry its number, and every computer group that lists a class counts as one of the
/// computer's groups. A list longer than the side's 100 slots ends at the last slot; classes
/// that do not exist are left out.
void PlaceSideForces(Game& game, int scenarioId, int side);

/// Gives each of the computer's ports its shore defences: v div 100 installations, one more
/// with a chance of (v mod 100 + 1) in 101, each of one of the first n kinds of port gun or
/// radar, on a free sea cell within 3 cells of the port.
void PlaceEnemyPortDefences(Game& game, int v, int n);

/// Sets up shore installation u of class c on (x, y), ready to fire.
void PlaceInstallation(Game& game, int u, int c, int x, int y);

} // namespace olvane
