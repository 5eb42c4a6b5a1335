#include "platform/timer.h"

#include "platform/application.h"

namespace olvane::platform
{

Timer::Timer(int intervalMs, bool startEnabled) : interval_(intervalMs)
{
    Application::Instance().RegisterTimer(this);
    SetEnabled(startEnabled);
}

Timer::~Timer()
{
    if (alive_ != nullptr)
    {
        *alive_ = false;
    }
    if (Application::Exists())
    {
        Application::Instance().UnregisterTimer(this);
    }
}

void Timer::Restart()
{
    due_ = Application::Instance().Now() + static_cast<std::uint64_t>(interval_ > 0 ? interval_ : 0);
}

void Timer::SetEnabled(bool on)
{
    enabled_ = on;
    if (on)
    {
        Restart();
    }
}

void Timer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (enabled_)
    {
        Restart();
    }
}

long long Timer::MillisecondsLeft(std::uint64_t now) const
{
    // An interval of 0 never fires, as on the desktop the game was made for.
    if (!enabled_ || interval_ <= 0 || running_ || !onTimer)
    {
        return -1;
    }
    return now >= due_ ? 0 : static_cast<long long>(due_ - now);
}

bool Timer::RunIfDue(std::uint64_t now)
{
    if (MillisecondsLeft(now) != 0)
    {
        return false;
    }
    due_ = now + static_cast<std::uint64_t>(interval_);
    running_ = true;
    // Copied, so a handler that replaces itself, or destroys its own timer, is safe.
    auto handler = onTimer;
    bool alive = true;
    alive_ = &alive;
    handler();
    if (alive)
    {
        alive_ = nullptr;
        running_ = false;
    }
    return true;
}

} // namespace olvane::platform
