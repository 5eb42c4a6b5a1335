#include "poster_kit.h"

#include "units.h"

#include <cmath>
#include <algorithm>
#include <vector>

namespace olvane::artgen
{

void FillGradient(cairo_t* cr, double y0, double y1, Colour a, Colour b, double w)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_rectangle(cr, 0, y0, w, y1 - y0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Seascape(cairo_t* cr, double w, double h, const Mood& m, double horizon, Noise& n)
{
    const double hy = h * horizon;
    FillGradient(cr, 0, hy, m.skyTop, m.skyHorizon, w);
    FillGradient(cr, hy, h, m.seaFar, m.seaNear, w);
    // Sun glow.
    const double sx = w * m.sunX, sy = h * m.sunY;
    cairo_pattern_t* glow = cairo_pattern_create_radial(sx, sy, 0, sx, sy, h * 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 0, m.sun.r, m.sun.g, m.sun.b, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 0.12, m.sun.r, m.sun.g, m.sun.b, 0.5);
    cairo_pattern_add_color_stop_rgba(glow, 1, m.sun.r, m.sun.g, m.sun.b, 0);
    cairo_rectangle(cr, 0, 0, w, hy);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    // Clouds: soft stacked ellipses.
    for (int i = 0; i < 14; ++i)
    {
        const double cx = n.Range(-0.1, 1.1) * w, cy = n.Range(0.05, 0.75) * hy;
        const double cw = n.Range(0.08, 0.22) * w, ch = cw * n.Range(0.12, 0.25);
        for (int k = 0; k < 5; ++k)
        {
            cairo_save(cr);
            cairo_translate(cr, cx + n.Range(-0.4, 0.4) * cw, cy + n.Range(-0.5, 0.5) * ch);
            cairo_scale(cr, cw * n.Range(0.4, 0.7), ch * n.Range(0.6, 1.0));
            cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
            cairo_restore(cr);
            SetColour(cr, Mix(m.skyHorizon, Hex(0xffffff), n.Range(0.0, 0.4)), 0.12);
            cairo_fill(cr);
        }
    }
    // Sun path on the water.
    for (int i = 0; i < 60; ++i)
    {
        const double y = hy + n.Range(0, h - hy) * n.Unit();
        const double spread = (y - hy) / (h - hy) * w * 0.18 + 10;
        const double x = sx + n.Range(-spread, spread);
        SetColour(cr, m.sun, 0.25);
        cairo_rectangle(cr, x, y, n.Range(8, 30), 1.5);
        cairo_fill(cr);
    }
    // Brushed waves, larger towards the viewer.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const int strokes = static_cast<int>(w * h / 900);
    for (int i = 0; i < strokes; ++i)
    {
        const double t = n.Unit();
        const double y = hy + (h - hy) * t * t;
        const double x = n.Range(0, w);
        const double len = 6 + 60 * t * n.Unit();
        const bool light = n.Unit() < 0.45;
        SetColour(cr, light ? Mix(m.seaFar, Hex(0xffffff), 0.25) : Mix(m.seaNear, Hex(0x000000), 0.3),
                  0.18 + 0.2 * t);
        cairo_set_line_width(cr, 1 + 3 * t);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + len * 0.3, y - 2 * t - 1, x + len * 0.7, y - 2 * t - 1, x + len, y);
        cairo_stroke(cr);
    }
    // Canvas grain: a painterly touch over everything.
    for (int i = 0; i < strokes / 3; ++i)
    {
        const double x = n.Range(0, w), y = n.Range(0, h);
        SetColour(cr, n.Unit() < 0.5 ? Hex(0xffffff) : Hex(0x000000), 0.04);
        cairo_set_line_width(cr, n.Range(2, 6));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + n.Range(-20, 20), y + n.Range(-6, 6));
        cairo_stroke(cr);
    }
}

