// The computer opponent: how its groups pick sectors, zones, orders and targets in its phase,
// and where a scenario sets both sides' forces at the start; it plays through the rules.
#pragma once

#include <cstdint>

namespace olvane
{

struct Game;
class GameState;

// What a computer unit is doing, kept in its Order.
constexpr std::uint8_t OrderUnplanned = 0;
constexpr std::uint8_t OrderToSector = 1;
constexpr std::uint8_t OrderPatrol = 2;
constexpr std::uint8_t OrderToZone = 10;
constexpr std::uint8_t OrderRegroup = 11;
constexpr std::uint8_t OrderToPort = 12;
constexpr std::uint8_t OrderStand = 20;

/// A hit sets HitMark to this; any value past four patrol legs makes the group regroup.
constexpr std::uint8_t HitMarkHit = 100;
constexpr int PatrolLegsBeforeRegroup = 4;

/// A group that has spent this many phases in a port-free zone looks for a neighbouring one.
constexpr int PhasesBeforeZoneChange = 12;

// --- Set-up at mission start ------------------------------------------------------------------

/// Lays out the patrol sectors of every open-sea and port zone: horizontal and vertical lanes
/// every six fields, each lane's ends on the first sea fields and its quality by its length,
/// and six boxes in zones without a port.
void BuildZoneSectors(GameState& state);

/// Every computer unit but the shore installations joins its group, and each group starts in
/// the home zone of the computer's nation. The groups are counted afresh.
void AssignInitialGroups(GameState& state);

/// The home zone (1..4) whose key is the computer's principal nation; 0 when the map has none.
int EnemyHomeZone(const GameState& state);

// --- Sectors ------------------------------------------------------------------------------------

/// Gives the group a free sector of its zone that takes all its members, at random, with each
/// member's formation position; when none is free every member stands (Order 20).
void AssignSector(Game& game, int group);

/// Sends every member towards the farther end of its lane in the group's sector.
void GoToSector(GameState& state, int group);

/// A unit on its way that has reached its lane (box: its corner) starts patrolling.
void CheckArrival(GameState& state, int unit);

/// A patrolling unit that reached one end of its lane turns towards the other and counts a leg.
void Patrol(GameState& state, int unit);

// --- Zones -----------------------------------------------------------------------------------------

/// Whether the unit's group should move on to a neighbouring zone now (and one can take it).
bool WantsZoneChange(Game& game, int unit);

/// The unit's group takes a neighbouring zone at random among those that can take it.
void ChangeZone(Game& game, int unit);

/// Every active member sails for the centre of the group's zone.
void SendGroupToZone(GameState& state, int group);

/// At the scenario's attack interval the computer sends a group against one of the player's
/// unguarded major ports.
void AttackPort(Game& game);

/// The group of a port-free zone next to zone z whose last member lies nearest to z, within
/// 24 fields; 0 when there is none.
int FindAttackGroup(const GameState& state, int zone);

// --- Attacks ---------------------------------------------------------------------------------------

/// Picks a sea field at half or all of the aircraft's Speed along a row, column or diagonal
/// as its strike field (PlacedX, PlacedY). An aircraft with no such field strikes where it is.
void AirStrikeTarget(Game& game, int unit);

/// Computer units that can reach a sighted player unit attack it: aircraft first, then
/// submarines and surface ships, then the rest, until it is sunk.
void ReactToKnownEnemy(Game& game, int target);

/// True when the field lies within the unit's Speed plus Range (rounded distance).
bool CanReach(const GameState& state, int unit, int x, int y);

/// A free field around the target from which the unit attacks, larger ships from farther out;
/// the last one of the unit's rings within its Speed. False when there is none.
bool AttackField(const GameState& state, int unit, int target, int& x, int& y);

// --- The phase ---------------------------------------------------------------------------------------

/// The computer's whole phase: shore installations and standing units scan and fire, the others
/// attack known enemies, patrol, regroup or change zones, then the port raids, the fire refill and
/// the group clocks.
void EnemyPhase(Game& game);

} // namespace olvane
