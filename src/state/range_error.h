#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace olvane
{

/// An index outside a table's fixed bounds: a programming error, never valid play.
class RangeError : public std::out_of_range
{
public:
    RangeError(std::string_view what, long long value)
        : std::out_of_range(std::string(what) + " out of range: " + std::to_string(value))
    {
    }
};

} // namespace olvane