void Silhouette(cairo_t* cr, int shipClass, double x, double baseline, double length, Colour c, bool wake)
{
    const double height = length / 3;
    cairo_push_group(cr);
    cairo_translate(cr, x, baseline - height * 0.82);
    DrawSideView(cr, DesignForClass(shipClass), length, height, SideStyle::Silhouette);
    cairo_pattern_t* shape = cairo_pop_group(cr);
    SetColour(cr, c);
    cairo_mask(cr, shape);
    cairo_pattern_destroy(shape);
    if (wake)
    {
        // Foam along the water line, thinning out astern.
        cairo_pattern_t* foam = cairo_pattern_create_linear(x, 0, x + length, 0);
        cairo_pattern_add_color_stop_rgba(foam, 0, 1, 1, 1, 0.05);
        cairo_pattern_add_color_stop_rgba(foam, 1, 1, 1, 1, 0.45);
        cairo_rectangle(cr, x - length * 0.1, baseline - 1, length * 1.05, 2.5);
        cairo_set_source(cr, foam);
        cairo_fill(cr);
        cairo_pattern_destroy(foam);
    }
}

void PosterAircraft(cairo_t* cr, int shipClass, double x, double y, double span, double angle, Colour c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, span / 40.0, span / 40.0);
    cairo_translate(cr, -21, -21);
    cairo_push_group(cr);
    DrawUnit(cr, DesignForClass(shipClass), Side::Player, 0);
    cairo_pattern_t* shape = cairo_pop_group(cr);
    SetColour(cr, c);
    cairo_mask(cr, shape);
    cairo_pattern_destroy(shape);
    cairo_restore(cr);
}

void Smoke(cairo_t* cr, double x, double y, double size, Noise& n, Colour c)
{
    for (int i = 0; i < 18; ++i)
    {
        const double t = i / 18.0;
        cairo_arc(cr, x + t * size * 1.5 + n.Range(-size, size) * 0.2, y - t * size * 2.5, size * (0.3 + t * 0.5), 0,
                  2 * Pi);
        SetColour(cr, c, 0.25);
        cairo_fill(cr);
    }
}

void Flames(cairo_t* cr, double x, double y, double size, Noise& n)
{
    for (int i = 0; i < 12; ++i)
    {
        const double fx = x + n.Range(-size, size) * 0.6, fy = y - n.Range(0, size);
        cairo_arc(cr, fx, fy, size * n.Range(0.1, 0.3), 0, 2 * Pi);
        SetColour(cr, i % 2 ? Hex(0xffb040) : Hex(0xff5a20), 0.55);
        cairo_fill(cr);
    }
}

void Brushwork(cairo_surface_t* surface, double spacing, std::uint32_t seed)
{
    // Done on the pixels directly: a hundred thousand tiny strokes through the vector
    // rasteriser would cost more than all the rest of the pack.
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    auto* pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    // Strokes take their colour from the picture as it was before any of them.
    const std::vector<std::uint32_t> before(pixels, pixels + static_cast<std::ptrdiff_t>(stride) * h);
    Noise n(seed);
    const int strokes = static_cast<int>(w * h / (spacing * spacing));
    for (int i = 0; i < strokes; ++i)
    {
        const int x = static_cast<int>(n.Range(0, w));
        const int y = static_cast<int>(n.Range(0, h));
        const std::uint32_t colour = before[static_cast<std::size_t>(y) * stride + x];
        const int shift = static_cast<int>(n.Range(-10, 10));
        const int len = 3 + static_cast<int>(n.Next() % 7);
        const int width = 1 + static_cast<int>(n.Next() % 3);
        const double slope = n.Range(-0.25, 0.25);
        for (int t = -len / 2; t <= len / 2; ++t)
        {
            for (int k = 0; k < width; ++k)
            {
                const int px = x + t;
                const int py = y + k + static_cast<int>(std::lround(slope * t));
                if (px < 0 || py < 0 || px >= w || py >= h)
                {
                    continue;
                }
                std::uint32_t& dst = pixels[static_cast<std::size_t>(py) * stride + px];
                std::uint32_t out = 0xff000000u;
                for (int channel = 0; channel < 3; ++channel)
                {
                    const int c = std::clamp(static_cast<int>((colour >> (8 * channel)) & 0xffu) + shift, 0, 255);
                    const int d = static_cast<int>((dst >> (8 * channel)) & 0xffu);
                    out |= static_cast<std::uint32_t>((c * 140 + d * 116) / 256) << (8 * channel);
                }
                dst = out;
            }
        }
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace olvane::artgen
