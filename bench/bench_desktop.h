#pragma once

// The desktop the window benchmarks draw on: SDL's dummy driver, a 1366 x 768 window and the
// game folder this build generated, with a user folder of the benchmarks' own.

#include "platform/application.h"
#include "state/data_files.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace olvane::bench
{

inline std::unique_ptr<platform::Application> OpenDesktop()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    platform::ApplicationOptions options;
    options.windowed = true;
    options.desktopSize = platform::Size{1366, 768};
    return std::make_unique<platform::Application>(options);
}

inline std::unique_ptr<DataFiles> GameFiles()
{
    return std::make_unique<DataFiles>(OLVANE_GAME_DIR, std::filesystem::temp_directory_path() / "olvane-bench");
}

} // namespace olvane::bench
