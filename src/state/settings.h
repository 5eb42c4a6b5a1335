#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace olvane
{

/// How fast the computer's turn plays: its pauses are divided by 2 or 4, or skipped.
enum class EnemyPhaseSpeed
{
    Normal,
    Fast,
    Faster,
    Instant,
};

/// The land picture set that follows the scenario (the options window's last choice).
constexpr int ScenarioLandSet = -1;
/// The land picture sets a player may choose besides the scenario's own: 0 the default sheet,
/// 1..6 snow, rocks, tropical forest, deciduous forest, steppe and stones.
constexpr int LandSetCount = 7;

/// The player's choices that outlive the program, as read from and written to settings.ini.
struct Settings
{
    bool seaVariation = true;
    bool landVariation = true;
    /// ScenarioLandSet, or a set 0..6.
    int landSet = ScenarioLandSet;
    /// The headquarters' master sound switch.
    bool soundOn = true;
    EnemyPhaseSpeed enemyPhaseSpeed = EnemyPhaseSpeed::Normal;
    bool fullScreen = true;
    /// Where score submissions are mailed; empty until the player names one.
    std::string submissionAddress;
    /// Keys this version does not know, with their values, in file order: written back unchanged
    /// so a newer version's choices survive a run of this one.
    std::vector<std::pair<std::string, std::string>> unknown;

    bool operator==(const Settings&) const = default;
};

/// The most a settings file may hold; anything bigger is not ours and is read as defaults.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;

/// Reads the text of settings.ini. A value that cannot be read keeps its default and a line that
/// is no "key = value" is skipped; each adds one line to `problems`. Nothing here can fail.
Settings ParseSettings(std::string_view text, std::vector<std::string>& problems);

/// The text of settings.ini: every known key, then the unknown ones as they were read.
std::string FormatSettings(const Settings& settings);

/// The land set suffix the map draws with: the scenario's own suffix for ScenarioLandSet, else
/// "" for set 0 and "1".."6".
std::string LandSuffixFor(int landSet, std::string_view scenarioSuffix);

/// Whether an address may be handed to the mail program: one '@' inside, no blanks or control
/// characters, no leading '-' that a program would take for an option, at most 254 characters.
bool ValidSubmissionAddress(std::string_view address);

/// The divisor of the enemy phase's pauses: 1, 2 or 4; 0 for no pause at all.
int EnemyPhaseDivisor(EnemyPhaseSpeed speed);

/// A pause of the enemy's turn at the chosen speed.
int EnemyPhasePause(int milliseconds, EnemyPhaseSpeed speed);

/// $XDG_CONFIG_HOME/olvane/settings.ini, else ~/.config/olvane/settings.ini; a relative
/// XDG_CONFIG_HOME is ignored.
std::filesystem::path DefaultSettingsPath();

/// Reads the settings file. A missing file gives the defaults silently; one that cannot be read
/// or is too big gives the defaults with one problem line.
Settings ReadSettingsFile(const std::filesystem::path& path, std::vector<std::string>& problems);

/// Writes the settings file through a temporary name, creating its folder; false on failure,
/// leaving the earlier file as it was.
bool WriteSettingsFile(const std::filesystem::path& path, const Settings& settings);

} // namespace olvane
