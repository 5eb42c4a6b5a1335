#pragma once

#include "state/data_files.h"
#include "support/test_game.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/wait.h>

namespace olvane::test
{

/// What a run of one of the build's programs printed, and its exit status.
struct ToolRun
{
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs a program of this build with its arguments, no standard input, its output kept in `dir`.
inline ToolRun RunProgram(std::string_view program, const TempDir& dir, const std::string& args)
{
    const auto out = dir.Path() / "stdout.txt";
    const auto err = dir.Path() / "stderr.txt";
    const std::string command =
        std::string(program) + " " + args + " >" + out.string() + " 2>" + err.string() + " </dev/null";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadWholeFile(out).value_or("");
    run.err = ReadWholeFile(err).value_or("");
    return run;
}

inline ToolRun RunTool(const TempDir& dir, const std::string& args)
{
    return RunProgram(OLVANE_TOOL_PATH, dir, args);
}

inline bool Contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

/// The game folder this build generated, beside the programs' folder.
inline std::filesystem::path GeneratedGameFolder()
{
    return std::filesystem::path(OLVANE_TOOL_PATH).parent_path().parent_path().parent_path() / "game";
}

} // namespace olvane::test
