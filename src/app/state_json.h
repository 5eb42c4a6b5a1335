#pragma once

#include "state/class_table.h"
#include "state/game_state.h"

#include <functional>
#include <string>
#include <vector>

namespace olvane
{

class JsonWriter;

/// What the player was shown while the tool ran: message-box texts and message-window codes.
struct ShownToPlayer
{
    std::vector<std::string> errors;
    std::vector<int> messages;
};

/// The whole game state as one JSON object, keyed by the game's own names, for scenario
/// authors and testers to read and compare; under "Texts" the mission's texts exactly as the
/// briefing and the mission status show them.
/// `extra` writes further fields of a command's own into the object, after the state's.
std::string StateToJson(const GameState& state, const ClassTable& classes, const std::string& baseDir,
                        const ShownToPlayer& shown, const std::function<void(JsonWriter&)>& extra = {});

} // namespace olvane
