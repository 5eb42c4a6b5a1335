#pragma once

#include "state/data_files.h"
#include "state/game.h"
#include "state/records.h"

#include <string>
#include <vector>

namespace olvane
{

/// The scenario database of an edition, relative to the game folder:
/// "BAZE/SCEN/SCENARIO2.FLS" for edition 2.
std::string ScenarioFileOf(int edition);

/// Every whole record of an edition's scenario database, in file order; empty when the file
/// cannot be read. A damaged tail shorter than a record is left out.
std::vector<ScenarioRec> ReadScenarioDatabase(const DataFiles& files, int edition);

/// Loads scenario slot `slot` (1 = the first record) of the current edition into
/// CurrentScenario and both sides' SideStats, then eases or stiffens the player's goal for
/// the chosen rank. A missing file or a slot the file does not hold is reported to the player
/// and changes nothing; returns false then.
bool LoadScenario(Game& game, int slot);

/// The slot of the first record of the current edition whose ScenarioId is `id`, as the
/// record states it; 0 when no record matches or the file cannot be read.
int SlotOfScenarioId(Game& game, int id);

/// The rank's change to the player's goal: a cadet gets more turns and laxer thresholds, an
/// admiral fewer.
void AdjustGoalForRank(SideStatsRec& goal, int rank);

} // namespace olvane
