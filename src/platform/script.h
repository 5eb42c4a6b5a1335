#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olvane::platform
{

class Application;

enum class ScriptVerb : std::uint8_t
{
    Click,
    RightClick,
    Drag,
    Key,
    Text,
    Wait,
    Shot,
    ExpectText,
    Quit,
};

/// One line of an input script; points are in framebuffer pixels.
struct ScriptCommand
{
    ScriptVerb verb = ScriptVerb::Quit;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;
    int line = 0;
};

/// Exit statuses of a scripted run.
constexpr int ScriptExpectationFailed = 1;
constexpr int ScriptBroken = 2;
constexpr int ScriptStuckInModal = 3;

/// Reads a script: one command per line (click X Y, rclick X Y, drag X1 Y1 X2 Y2, key NAME,
/// text STRING, wait MS, shot FILE.png, expect-text STRING, quit); blank lines and lines starting
/// with # are skipped. Nothing on failure, with the reason and line in error.
std::optional<std::vector<ScriptCommand>> ParseScript(std::string_view source, std::string& error);

/// Feeds a script into the event loop: the next command runs only when the program is idle (the
/// input queue is empty and the loop has handled what the previous command sent). When the
/// script ends while a modal window still waits, the run fails.
class ScriptRunner
{
public:
    ScriptRunner(std::vector<ScriptCommand> commands, std::ostream& report);

    /// Runs the next command if its time has come.
    void Step(Application& app);

    /// How long the loop may sleep before the script wants to run again.
    int MillisecondsToNextStep(const Application& app) const;

    bool Finished() const { return next_ >= commands_.size(); }

private:
    void Run(const ScriptCommand& c, Application& app);
    void PushMouse(Application& app, int x, int y, int button, bool down);
    void PushMotion(Application& app, int x, int y);
    void Fail(Application& app, int status, const std::string& message);

    std::vector<ScriptCommand> commands_;
    std::ostream& report_;
    std::size_t next_ = 0;
    std::uint64_t resumeAt_ = 0;
};

} // namespace olvane::platform
