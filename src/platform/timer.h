#pragma once

#include <cstdint>
#include <functional>

namespace olvane::platform
{

/// A timer of a form: while enabled it calls onTimer every interval milliseconds, from the event
/// loop on the window thread, whether or not its form is shown. Changing the interval or
/// enabling it starts the count again. A handler that waits in a nested loop is not entered again
/// by its own timer meanwhile.
class Timer
{
public:
    explicit Timer(int intervalMs = 1000, bool startEnabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::function<void()> onTimer;

    void SetEnabled(bool on);

    bool Enabled() const { return enabled_; }

    void SetInterval(int milliseconds);

    int Interval() const { return interval_; }

    /// Called by the event loop: runs the handler when the time has come; true when it ran.
    bool RunIfDue(std::uint64_t now);

    /// Milliseconds until the next call (0 when due), or -1 when the timer is off.
    long long MillisecondsLeft(std::uint64_t now) const;

private:
    void Restart();

    int interval_;
    bool enabled_ = false;
    bool running_ = false;
    // Set while the handler runs; the destructor clears what it points to.
    bool* alive_ = nullptr;
    std::uint64_t due_ = 0;
};

} // namespace olvane::platform
