#pragma once

#include "support/place_unit.h"
#include "support/test_game.h"

#include <algorithm>
#include <string>

namespace olvane::test
{

// The first two units of each side, and a land field (a coast code) for the rule tests.
constexpr int P1 = PlayerBaseId + 1;
constexpr int P2 = PlayerBaseId + 2;
constexpr int E1 = EnemyBaseId + 1;
constexpr int E2 = EnemyBaseId + 2;
constexpr std::uint16_t Land = 40705;

/// Puts a unit of a class on the map with its class values (see place_unit.h).
inline UnitRec& PlaceUnit(TestGame& game, int id, int cls, int x, int y, int x2 = 0, int y2 = 0)
{
    return PlaceUnit(*game, id, cls, x, y, x2, y2);
}

/// A second player ship that has not acted yet, far off in the corner of the map: with it the
/// player phase stays open after the unit under test has moved, as in a game with a fleet.
inline void KeepPlayerPhaseOpen(TestGame& game)
{
    const GameState& s = game.state();
    const int x = std::clamp(s.MapWidth, 1, MapSize);
    const int y = std::clamp(s.MapHeight, 1, MapSize);
    PlaceUnit(game, PlayerBaseId + 90, 43, x, y);
}

} // namespace olvane::test
