#pragma once

#include <cairo.h>

#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>

namespace olvane::artgen
{

constexpr double Pi = std::numbers::pi;

struct Colour
{
    double r, g, b;
};

constexpr Colour Hex(std::uint32_t rgb)
{
    return Colour{((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0};
}

constexpr Colour Mix(Colour a, Colour b, double t)
{
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline void SetColour(cairo_t* cr, Colour c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

/// Fills the current path and strokes its outline, keeping the path for neither.
inline void FillStroke(cairo_t* cr, Colour fill, Colour line, double width)
{
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, line);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

inline void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -Pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, Pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, Pi / 2, Pi);
    cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
    cairo_close_path(cr);
}

/// Text in one of the fixed faces, centred on (x, y).
inline void CentredText(cairo_t* cr, std::string_view text, double x, double y, double size, bool bold = true)
{
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    const std::string s(text);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, s.c_str(), &ext);
    cairo_move_to(cr, x - ext.width / 2 - ext.x_bearing, y - ext.height / 2 - ext.y_bearing);
    cairo_show_text(cr, s.c_str());
}

/// A small deterministic generator for texture speckle and brush strokes; the art never depends
/// on the clock.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}

    std::uint32_t Next()
    {
        state_ = state_ * 134775813u + 1u;
        return state_;
    }

    /// Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 8) / 16777216.0; }

    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

private:
    std::uint32_t state_;
};

} // namespace olvane::artgen
