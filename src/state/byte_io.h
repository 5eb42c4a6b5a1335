#pragma once

#include "state/pstring.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace olvane
{

/// Writes little-endian fields at fixed offsets of a record buffer.
class ByteWriter
{
public:
    explicit ByteWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

    void U8(std::size_t offset, std::uint8_t value) { bytes_[offset] = value; }

    void U16(std::size_t offset, std::uint16_t value)
    {
        bytes_[offset] = static_cast<std::uint8_t>(value & 0xFF);
        bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }

    void I32(std::size_t offset, std::int32_t value)
    {
        const auto bits = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i)
        {
            bytes_[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }

    template <std::size_t N> void Str(std::size_t offset, const PString<N>& text)
    {
        bytes_[offset] = text.Length;
        for (std::size_t i = 0; i < N; ++i)
        {
            bytes_[offset + 1 + i] = static_cast<std::uint8_t>(text.Chars[i]);
        }
    }

private:
    std::span<std::uint8_t> bytes_;
};

/// Reads little-endian fields at fixed offsets of a record buffer.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t U8(std::size_t offset) const { return bytes_[offset]; }

    std::uint16_t U16(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
    }

    std::int32_t I32(std::size_t offset) const
    {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i)
        {
            bits |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
        }
        return static_cast<std::int32_t>(bits);
    }

    template <std::size_t N> PString<N> Str(std::size_t offset) const
    {
        PString<N> text;
        text.Length = bytes_[offset];
        for (std::size_t i = 0; i < N; ++i)
        {
            text.Chars[i] = static_cast<char>(bytes_[offset + 1 + i]);
        }
        return text;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace olvane
