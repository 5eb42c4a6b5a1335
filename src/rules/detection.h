#pragma once

#include <array>
#include <cstdint>

namespace olvane
{

struct Game;

constexpr int RadarMaskCount = 6;
constexpr int RadarMaskReach = 3; ///< a mask covers offsets -3..3 each way

/// [range][column offset + 3][row offset + 3]: 1 where a unit of that Range sees.
using RadarMaskTable = std::array<std::array<std::array<std::uint8_t, 7>, 7>, RadarMaskCount>;

/// The six scan patterns, from the five cells of Range 0 to the 37 of Range 5.
const RadarMaskTable& RadarMasks();

/// True when a unit with this Range covers the cell at (dx, dy) from itself. A Range raised past
/// the largest pattern by technology scans with the largest pattern.
bool RadarCovers(int range, int dx, int dy);

/// The unit turns its radar on and collects the opposing units it meets, or (on = false) a player
/// unit takes back the tint of what its radar covered.
void RadarScan(Game& game, int unit, bool on);

/// Applies the detection rules to the unit found in a scanned cell and lists it once, by its main
/// number. A scan that meets more opposing units than the list holds ignores the rest.
void AddContact(Game& game, int cellUnit, int side, int scanner);

/// Rewrites the coverage digit of a scanned cell (of the unit standing there, if any).
void MarkCoverage(Game& game, int x, int y, int cellValue, int scanner);

/// Removes the coverage and reach digits of a cell.
void ClearCoverage(Game& game, int x, int y, int cellValue);

/// What follows a scan that found something: the player's unit reveals its contacts and waits for
/// fire targets; a computer unit fires at its contacts, best first, and remembers them.
void ProcessContacts(Game& game, int unit);

/// Shows a hidden enemy unit and reports it as a new contact.
void RevealContact(Game& game, int unit);

/// End of the player phase: the enemy ships found this turn vanish again, each leaving a
/// last-seen marker where it was; aircraft and shore installations stay in sight.
void HideEnemyContacts(Game& game);

/// The cell code a hidden enemy ship leaves under itself: its last-seen marker, recorded in
/// MapObjects. Ports keep their own code, and once all 29 markers are used the code is unchanged.
std::uint16_t LastSeenCode(Game& game, int unit);

/// Puts back the cell codes that last turn's markers replaced and empties the marker list.
void ClearLastSeenMarks(Game& game);

} // namespace olvane
