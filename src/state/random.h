#pragma once

#include <cstdint>
#include <memory>

namespace olvane
{

/// Where fresh seeds come from: the high-resolution clock in the game, a fixed sequence in tests
/// and in replays, so that every run with a given seed plays out the same.
class SeedSource
{
public:
    virtual ~SeedSource() = default;
    virtual std::uint32_t NextSeed() = 0;
};

/// Seeds from the high-resolution clock.
class ClockSeedSource final : public SeedSource
{
public:
    std::uint32_t NextSeed() override;
};

/// A reproducible seed sequence that starts at a given value.
class FixedSeedSource final : public SeedSource
{
public:
    explicit FixedSeedSource(std::uint32_t start) : next_(start) {}

    std::uint32_t NextSeed() override;

private:
    std::uint32_t next_;
};

/// The game's 32-bit linear congruential generator.
class Random
{
public:
    explicit Random(SeedSource& source) : source_(&source) {}

    /// Most of the game's random choices take a fresh seed just before they draw.
    void Reseed() { seed_ = source_->NextSeed(); }

    void SetSeed(std::uint32_t seed) { seed_ = seed; }

    std::uint32_t Seed() const { return seed_; }

    /// A draw in 0..n-1 (0 when n is 0): the high half of the new seed times n.
    std::uint32_t Below(std::uint32_t n)
    {
        Step();
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }

    /// A draw in [0, 1).
    double Fraction()
    {
        Step();
        return static_cast<double>(seed_) / 4294967296.0;
    }

private:
    void Step() { seed_ = seed_ * 134775813u + 1u; }

    SeedSource* source_;
    std::uint32_t seed_ = 0;
};

} // namespace olvane
