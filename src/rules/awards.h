#pragma once

#include <cstdint>

namespace olvane
{

struct Game;

// What happened, as AddScore is told about it.
constexpr int AwardMajorPortTaken = 10;
constexpr int AwardPortTaken = 20;
constexpr int AwardEnemyDestroyed = 30;
constexpr int AwardUnitLost = 40;
constexpr int AwardConvoyArrived = 50;
constexpr int AwardMissionEnd = 100;

/// The player's goal type from the scenario (1..5; 0 in a death match without goal).
int GoalType(const Game& game);

/// Changes the player's production points and mission score for one event concerning a unit of
/// class classNumber (0 when none), then rewrites the "PP:" and "BOD:" counters. Unknown events
/// change nothing but still refresh the counters.
void AddScore(Game& game, int event, int classNumber);

} // namespace olvane
