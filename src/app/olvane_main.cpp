// The game: chooses the screen layout, creates the windows in their fixed order and runs the
// message loop until the main window closes. `--script FILE` drives the same loop from a file of
// input commands, for end-to-end tests and screenshots.

#include "app/program_info.h"
#include "flow/game_windows.h"
#include "flow/message_window.h"
#include "platform/application.h"
#include "platform/script.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "screen/game_entry.h"
#include "state/data_files.h"
#include "state/scenario.h"
#include "state/settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

namespace olvane
{
namespace
{

constexpr std::string_view Usage = R"(usage: olvane [OPTIONS]
  --base DIR        the game folder (holding BAZE, BMP, EFF); default: the installed or generated one
  --windowed        a window of the layout's size instead of the full screen
  --smooth          smooth scaling instead of whole pixels
  --desktop WxH     choose the screen layout as if the desktop had this size
  --script FILE     feed input commands from FILE into the game, then quit
  --speed FACTOR    multiply the game's pauses (0 skips them, 2 plays slower)
  --start SLOT      play the mission of scenario slot SLOT at once, without the menu
  --rank 1|2|3      the rank (difficulty) of --start; default 1
  --seed S          a fixed seed for the computer's choices
  --help            this text
  --version         the game's version
In the game: F11 or Alt+Enter switches between window and full screen.
)";

/// Program-wide defaults, set before anything else runs.
struct ProgramDefaults
{
    int edition = ProgramEdition;
    std::filesystem::path baseDir;
};

// Pauses stretched beyond a hundredfold are no use to anyone; slots beyond a thousand hold nothing.
constexpr double MaxSpeedFactor = 100.0;
constexpr std::int64_t MaxScenarioSlot = 1000;

struct Arguments
{
    platform::ApplicationOptions app;
    std::optional<std::filesystem::path> base;
    std::optional<std::filesystem::path> script;
    double speed = 1.0;
    std::optional<int> startSlot;
    int rank = 1;
    std::optional<std::uint32_t> seed;
};

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

std::optional<platform::Size> ParseSize(std::string_view text)
{
    std::size_t x = text.find('x');
    if (x == std::string_view::npos)
    {
        return std::nullopt;
    }
    platform::Size s;
    auto w = std::from_chars(text.data(), text.data() + x, s.width);
    auto h = std::from_chars(text.data() + x + 1, text.data() + text.size(), s.height);
    if (w.ec != std::errc() || h.ec != std::errc() || w.ptr != text.data() + x ||
        h.ptr != text.data() + text.size() || s.width <= 0 || s.height <= 0)
    {
        return std::nullopt;
    }
    return s;
}

/// A whole decimal number within [low, high]: no sign beyond a leading minus, no hex, no blanks.
std::optional<std::int64_t> ParseWhole(std::string_view text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < low || value > high)
    {
        return std::nullopt;
    }
    return value;
}

/// A factor written as plain decimals ("0", "1.5", ".5"): no exponent, infinity or NaN, which
/// would turn a pause into forever.
std::optional<double> ParseFactor(std::string_view text, double high)
{
    const bool plain = !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos &&
                       std::count(text.begin(), text.end(), '.') <= 1 && text != ".";
    if (!plain)
    {
        return std::nullopt;
    }
    const double value = std::strtod(std::string(text).c_str(), nullptr);
    if (!std::isfinite(value) || value > high)
    {
        return std::nullopt;
    }
    return value;
}

