#pragma once

#include <utility>

namespace olvane
{

struct Game;

/// Builds both sides' forces for a new mission: clears the grids, loads the map, creates the
/// forces of the forces file, forms the computer's groups and moves units to their start
/// positions; last it names the scenario's two ships. Only in the three game modes.
void StartScenarioForces(Game& game);

/// Puts the first player ship of each marked class on its mark, one column further right when
/// the mark is taken. A mark with no ship left for it, or no room, is skipped.
void PlaceMarkedShips(Game& game);

/// Spreads the computer's groups of the scenario's dispersal classes over the open-sea zones,
/// a quota per zone, each ship on a random free sea field around the zone's centre.
void DisperseGroups(Game& game);

/// Sends a computer group to guard each of the computer's ports (its major ports in conquest
/// and defence missions). A port for which no group qualifies gets none.
void SendPortGroups(Game& game);

/// Puts both sides' aircraft on land next to their side's ports: the first ones at different
/// ports, later ones sharing.
void PlaceStartAircraft(Game& game);

/// Puts aircraft u, the k-th of its side, on a free land field near a port of its side. An
/// aircraft whose side has no such field stays off the map, waiting for deployment.
void PlaceAtPort(Game& game, int unit, int k);

/// A random free land field within r fields of (x, y), nearer fields more likely; (0, 0) when
/// there is none.
std::pair<int, int> FindFreeLandCell(Game& game, int x, int y, int r);

/// Gives the scenario's named ships their names.
void NameScenarioShips(Game& game);

} // namespace olvane
