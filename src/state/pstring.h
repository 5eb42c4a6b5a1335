#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace olvane
{

/// A stored text field of up to N characters: a length byte followed by N character bytes.
/// Characters past the length are ignored; a length byte larger than N (a damaged file) reads
/// as N characters, never past the field.
template <std::size_t N> struct PString
{
    std::uint8_t Length = 0;
    std::array<char, N> Chars{};

    std::string Str() const { return std::string(Chars.data(), std::min<std::size_t>(Length, N)); }

    /// Longer texts are cut to the field, as the game does with every stored name.
    void Set(std::string_view text)
    {
        Chars.fill(0);
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.data(), n, Chars.data());
        Length = static_cast<std::uint8_t>(n);
    }

    void Clear() { Set({}); }

    bool operator==(const PString&) const = default;
};

static_assert(sizeof(PString<15>) == 16);
static_assert(sizeof(PString<20>) == 21);

} // namespace olvane