Arguments ParseArguments(int argc, char** argv)
{
    Arguments a;
    std::set<std::string_view> seen;
    for (int i = 1; i < argc; ++i)
    {
        std::string_view arg = argv[i];
        if (!seen.insert(arg).second)
        {
            throw UsageError(std::string(arg) + " is given twice");
        }
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc)
            {
                throw UsageError(std::string(arg) + " needs a value");
            }
            return argv[++i];
        };
        auto whole = [&](std::int64_t low, std::int64_t high) {
            const std::string_view text = value();
            const auto number = ParseWhole(text, low, high);
            if (!number)
            {
                throw UsageError(std::string(arg) + " takes a whole number from " + std::to_string(low) + " to " +
                                 std::to_string(high) + ", not " + std::string(text));
            }
            return *number;
        };
        if (arg == "--windowed")
        {
            a.app.windowed = true;
        }
        else if (arg == "--smooth")
        {
            a.app.smoothScaling = true;
        }
        else if (arg == "--base")
        {
            a.base = std::filesystem::path(value());
        }
        else if (arg == "--script")
        {
            a.script = std::filesystem::path(value());
        }
        else if (arg == "--speed")
        {
            const std::string_view text = value();
            const auto factor = ParseFactor(text, MaxSpeedFactor);
            if (!factor)
            {
                throw UsageError("--speed takes a factor from 0 to " + std::to_string(static_cast<int>(MaxSpeedFactor)) +
                                 " (such as 0, 0.5 or 2), not " + std::string(text));
            }
            a.speed = *factor;
        }
        else if (arg == "--start")
        {
            a.startSlot = static_cast<int>(whole(1, MaxScenarioSlot));
        }
        else if (arg == "--rank")
        {
            a.rank = static_cast<int>(whole(1, 3));
        }
        else if (arg == "--seed")
        {
            a.seed = static_cast<std::uint32_t>(whole(0, std::numeric_limits<std::uint32_t>::max()));
        }
        else if (arg == "--desktop")
        {
            std::string_view size = value();
            a.app.desktopSize = ParseSize(size);
            if (!a.app.desktopSize)
            {
                throw UsageError("--desktop needs WIDTHxHEIGHT, not " + std::string(size));
            }
        }
        else
        {
            throw UsageError("unknown argument " + std::string(arg));
        }
    }
    return a;
}

/// What keeps the named files from being used, or nothing when they can be: the game folder
/// must hold a scenario database, the script must be a readable file.
std::optional<std::string> CheckPaths(const Arguments& args, const std::filesystem::path& base, const DataFiles& files,
                                      int edition)
{
    std::error_code error;
    if (!std::filesystem::is_directory(base, error))
    {
        return "the game folder " + base.string() + " does not exist";
    }
    if (!files.Find(ScenarioFileOf(edition)))
    {
        return "the game folder " + base.string() + " holds no game (no " + ScenarioFileOf(edition) + ")";
    }
    if (args.script && !std::filesystem::is_regular_file(*args.script, error))
    {
        return "the script " + args.script->string() + " is not a file";
    }
    return std::nullopt;
}

/// --start plays one death match or mission: a slot the database lacks, or the header of a
/// campaign (which needs the menu's campaign chain), is refused before any window opens.
std::optional<std::string> CheckStartSlot(const DataFiles& files, int edition, int slot)
{
    const std::vector<ScenarioRec> records = ReadScenarioDatabase(files, edition);
    if (slot > static_cast<int>(records.size()))
    {
        return "there is no scenario in slot " + std::to_string(slot) + " (the game has " +
               std::to_string(records.size()) + ")";
    }
    if (records[static_cast<std::size_t>(slot - 1)].Kind == ModeCampaign)
    {
        return "slot " + std::to_string(slot) + " is a campaign; --start plays a death match or a mission";
    }
    return std::nullopt;
}

/// The game folder installed with this program or generated by its build; else the current folder.
std::filesystem::path DefaultBaseDir()
{
    if (std::optional<std::filesystem::path> found = FindGameFolder())
    {
        return *found;
    }
    std::error_code ec;
    return std::filesystem::current_path(ec);
}

