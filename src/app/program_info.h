#pragma once

// What the game and its tool say about themselves, and where they look for the game folder when
// no --base is given. Shared by olvane and olvane-tool so that both report the same version and
// both run from a build tree as well as from an installed prefix.

#include "state/flow_state.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// The edition this game runs as; its version is the one the menu shows.
constexpr int ProgramEdition = 2;

/// "olvane Ver 2.50": the one line --version prints.
inline std::string VersionLine(std::string_view program)
{
    return std::string(program) + " " + std::string(EditionVersions[static_cast<std::size_t>(ProgramEdition)]);
}

/// The places a game folder may sit relative to the program: an installed prefix keeps it in
/// PREFIX/share/olvane beside PREFIX/bin, a build tree generates it in BUILD/game beside
/// BUILD/src/app.
inline std::vector<std::filesystem::path> GameFolderCandidates(const std::filesystem::path& exe)
{
    const std::filesystem::path dir = exe.parent_path();
    return {dir.parent_path() / "share" / "olvane", dir.parent_path().parent_path() / "game"};
}

/// The game folder belonging to the running program, if one of its places holds one.
inline std::optional<std::filesystem::path> FindGameFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
    {
        return std::nullopt;
    }
    for (const std::filesystem::path& candidate : GameFolderCandidates(exe))
    {
        if (std::filesystem::is_directory(candidate, ec))
        {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace olvane
