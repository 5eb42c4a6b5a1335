#pragma once

#include "state/class_table.h"
#include "state/game_state.h"

#include <array>
#include <string>

namespace olvane
{

// The texts that the briefing, the selection summary, the message window and olvane-tool show
// of a mission: built here once, from the state alone, so every window says the same.

/// The objective of a side (SidePlayer or SideEnemy) by its goal type 1..6; empty for any other.
std::string ObjectiveText(const GameState& state, const ClassTable& classes, int side);

/// True when the enemy side has a goal of its own: the briefing then shows two objectives.
bool HasSecondObjective(const GameState& state);

/// The two restriction lines of the current scenario: its purchase restriction 0..4, or the free
/// hunt line whatever the restriction when the title names a free hunt.
std::array<std::string, 2> RestrictionLines(const ScenarioRec& scenario);

/// The time left to a turn limit or threshold: "N TURNS", "LAST TURN" on the turn itself, "-"
/// once it has passed.
std::string RemainingTime(int limit, int turn);

/// "N. TURN", and "1. TURN" before the first turn.
std::string TurnLabel(int turn);

/// The three threshold labels of the briefing (major victory, victory, minor victory), each
/// with the unit word of the player's goal type.
std::array<std::string, 3> ThresholdLabels(const GameState& state);

/// What the message window shows for a code: the title line LB1, the lines LB2, LB3, LB4 and
/// lb5 (empty where the code leaves a line empty), the objective text lb0 with whether it and
/// SAVE GAME are shown. Codes the window does not know show "INFORMATION" alone.
struct MessageLines
{
    std::string title;
    std::array<std::string, 4> lines;
    std::string objective;
    bool objectiveShown = false;
    bool saveShown = false;
};

MessageLines MessageTexts(const GameState& state, const ClassTable& classes, int code);

/// The about text's lines (code 53): our own title with the edition's version, the web-address
/// line, the updates line and our rights line.
constexpr std::string_view AboutTitle = "OLVANE";
constexpr std::string_view AboutWebLine = "olvane.example.org";
constexpr std::string_view AboutUpdatesLine = "Check for new updates and missions";
constexpr std::string_view AboutRightsLine = "(c) 2026 the Olvane developers";

} // namespace olvane