int Run(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::string_view(argv[i]) == "--help")
        {
            std::cout << Usage;
            return 0;
        }
        if (std::string_view(argv[i]) == "--version")
        {
            std::cout << VersionLine("olvane") << "\n";
            return 0;
        }
    }
    Arguments args;
    try
    {
        args = ParseArguments(argc, argv);
    }
    catch (const UsageError& e)
    {
        std::cerr << "olvane: " << e.what() << "\n" << Usage;
        return 2;
    }

    ProgramDefaults defaults;
    defaults.baseDir = args.base.value_or(DefaultBaseDir());
    args.app.edition = defaults.edition;
    DataFiles files(defaults.baseDir, DataFiles::DefaultUserDir());
    std::optional<std::string> refused = CheckPaths(args, defaults.baseDir, files, defaults.edition);
    if (!refused && args.startSlot)
    {
        refused = CheckStartSlot(files, defaults.edition, *args.startSlot);
    }
    if (refused)
    {
        std::cerr << "olvane: " << *refused << "\n";
        return 2;
    }

    std::unique_ptr<platform::ScriptRunner> script;
    if (args.script)
    {
        std::ifstream in(*args.script);
        if (!in)
        {
            std::cerr << "olvane: cannot read the script " << args.script->string() << "\n";
            return 2;
        }
        std::stringstream source;
        source << in.rdbuf();
        std::string error;
        auto commands = platform::ParseScript(source.str(), error);
        if (!commands)
        {
            std::cerr << "olvane: " << args.script->string() << ", " << error << "\n";
            return 2;
        }
        script = std::make_unique<platform::ScriptRunner>(std::move(*commands), std::cerr);
        // A script runs in a window of the layout's size, so its pixels are the window's.
        args.app.windowed = true;
    }

    // The player's settings; a damaged file is named line by line and the game starts all the same.
    const std::filesystem::path settingsPath = DefaultSettingsPath();
    std::vector<std::string> settingsProblems;
    const Settings settings = ReadSettingsFile(settingsPath, settingsProblems);
    for (const std::string& problem : settingsProblems)
    {
        std::cerr << "olvane: " << settingsPath.string() << ", " << problem << "\n";
    }
    args.app.windowed = args.app.windowed || !settings.fullScreen;

    std::optional<platform::Application> app;
    try
    {
        app.emplace(args.app);
    }
    catch (const platform::PlatformError& e)
    {
        std::cerr << "olvane: " << e.what() << "\n"
                  << "There is no display to show the game on. Start it on a desktop, under a virtual\n"
                  << "display (xvfb-run -a ./play), or play headless with olvane-tool.\n";
        return 2;
    }

    app->SetSpeedFactor(args.speed);
    // A sound's pause keeps the pace the player chose for the enemy phase, once the windows exist.
    std::function<int(int)> pacePause = [](int ms) { return ms; };
    platform::MixerOutput mixer;
    platform::SoundEffects sounds([&files](std::string_view name) { return files.Find(name); }, mixer,
                                  [&app, &pacePause](int ms) { app->Delay(pacePause(ms)); });
    platform::InstallSoundEffects(&sounds);
    app->onButtonClick = [] { platform::PlaySoundEffect(253); };
    if (script)
    {
        app->AttachScript(std::move(script));
    }

    std::unique_ptr<SeedSource> seeds;
    if (args.seed)
    {
        seeds = std::make_unique<FixedSeedSource>(*args.seed);
    }
    else
    {
        seeds = std::make_unique<ClockSeedSource>();
    }
    Random random(*seeds);
    random.Reseed();
    SteadyClock clock;
    // The windows, created once in their fixed order; the menu is the main window and closing it
    // ends the program. Every message of the menu and of a game goes through the message window.
    GameWindows windows(random, files, clock, defaults.edition);
    windows.settings = settings;
    windows.settingsPath = settingsPath;
    windows.ApplySettings();
    // Scripted runs are tests and screenshots: they leave the player's saves alone.
    windows.GameData().autosave = !args.script;
    pacePause = [&windows](int ms) { return windows.mainWindow.PacedPause(ms); };
    const bool fullScreenAtStart = app->FullScreen();
    TF70_PORUKA message(windows.GameData(), files);
    message.openPage = [](const std::string& page) { platform::OpenPage(page); };
    message.onClosed = [&windows] {
        if (windows.mainWindow.visible)
        {
            windows.mainWindow.RedrawView();
        }
    };
    windows.onShowMessage = [&message](int code) { message.ShowCode(code); };
    windows.mainWindow.onShowMessage = [&message](int code) { message.ShowCode(code); };
    app->onForcedQuit = [&windows, &app] {
        if (windows.mainWindow.visible)
        {
            windows.mainWindow.ForcedQuit();
        }
        else
        {
            app->Terminate();
        }
    };
    if (args.startSlot)
    {
        // The shortcut past the menu: the main window is the program's window, and its messages
        // and the end of its mission are the real windows' all the same.
        windows.endProgramAfterGame = true;
        if (StartMissionFromSlot(windows.GameData(), *args.startSlot, args.rank))
        {
            windows.GameData().state.TurnNumber = 0;
            app->Run(windows.mainWindow);
        }
        else
        {
            app->Terminate(1);
        }
    }
    else
    {
        app->Run(windows.menu);
    }
    app->onForcedQuit = nullptr;
    // F11 and Alt+Enter switch the screen too: the player's last choice holds at the next start.
    if (app->FullScreen() != fullScreenAtStart && app->FullScreen() != windows.settings.fullScreen)
    {
        windows.settings.fullScreen = app->FullScreen();
        windows.SettingsChanged();
    }
    int status = app->ExitStatus();
    platform::InstallSoundEffects(nullptr);
    return status;
}

} // namespace
} // namespace olvane

int main(int argc, char** argv)
{
    try
    {
        return olvane::Run(argc, argv);
    }
    catch (const std::exception& e)
    {
        std::cerr << "olvane: " << e.what() << "\n";
        return 1;
    }
}
