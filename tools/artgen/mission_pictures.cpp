#include "poster_kit.h"

#include <array>
#include <cmath>
#include <vector>

namespace olvane::artgen
{

namespace
{

/// Cliffs or mountains along the horizon, from x0 to x1.
void Coastline(cairo_t* cr, double w, double h, double horizon, double x0, double x1, double height, Colour rock,
               bool snow, Noise& n)
{
    const double hy = h * horizon;
    cairo_move_to(cr, x0 * w, hy);
    const int peaks = 7;
    std::vector<std::array<double, 2>> tops;
    for (int i = 0; i <= peaks; ++i)
    {
        const double x = (x0 + (x1 - x0) * i / peaks) * w;
        const double y = hy - h * height * n.Range(0.4, 1.0);
        cairo_line_to(cr, x, y);
        tops.push_back({x, y});
    }
    cairo_line_to(cr, x1 * w, hy);
    cairo_close_path(cr);
    SetColour(cr, rock);
    cairo_fill(cr);
    if (snow)
    {
        SetColour(cr, Hex(0xe8eef4), 0.9);
        for (const auto& t : tops)
        {
            cairo_move_to(cr, t[0] - h * 0.02, t[1] + h * 0.025);
            cairo_line_to(cr, t[0], t[1]);
            cairo_line_to(cr, t[0] + h * 0.02, t[1] + h * 0.025);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
    }
}

void Palm(cairo_t* cr, double x, double y, double s, Colour c)
{
    SetColour(cr, c);
    cairo_set_line_width(cr, s * 0.08);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + s * 0.1, y - s * 0.5, x + s * 0.05, y - s * 0.8, x + s * 0.2, y - s);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i)
    {
        const double a = -Pi + i * Pi / 5;
        cairo_move_to(cr, x + s * 0.2, y - s);
        cairo_curve_to(cr, x + s * 0.2 + std::cos(a) * s * 0.3, y - s - s * 0.15, x + s * 0.2 + std::cos(a) * s * 0.5,
                       y - s + std::sin(a + Pi) * s * 0.1, x + s * 0.2 + std::cos(a) * s * 0.55, y - s + s * 0.25);
        cairo_stroke(cr);
    }
}

} // namespace

