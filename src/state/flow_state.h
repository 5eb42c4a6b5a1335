#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace olvane
{

/// The flags and small values the game's windows hand one another between a game's screens: the
/// menu, the briefing, the message window, the headquarters and the end of a game all read and
/// write them, and the core sees them too (the briefing's start, a load, the end of a game).
struct FlowState
{
    /// EXIT TO MENU and EXIT TO WINDOWS set it; a new game clears it.
    std::uint8_t Quit = 0;
    /// 1 while the curtain stands behind the start-up chain of windows.
    std::uint8_t Curtain = 0;
    /// 1 after a successful LOAD GAME until the briefing is left.
    std::uint8_t JustLoaded = 0;
    /// Set when the briefing starts a scenario for turn 0, so re-opening it starts nothing.
    std::uint8_t Started = 0;
    /// 1 when the score table is opened from the menu.
    std::uint8_t ScoreTableOrigin = 0;
    /// The code the message window turns into its lines, and the heading some codes show (the
    /// next campaign mission's name for code 55).
    std::uint8_t MessageCode = 0;
    std::string MessageHeading;
    /// Which window opened the purchase screen, and how the fleet overview was opened.
    std::uint8_t ProductionOrigin = 0;
    std::uint8_t FleetOverviewMode = 0;
    /// The mission picture drawn before the first turn, 1..10.
    std::uint8_t MissionPicture = 0;

    bool operator==(const FlowState&) const = default;
};

/// The game's editions; the game runs as edition 2, which picks the scenario file, the picture
/// folder BMP/MENI2 and the help folder help2.
constexpr int EditionCount = 3;
constexpr std::array<std::string_view, EditionCount> EditionVersions = {"Ver 1.60", "Ver 2.45", "Ver 2.50"};
constexpr std::array<std::uint8_t, EditionCount> EditionTechFlags = {1, 0, 1};

/// The technology center and its buttons exist in editions whose flag is set.
constexpr bool EditionHasTechnology(int edition)
{
    return edition >= 0 && edition < EditionCount && EditionTechFlags[static_cast<std::size_t>(edition)] != 0;
}

} // namespace olvane
