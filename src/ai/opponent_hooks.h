#pragma once

#include "state/game_hooks.h"

namespace olvane
{

/// The computer opponent of real play, as the rules reach it through Game::opponent.
class ComputerOpponent final : public Opponent
{
public:
    /// A computer unit that has just moved onto the major port of its own zone early in a
    /// conquest mission stays there as the port's guard, and the groups of that zone regroup
    /// around it. MoveUnit hands every such move of the computer here.
    void GuardPortEarly(Game& game, int unit) override;

    /// Every active member of each computer group patrolling the zone gets a new order; the
    /// port captures steer the computer's groups through it.
    void OrderGroupsOfZone(GameState& state, int zone, int order) override;

    /// A group whose last member was lost starts afresh: no sector, no zone, no members, no
    /// phases counted. The group keeps its number and its previous zone.
    void ResetGroup(GameState& state, int group) override;
};

/// The one computer opponent every game in play hands its moves to; it keeps no state of its own.
ComputerOpponent& TheComputerOpponent();

} // namespace olvane
