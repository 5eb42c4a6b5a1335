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

// The player's goal record in SideStats: goal type and the bytes the awards read.
constexpr int GoalTypeByte = 0;
constexpr int GoalBestByte = 1;
constexpr int GoalMiddleByte = 2;
constexpr int GoalLeastByte = 3;
constexpr int GoalClassByte = 5;
constexpr int GoalKillCountByte = 6;
constexpr int GoalPortByte = 7;
constexpr int GoalArrivedByte = 8;
constexpr int GoalLastTurnByte = 10;

constexpr std::uint8_t GoalConquerPorts = 1;
constexpr std::uint8_t GoalDefendPorts = 2;
constexpr std::uint8_t GoalSinkClass = 3;
constexpr std::uint8_t GoalConvoy = 4;
constexpr std::uint8_t GoalDestroyAll = 5;

/// The player's goal type from the scenario (1..5; 0 in a death match without goal).
int GoalType(const Game& game);

/// Changes the player's production points and mission score for one event concerning a unit of
/// class classNumber (0 when none), then rewrites the "PP:" and "BOD:" counters. Unknown events
/// change nothing but still refresh the counters.
void AddScore(Game& game, int event, int classNumber);

} // namespace olvane
