#pragma once

#include <algorithm>
#include <cstdint>

namespace olvane::platform
{

/// A colour as 0xRRGGBB; the framebuffer ignores the top byte.
using Colour = std::uint32_t;

namespace colours
{
constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Red = 0xFF0000;
constexpr Colour Lime = 0x00FF00;
constexpr Colour Blue = 0x0000FF;
constexpr Colour Yellow = 0xFFFF00;
constexpr Colour Aqua = 0x00FFFF;
constexpr Colour Fuchsia = 0xFF00FF;
constexpr Colour Maroon = 0x800000;
constexpr Colour Green = 0x008000;
constexpr Colour Navy = 0x000080;
constexpr Colour Olive = 0x808000;
constexpr Colour Purple = 0x800080;
constexpr Colour Teal = 0x008080;
constexpr Colour Gray = 0x808080;
constexpr Colour Silver = 0xC0C0C0;
constexpr Colour ButtonFace = 0xD4D0C8;
constexpr Colour ButtonShadow = 0x808080;
constexpr Colour ButtonHighlight = 0xFFFFFF;
constexpr Colour ButtonDarkShadow = 0x404040;
constexpr Colour Window = 0xFFFFFF;
constexpr Colour Highlight = 0x0A246A;
constexpr Colour HighlightText = 0xFFFFFF;
constexpr Colour InfoBackground = 0xFFFFE1;
constexpr Colour GrayText = 0x808080;
/// Not a colour: a control with it takes its parent's background, as labels and boxes do.
constexpr Colour ParentColour = 0xFF000000;
} // namespace colours

constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c >> 16); }

constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>(c >> 8); }

constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>(c); }

constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>(((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF));
}

struct Point
{
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size
{
    int width = 0;
    int height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

/// A rectangle by its left-top corner and size; Right() and Bottom() are one past the last pixel,
/// as the game's rectangles are.
struct Rect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    static Rect FromCorners(int left, int top, int right, int bottom)
    {
        return Rect{left, top, right - left, bottom - top};
    }

    int Right() const { return x + width; }

    int Bottom() const { return y + height; }

    bool Empty() const { return width <= 0 || height <= 0; }

    bool Contains(Point p) const { return p.x >= x && p.y >= y && p.x < Right() && p.y < Bottom(); }

    Rect Offset(int dx, int dy) const { return Rect{x + dx, y + dy, width, height}; }

    Rect Inflate(int d) const { return Rect{x - d, y - d, width + 2 * d, height + 2 * d}; }

    Rect Intersect(const Rect& o) const
    {
        int left = std::max(x, o.x);
        int top = std::max(y, o.y);
        int right = std::min(Right(), o.Right());
        int bottom = std::min(Bottom(), o.Bottom());
        return Rect{left, top, std::max(0, right - left), std::max(0, bottom - top)};
    }

    /// The smallest rectangle holding both; an empty one adds nothing.
    Rect Union(const Rect& o) const
    {
        if (o.Empty())
        {
            return *this;
        }
        if (Empty())
        {
            return o;
        }
        int left = std::min(x, o.x);
        int top = std::min(y, o.y);
        return Rect{left, top, std::max(Right(), o.Right()) - left, std::max(Bottom(), o.Bottom()) - top};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace olvane::platform
