#pragma once

namespace olvane
{

struct Game;
class GameState;

/// What a rule hands to the computer opponent: a move or a shot changes the situation its groups
/// react to. The opponent of real play lives in ai/; rule tests may plug in one that only records.
class Opponent
{
public:
    virtual ~Opponent() = default;

    /// A computer unit has just moved early in a conquest mission: on the major port of its own
    /// zone it may stay as the port's guard.
    virtual void GuardPortEarly(Game& game, int unit) = 0;

    /// Every active member of each computer group patrolling the zone gets a new order.
    virtual void OrderGroupsOfZone(GameState& state, int zone, int order) = 0;

    /// The group's last member was lost: the group starts afresh.
    virtual void ResetGroup(GameState& state, int group) = 0;
};

/// What a player's move hands back to the turn cycle, which lives in turn/: the next unit to
/// act, or the end of the mission.
class TurnCycle
{
public:
    virtual ~TurnCycle() = default;

    /// After a unit has acted: choose the player's next unit that has not acted yet, or end the
    /// player phase.
    virtual void SelectNextUnit(Game& game) = 0;

    /// The game is over: the end of the mission and the end-of-game window.
    virtual void RunEndOfGame(Game& game) = 0;
};

/// The opponent and the turn cycle a Game hands its rules' consequences to. Real play takes
/// PlayHooks() of turn/turn_hooks.h.
struct GameHooks
{
    Opponent& opponent;
    TurnCycle& turns;
};

} // namespace olvane
