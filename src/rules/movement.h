// The rules: all that a move or a shot sets off, for the player and the computer alike: movement,
// detection, combat, ports changing hands, the mission's outcome, production points and score.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace olvane
{

struct Game;
class GameState;

/// How far a move reaches at most: the reach table and a path cover 10 fields each way.
constexpr int ReachRadius = 10;
constexpr int MaxPathSteps = 10;

// Headings and step directions share one code: 0 east, then clockwise to 7 north-east.
constexpr int DirectionDx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int DirectionDy[8] = {0, 1, 1, 1, 0, -1, -1, -1};

/// The direction code of a step by (dx, dy), each -1..1 and not both 0.
int DirectionOf(int dx, int dy);

/// Scrolls the view so that the unit stands in it, centred, unless it already stands strictly
/// inside; nothing while the main window is inactive or once the game is over. The view's
/// origin is part of the game state (a save keeps it); the presenter is told to show it.
void CentreView(Game& game, int unit);

/// The fields a unit can reach this move, centred on the unit.
class ReachTable
{
public:
    ReachTable() = default;

    ReachTable(int centreX, int centreY) : centreX_(centreX), centreY_(centreY) {}

    bool Has(int x, int y) const;
    void Set(int x, int y);

private:
    int centreX_ = 0;
    int centreY_ = 0;
    std::array<std::array<std::uint8_t, 2 * ReachRadius + 1>, 2 * ReachRadius + 1> cells_{};
};

/// Compute: the fields a unit can really enter. Display: what the player is shown, marked on
/// the map; hidden enemies do not shrink it, and coast corners cut it exactly as they cut the move.
enum class ReachMode
{
    Compute,
    Display,
};

struct PathStep
{
    int x;
    int y;
    int direction;
};

/// Step 0 is the start field; an empty path means the destination cannot be reached.
using Path = std::vector<PathStep>;

/// The unit carries out its order: it sails to its destination (clamped to what it can reach),
/// turns its radar on, takes a port, and hands over to the next unit or the end of the game.
void MoveUnit(Game& game, int unit);

/// Breadth-first over the unit's Speed. Compute mode fills the returned table; display mode marks
/// the reached fields on the map (and returns them too).
ReachTable ComputeReachable(Game& game, int unit, ReachMode mode);

/// Moves an unreachable destination to the nearest reachable field the spacing rule allows, or
/// to (0, 0) when there is none.
void ClampDestination(Game& game, int unit);

/// The same, with the unit's reach already computed (Compute mode, where it stands now).
void ClampDestination(Game& game, int unit, const ReachTable& reach);

/// A shortest path over reachable fields, orthogonal steps tried before diagonal ones at every
/// level. Compute mode follows the reach table; display mode the move-range marks of the map.
Path FindPath(const Game& game, const ReachTable& reach, int startX, int startY, int destX, int destY,
              int levels, ReachMode mode);

/// Moves one unit record one field: heading, the covered code written back and taken anew,
/// both fields redrawn. The second cell of a ship is moved with second = true.
void StepUnit(Game& game, int unit, int oldX, int oldY, bool second, int direction, int newY, int newX);

/// Computer ships keep a field of sea between them so their groups do not bunch up; escorts
/// (Corvettes and Frigates) and ships returning to port are exempt, and player units never
/// restricted.
bool SpacingAllows(const GameState& state, int unit, int x, int y);

/// Shows the fields the unit can reach this turn: the move-range mark on each.
void ShowReach(Game& game, int unit);

/// Takes the move-range marks around the unit off the map again.
void HideReach(Game& game, int unit);

} // namespace olvane
