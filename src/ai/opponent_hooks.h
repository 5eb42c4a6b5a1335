#pragma once

namespace olvane
{

struct Game;
class GameState;

/// A group whose last member was lost starts afresh: no sector, no zone, no members, no phases
/// counted. The group keeps its number and its previous zone.
void ResetGroup(GameState& state, int group);

/// A computer unit that has just moved onto the major port of its own zone early in a conquest
/// mission stays there as the port's guard, and the groups of that zone regroup around it.
/// A rule of the computer opponent that MoveUnit applies after each of its moves.
void GuardPortEarly(Game& game, int unit);

/// Every active member of each computer group patrolling the zone gets a new order; the
/// port captures steer the computer's groups through it.
void OrderGroupsOfZone(GameState& state, int zone, int order);

} // namespace olvane
