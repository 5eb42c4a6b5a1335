#pragma once

#include <cstdint>

namespace olvane
{

/// A monotonic clock in milliseconds; the game paces its waits by it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint64_t Milliseconds() = 0;
};

class SteadyClock final : public Clock
{
public:
    std::uint64_t Milliseconds() override;
};

} // namespace olvane