void PaintMission(cairo_t* cr, int number, double w, double h, Noise& n)
{
    switch (number)
    {
        case 1: // U-boats: a surfaced submarine at night, a burning ship far off
            Seascape(cr, w, h, Night, 0.6, n);
            Flames(cr, w * 0.8, h * 0.595, h * 0.04, n);
            Silhouette(cr, 16, w * 0.72, h * 0.605, w * 0.14, Night.ink);
            Silhouette(cr, 18, w * 0.1, h * 0.74, w * 0.55, Hex(0x02040a));
            break;
        case 2: // the Pacific fleet: a battle line under a bright sky
            Seascape(cr, w, h, Day, 0.6, n);
            for (int i = 0; i < 4; ++i)
            {
                Silhouette(cr, i % 2 ? 60 : 63, w * (0.04 + i * 0.24), h * (0.62 + i * 0.03), w * (0.2 + i * 0.03),
                           Mix(Day.ink, Day.skyHorizon, 0.3 - i * 0.08));
            }
            break;
        case 3: // carriers: a carrier launching, aircraft overhead
            Seascape(cr, w, h, Dawn, 0.6, n);
            Silhouette(cr, 73, w * 0.15, h * 0.72, w * 0.7, Dawn.ink);
            for (int i = 0; i < 6; ++i)
            {
                PosterAircraft(cr, i % 2 ? 80 : 83, w * (0.5 + i * 0.07), h * (0.18 + (i % 3) * 0.06), w * 0.05, -0.25, Dawn.ink);
            }
            break;
        case 4: // the Atlantic: destroyers in a heavy sea
            Seascape(cr, w, h, Storm, 0.52, n);
            cairo_save(cr);
            cairo_translate(cr, w * 0.2, h * 0.66);
            cairo_rotate(cr, -0.08);
            Silhouette(cr, 46, 0, 0, w * 0.45, Storm.ink);
            cairo_restore(cr);
            Silhouette(cr, 43, w * 0.7, h * 0.56, w * 0.2, Mix(Storm.ink, Storm.skyHorizon, 0.4));
            break;
        case 5: // the air war: bombers and their escort above the clouds
            Seascape(cr, w, h, Day, 0.85, n);
            for (int i = 0; i < 6; ++i)
            {
                PosterAircraft(cr, 87, w * (0.15 + (i % 3) * 0.25), h * (0.25 + (i / 3) * 0.25), w * 0.16, -0.2, Day.ink);
            }
            for (int i = 0; i < 4; ++i)
            {
                PosterAircraft(cr, 80, w * (0.2 + i * 0.2), h * 0.1, w * 0.06, -0.2, Day.ink);
            }
            break;
        case 6: // the Mediterranean: cruisers off a sunlit coast
            Seascape(cr, w, h, Day, 0.55, n);
            Coastline(cr, w, h, 0.55, 0.0, 0.45, 0.08, Hex(0x9a8a6a), false, n);
            Silhouette(cr, 56, w * 0.4, h * 0.66, w * 0.4, Day.ink);
            Silhouette(cr, 50, w * 0.1, h * 0.6, w * 0.22, Mix(Day.ink, Day.skyHorizon, 0.35));
            break;
        case 7: // Pacific submarines: a periscope's view at dusk
            Seascape(cr, w, h, Dusk, 0.5, n);
            Silhouette(cr, 73, w * 0.35, h * 0.52, w * 0.3, Dusk.ink);
            SetColour(cr, Hex(0x000000));
            cairo_rectangle(cr, 0, 0, w, h);
            cairo_arc_negative(cr, w / 2, h / 2, h * 0.46, 2 * Pi, 0);
            cairo_fill(cr);
            SetColour(cr, Hex(0x000000), 0.8);
            cairo_set_line_width(cr, 1.5);
            cairo_move_to(cr, w * 0.2, h / 2);
            cairo_line_to(cr, w * 0.8, h / 2);
            cairo_move_to(cr, w / 2, h * 0.2);
            cairo_line_to(cr, w / 2, h * 0.8);
            cairo_stroke(cr);
            break;
        case 8: // the Channel: white cliffs and torpedo boats at dawn
            Seascape(cr, w, h, Dawn, 0.56, n);
            Coastline(cr, w, h, 0.56, 0.5, 1.0, 0.1, Hex(0xe4e0d4), false, n);
            for (int i = 0; i < 3; ++i)
            {
                Silhouette(cr, 26, w * (0.08 + i * 0.16), h * (0.68 + i * 0.05), w * 0.16, Dawn.ink);
            }
            break;
        case 9: // Norway: a fjord under snow-capped mountains
            Seascape(cr, w, h, Storm, 0.6, n);
            Coastline(cr, w, h, 0.6, 0.0, 0.4, 0.3, Hex(0x3a4450), true, n);
            Coastline(cr, w, h, 0.6, 0.62, 1.0, 0.25, Hex(0x343e48), true, n);
            Silhouette(cr, 43, w * 0.4, h * 0.66, w * 0.22, Storm.ink);
            break;
        case 10: // convoys: merchantmen in columns with an escort
            Seascape(cr, w, h, Storm, 0.55, n);
            for (int i = 0; i < 8; ++i)
            {
                Silhouette(cr, i % 4 == 3 ? 30 : 3, w * (0.02 + (i % 4) * 0.25), h * (0.58 + (i / 4) * 0.1),
                           w * (0.12 + (i / 4) * 0.05), Mix(Storm.ink, Storm.skyHorizon, 0.3 - (i / 4) * 0.2));
            }
            break;
        case 11: // Japan: a red sun over a mountain and the battle fleet
            Seascape(cr, w, h, Dawn, 0.62, n);
            cairo_arc(cr, w * 0.7, h * 0.3, h * 0.12, 0, 2 * Pi);
            SetColour(cr, Hex(0xd03a2a), 0.85);
            cairo_fill(cr);
            cairo_move_to(cr, w * 0.05, h * 0.62);
            cairo_line_to(cr, w * 0.28, h * 0.36);
            cairo_line_to(cr, w * 0.34, h * 0.36);
            cairo_line_to(cr, w * 0.6, h * 0.62);
            cairo_close_path(cr);
            SetColour(cr, Hex(0x4a4a66));
            cairo_fill(cr);
            cairo_move_to(cr, w * 0.23, h * 0.42);
            cairo_line_to(cr, w * 0.28, h * 0.36);
            cairo_line_to(cr, w * 0.34, h * 0.36);
            cairo_line_to(cr, w * 0.39, h * 0.42);
            cairo_close_path(cr);
            SetColour(cr, Hex(0xf0f0f4));
            cairo_fill(cr);
            Silhouette(cr, 66, w * 0.45, h * 0.72, w * 0.5, Dawn.ink);
            break;
        default: // the Indies: a palm island and cruisers in tropical light
            Seascape(cr, w, h, Day, 0.6, n);
            cairo_save(cr);
            cairo_translate(cr, w * 0.22, h * 0.6);
            cairo_scale(cr, w * 0.2, h * 0.04);
            cairo_arc(cr, 0, 0, 1, Pi, 2 * Pi);
            cairo_restore(cr);
            SetColour(cr, Hex(0xd8c890));
            cairo_fill(cr);
            for (int i = 0; i < 4; ++i)
            {
                Palm(cr, w * (0.1 + i * 0.06), h * 0.59, h * (0.12 + (i % 2) * 0.04), Hex(0x1e3a22));
            }
            Silhouette(cr, 53, w * 0.45, h * 0.7, w * 0.42, Day.ink);
            break;
    }
}

} // namespace olvane::artgen
