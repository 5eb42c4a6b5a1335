#pragma once

namespace olvane
{

struct Game;

/// The selection screen's choice: takes scenario slot `slot` of the database as the game to play
/// in the current GameMode. A mission or death match takes its number, map, nations and starting
/// points; a campaign header starts its first step. False, with the state unchanged, when the
/// database has no such record.
bool ChooseScenario(Game& game, int slot);

/// The briefing's start of a new mission, shared by the screens and the tool: loads the scenario
/// record (a campaign step's record and carried points), builds both sides' forces where the
/// player has none on the map yet, gives the computer's ports their shore defences and applies
/// the scenario's technology grants with a full reset of the units concerned. False when the
/// scenario cannot be loaded.
bool StartScenario(Game& game);

/// Applies the scenario's technology grants of both sides: each entry sets the side's bonus for
/// a class category and attribute (1 armour, 2 fire, 3 speed, 4 radar range) and recomputes that
/// side's units of the category from their classes.
void ApplyTechGrants(Game& game);

} // namespace olvane
