#pragma once

#include <string>
#include <vector>

namespace olvane
{

class GameState;

/// What must hold between any two moves, whoever made them: every unit on the map stands in a
/// cell holding its number and every number in the map belongs to an active unit standing
/// there; a large ship's second cell lies beside it; the ship counts cover every active slot;
/// each computer group counts exactly its ships afloat. Returns one line per fault found, empty
/// when the state is sound.
std::vector<std::string> CheckInvariants(const GameState& state);

} // namespace olvane
