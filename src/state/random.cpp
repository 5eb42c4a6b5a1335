#include "state/random.h"

#include <chrono>

namespace olvane
{

std::uint32_t ClockSeedSource::NextSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

std::uint32_t FixedSeedSource::NextSeed()
{
    // Successive seeds differ widely, as clock readings taken at different moments would.
    const std::uint32_t seed = next_;
    next_ = next_ * 1664525u + 1013904223u;
    return seed;
}

} // namespace olvane
