#pragma once

namespace olvane
{

struct Game;

/// One shot: the attacker spends a point of Fire, the target loses a point of Armor and is
/// destroyed when none is left. A second-cell number hits its ship. Combat draws no chance.
/// Callers make sure the attacker has Fire left and the target is still afloat.
void FireShot(Game& game, int attacker, int target);

/// Notes on the target which kind of weapon hit it this turn.
void RecordAttack(Game& game, int attacker, int target);

/// The two lines of the message list about a player unit under attack by the computer.
void ReportAttack(Game& game, int attacker, int target);

/// Takes a unit whose Armor ran out off the map, with its award, its report and its place in
/// the list of units lost.
void DestroyUnit(Game& game, int unit);

/// Takes one unit record off its cell: hidden, the covered code back in the map, inactive and
/// off the board. The second cell of a large ship is a record of its own.
void RemoveFromMap(Game& game, int unit);

/// Whether the attacker may fire at the unit in that cell: its radar pattern covers the cell
/// and it can see what stands there.
bool CanTarget(const Game& game, int attacker, int target);

/// Sorts the contact list into the computer's firing order: the largest class first, and in a
/// convoy mission the convoy's class before everything.
void OrderTargets(Game& game);

/// The computer remembers the player units its scan found and that are still afloat.
void RememberContacts(Game& game);

/// A port gun swings its turret one heading at a time towards the cell it fires at.
void TurnTurret(Game& game, int gun, int targetX, int targetY);

/// The player's click on a unit while a fire target is awaited: fires when the unit is a
/// visible enemy the shooter may target, and reports whether it did.
bool PlayerFireAt(Game& game, int shooter, int target);

} // namespace olvane
