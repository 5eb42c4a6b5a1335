#include "state/settings.h"

#include "state/data_files.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <system_error>

namespace olvane
{

namespace
{

namespace fs = std::filesystem;

// A file full of damage would otherwise print thousands of lines before the menu opens.
constexpr std::size_t MaxProblems = 20;
constexpr std::size_t MaxAddressLength = 254;

constexpr std::string_view KeySeaVariation = "sea_variation";
constexpr std::string_view KeyLandVariation = "land_variation";
constexpr std::string_view KeyLandPictures = "land_pictures";
constexpr std::string_view KeySound = "sound";
constexpr std::string_view KeyEnemySpeed = "enemy_phase_speed";
constexpr std::string_view KeyFullScreen = "full_screen";
constexpr std::string_view KeySubmissionAddress = "submission_address";

constexpr std::array<std::string_view, LandSetCount> LandSetNames = {
    "default", "snow", "rocks", "tropical-forest", "deciduous-forest", "steppe", "stones"};
constexpr std::string_view ScenarioLandSetName = "scenario";
constexpr std::array<std::string_view, 4> SpeedNames = {"normal", "fast", "faster", "instant"};

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
    {
        if (c >= 'A' && c <= 'Z')
        {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
    {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back()))
    {
        text.remove_suffix(1);
    }
    return text;
}

bool ValidKey(std::string_view key)
{
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-' || c == '.';
    });
}

bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

std::optional<bool> ParseSwitch(std::string_view value)
{
    const std::string v = Lower(value);
    if (v == "on" || v == "yes" || v == "true" || v == "1")
    {
        return true;
    }
    if (v == "off" || v == "no" || v == "false" || v == "0")
    {
        return false;
    }
    return std::nullopt;
}

std::optional<int> ParseLandSet(std::string_view value)
{
    const std::string v = Lower(value);
    if (v == ScenarioLandSetName)
    {
        return ScenarioLandSet;
    }
    for (int set = 0; set < LandSetCount; ++set)
    {
        if (v == LandSetNames[static_cast<std::size_t>(set)] || v == std::to_string(set))
        {
            return set;
        }
    }
    return std::nullopt;
}

std::optional<EnemyPhaseSpeed> ParseSpeed(std::string_view value)
{
    const std::string v = Lower(value);
    for (std::size_t i = 0; i < SpeedNames.size(); ++i)
    {
        if (v == SpeedNames[i])
        {
            return static_cast<EnemyPhaseSpeed>(i);
        }
    }
    return std::nullopt;
}

std::string_view SwitchName(bool on)
{
    return on ? "on" : "off";
}

std::string_view SpeedName(EnemyPhaseSpeed speed)
{
    switch (speed)
    {
        case EnemyPhaseSpeed::Normal:
            return SpeedNames[0];
        case EnemyPhaseSpeed::Fast:
            return SpeedNames[1];
        case EnemyPhaseSpeed::Faster:
            return SpeedNames[2];
        case EnemyPhaseSpeed::Instant:
            return SpeedNames[3];
    }
    return SpeedNames[0];
}

std::string_view LandSetName(int set)
{
    return set >= 0 && set < LandSetCount ? LandSetNames[static_cast<std::size_t>(set)] : ScenarioLandSetName;
}

/// Collects the problem lines, stopping at a sensible number.
class Problems
{
public:
    explicit Problems(std::vector<std::string>& out) : out_(out) {}

    void Add(std::size_t line, const std::string& text)
    {
        ++count_;
        if (count_ <= MaxProblems)
        {
            out_.push_back("line " + std::to_string(line) + ": " + text);
        }
    }

    ~Problems()
    {
        if (count_ > MaxProblems)
        {
            out_.push_back("and " + std::to_string(count_ - MaxProblems) +
                           " more lines that could not be read");
        }
    }

    Problems(const Problems&) = delete;
    Problems& operator=(const Problems&) = delete;

private:
    std::vector<std::string>& out_;
    std::size_t count_ = 0;
};

/// Sets one known key; false when the key is not one of ours.
bool ApplyKnown(Settings& s, const std::string& key, std::string_view value, std::size_t line,
                Problems& problems)
{
    // A damaged file may hold a very long value: the message shows its start.
    const auto quoted = [&value] {
        return "\"" + std::string(value.substr(0, 40)) + (value.size() > 40 ? "...\"" : "\"");
    };
    const auto setSwitch = [&](bool& field) {
        if (const auto on = ParseSwitch(value))
        {
            field = *on;
        }
        else
        {
            problems.Add(line, key + " = " + quoted() + " is not on or off; it stays " +
                                   std::string(SwitchName(field)));
        }
    };
    if (key == KeySeaVariation)
    {
        setSwitch(s.seaVariation);
    }
    else if (key == KeyLandVariation)
    {
        setSwitch(s.landVariation);
    }
    else if (key == KeySound)
    {
        setSwitch(s.soundOn);
    }
    else if (key == KeyFullScreen)
    {
        setSwitch(s.fullScreen);
    }
    else if (key == KeyLandPictures)
    {
        if (const auto set = ParseLandSet(value))
        {
            s.landSet = *set;
        }
        else
        {
            problems.Add(line, key + " = " + quoted() + " is no land picture set; it stays " +
                                   std::string(LandSetName(s.landSet)));
        }
    }
    else if (key == KeyEnemySpeed)
    {
        if (const auto speed = ParseSpeed(value))
        {
            s.enemyPhaseSpeed = *speed;
        }
        else
        {
            problems.Add(line, key + " = " + quoted() + " is not normal, fast, faster or instant; it stays " +
                                   std::string(SpeedName(s.enemyPhaseSpeed)));
        }
    }
    else if (key == KeySubmissionAddress)
    {
        if (value.empty() || ValidSubmissionAddress(value))
        {
            s.submissionAddress = std::string(value);
        }
        else
        {
            problems.Add(line, key + " = " + quoted() + " is no mail address; it stays empty");
            s.submissionAddress.clear();
        }
    }
    else
    {
        return false;
    }
    return true;
}

} // namespace

