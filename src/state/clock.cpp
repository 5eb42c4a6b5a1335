#include "state/clock.h"

#include <chrono>

namespace olvane
{

std::uint64_t SteadyClock::Milliseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace olvane
