// The game: chooses the screen layout, creates the windows in their fixed order and runs the
// message loop until the main window closes. `--script FILE` drives the same loop from a file of
// input commands, for end-to-end tests and screenshots.

#include "platform/application.h"
#include "platform/button.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/script.h"
#include "platform/sound.h"
#include "screen/game_entry.h"
#include "state/data_files.h"

#include <charconv>
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
  --base DIR        the game folder (holding BAZE, BMP, EFF); default: the generated one
  --windowed        a window of the layout's size instead of the full screen
  --smooth          smooth scaling instead of whole pixels
  --desktop WxH     choose the screen layout as if the desktop had this size
  --script FILE     feed input commands from FILE into the game, then quit
  --speed FACTOR    multiply the game's pauses (0 skips them, 2 plays slower)
  --start SLOT      play the mission of scenario slot SLOT at once, without the menu
  --rank 1|2|3      the rank (difficulty) of --start; default 1
  --seed S          a fixed seed for the computer's choices in --start
  --help            this text
In the game: F11 or Alt+Enter switches between window and full screen.
)";

/// Program-wide defaults, set before anything else runs.
struct ProgramDefaults
{
    int edition = 2;
    std::string version = "Olvane 0.1";
    std::filesystem::path baseDir;
};

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

Arguments ParseArguments(int argc, char** argv)
{
    Arguments a;
    for (int i = 1; i < argc; ++i)
    {
        std::string_view arg = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc)
            {
                throw UsageError(std::string(arg) + " needs a value");
            }
            return argv[++i];
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
            std::string text(value());
            char* end = nullptr;
            a.speed = std::strtod(text.c_str(), &end);
            if (end == text.c_str() || *end != '\0' || a.speed < 0.0)
            {
                throw UsageError("--speed needs a factor of 0 or more, not " + text);
            }
        }
        else if (arg == "--start" || arg == "--rank" || arg == "--seed")
        {
            std::string text(value());
            char* end = nullptr;
            const unsigned long number = std::strtoul(text.c_str(), &end, 10);
            if (end == text.c_str() || *end != '\0' || (arg == "--rank" && (number < 1 || number > 3)) ||
                (arg == "--start" && (number < 1 || number > 1000)))
            {
                throw UsageError(std::string(arg) + " does not take " + text);
            }
            if (arg == "--start")
            {
                a.startSlot = static_cast<int>(number);
            }
            else if (arg == "--rank")
            {
                a.rank = static_cast<int>(number);
            }
            else
            {
                a.seed = static_cast<std::uint32_t>(number);
            }
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

/// The generated game folder of the build this program belongs to (build/game next to
/// build/src/app/olvane), when it exists.
std::filesystem::path DefaultBaseDir()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
    {
        std::filesystem::path game = exe.parent_path().parent_path().parent_path() / "game";
        if (std::filesystem::is_directory(game, ec))
        {
            return game;
        }
    }
    return std::filesystem::current_path(ec);
}

/// Stands in for the main menu until the game's own screens exist: it shows what the program
/// found at start (the layout and the game folder) and closes the program from its button.
class StartForm : public platform::Form
{
public:
    StartForm(const ProgramDefaults& defaults, const platform::DisplaySettings& display)
        : title_(this), details_(this), exit_(this)
    {
        using namespace platform;
        colour = 0x10243A;
        title_.SetBounds(0, bounds.height / 2 - 120, bounds.width, 60);
        title_.transparent = true;
        title_.alignment = Alignment::Centre;
        title_.font = Font{"ARIAL", 36, FontStyle::Bold, false, colours::Yellow};
        title_.caption = "OLVANE";

        std::ostringstream text;
        text << defaults.version << "\n"
             << "Desktop " << display.desktopWidth << " x " << display.desktopHeight << ", layout "
             << int{display.layoutNumber} << ": " << display.clientWidth << " x " << display.clientHeight << ", "
             << int{display.viewColumns} << " x " << int{display.viewRows} << " map cells"
             << (display.resolutionSwitched != 0 ? " (scaled)" : "") << "\n"
             << "Game folder: " << defaults.baseDir.string();
        details_.SetBounds(0, bounds.height / 2 - 40, bounds.width, 70);
        details_.transparent = true;
        details_.alignment = Alignment::Centre;
        details_.font = Font{"ARIAL", 11, FontStyle::Regular, false, colours::White};
        details_.caption = text.str();

        exit_.SetBounds(bounds.width / 2 - 70, bounds.height / 2 + 50, 140, 32);
        exit_.font = Font{"ARIAL", 11, FontStyle::Bold, false, colours::Black};
        exit_.caption = "EXIT";
        exit_.onClick = [this] { Close(); };
        defaultButton = &exit_;
        cancelButton = &exit_;
    }

private:
    platform::Label title_;
    platform::Label details_;
    platform::Button exit_;
};

int Run(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::string_view(argv[i]) == "--help")
        {
            std::cout << Usage;
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
    platform::MixerOutput mixer;
    platform::SoundEffects sounds([&files](std::string_view name) { return files.Find(name); }, mixer,
                                  [&app](int ms) { app->Delay(ms); });
    platform::InstallSoundEffects(&sounds);
    app->onButtonClick = [] { platform::PlaySoundEffect(253); };
    if (script)
    {
        app->AttachScript(std::move(script));
    }

    if (args.startSlot)
    {
        int status = PlayMission(*app, files, *args.startSlot, args.rank, args.seed);
        platform::InstallSoundEffects(nullptr);
        return status;
    }

    // The windows, created once in their fixed order; the first is the main window and closing
    // it ends the program.
    StartForm start(defaults, app->Display());

    app->Run(start);
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