Settings ParseSettings(std::string_view text, std::vector<std::string>& problemLines)
{
    Settings s;
    Problems problems(problemLines);
    std::size_t lineNumber = 0;
    while (!text.empty())
    {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
        {
            line.remove_suffix(1);
        }
        line = Trim(line);
        if (line.empty() || line.front() == '#' || line.front() == ';' || line.front() == '[')
        {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
        {
            problems.Add(lineNumber, "no \"key = value\"; skipped");
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (!ValidKey(key))
        {
            problems.Add(lineNumber, "no key before \"=\" (letters, digits, _ - . only); skipped");
            continue;
        }
        if (HasControlCharacter(value))
        {
            problems.Add(lineNumber, std::string(key) + " holds control characters; skipped");
            continue;
        }
        if (ApplyKnown(s, Lower(key), value, lineNumber, problems))
        {
            continue;
        }
        s.unknown.emplace_back(std::string(key), std::string(value));
    }
    return s;
}

std::string FormatSettings(const Settings& s)
{
    std::string out = "# Olvane's settings. The game rewrites this file whenever a choice changes.\n";
    const auto put = [&out](std::string_view key, std::string_view value) {
        out += std::string(key) + " = " + std::string(value) + "\n";
    };
    put(KeySeaVariation, SwitchName(s.seaVariation));
    put(KeyLandVariation, SwitchName(s.landVariation));
    put(KeyLandPictures, LandSetName(s.landSet));
    put(KeySound, SwitchName(s.soundOn));
    put(KeyEnemySpeed, SpeedName(s.enemyPhaseSpeed));
    put(KeyFullScreen, SwitchName(s.fullScreen));
    put(KeySubmissionAddress, s.submissionAddress);
    for (const auto& [key, value] : s.unknown)
    {
        put(key, value);
    }
    return out;
}

std::string LandSuffixFor(int landSet, std::string_view scenarioSuffix)
{
    if (landSet >= 1 && landSet < LandSetCount)
    {
        return std::to_string(landSet);
    }
    return landSet == 0 ? std::string() : std::string(scenarioSuffix);
}

bool ValidSubmissionAddress(std::string_view address)
{
    const std::size_t at = address.find('@');
    return !address.empty() && address.size() <= MaxAddressLength && address.front() != '-' && at != 0 &&
           at != std::string_view::npos && at + 1 < address.size() &&
           address.find('@', at + 1) == std::string_view::npos && !HasControlCharacter(address) &&
           address.find_first_of(" \t") == std::string_view::npos;
}

int EnemyPhaseDivisor(EnemyPhaseSpeed speed)
{
    switch (speed)
    {
        case EnemyPhaseSpeed::Normal:
            return 1;
        case EnemyPhaseSpeed::Fast:
            return 2;
        case EnemyPhaseSpeed::Faster:
            return 4;
        case EnemyPhaseSpeed::Instant:
            return 0;
    }
    return 1;
}

int EnemyPhasePause(int milliseconds, EnemyPhaseSpeed speed)
{
    const int divisor = EnemyPhaseDivisor(speed);
    return divisor == 0 ? 0 : milliseconds / divisor;
}

fs::path DefaultSettingsPath()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && fs::path(xdg).is_absolute())
    {
        return fs::path(xdg) / "olvane" / "settings.ini";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && fs::path(home).is_absolute())
    {
        return fs::path(home) / ".config" / "olvane" / "settings.ini";
    }
    return fs::current_path() / ".olvane" / "settings.ini";
}

Settings ReadSettingsFile(const fs::path& path, std::vector<std::string>& problems)
{
    std::error_code error;
    if (!fs::exists(path, error))
    {
        return Settings{};
    }
    const std::optional<std::string> text = ReadWholeFile(path, MaxSettingsBytes);
    if (!text)
    {
        problems.push_back("cannot be read, or is larger than " + std::to_string(MaxSettingsBytes / 1024) +
                           " KiB; the defaults apply");
        return Settings{};
    }
    return ParseSettings(*text, problems);
}

bool WriteSettingsFile(const fs::path& path, const Settings& settings)
{
    std::error_code error;
    if (path.has_parent_path())
    {
        fs::create_directories(path.parent_path(), error);
    }
    return WriteFileAtomically(path, FormatSettings(settings));
}

} // namespace olvane
