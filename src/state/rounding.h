#pragma once

#include <cmath>
#include <cstdint>

namespace olvane
{

/// Rounds to the nearest integer, halves to the even neighbour, as every score and distance is.
inline std::int64_t RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (diff > 0.5 || (diff == 0.5 && result % 2 != 0))
    {
        ++result;
    }
    return result;
}

} // namespace olvane
