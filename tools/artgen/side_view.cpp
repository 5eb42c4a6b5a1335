#include "units.h"

#include <algorithm>

namespace olvane::artgen
{

namespace
{

struct Look
{
    Colour hull, upper, dark, outline;
    bool painted;
};

void Paint(cairo_t* cr, const Look& look, Colour fill)
{
    SetColour(cr, look.painted ? fill : look.outline);
    if (look.painted)
    {
        cairo_fill_preserve(cr);
        SetColour(cr, look.outline);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    else
    {
        cairo_fill(cr);
    }
}

void ShipProfile(cairo_t* cr, const Design& d, const Look& look, double x0, double x1, double wl, double unit)
{
    const double len = x1 - x0;
    const bool sub = d.kind == Kind::Submarine;
    const double freeboard = sub ? unit * 0.6 : unit * (d.kind == Kind::Carrier ? 2.2 : 1.5);
    const double deck = wl - freeboard;
    // Hull: raked bow, a little sheer forward, counter stern.
    cairo_move_to(cr, x0 + unit * 0.6, wl);
    cairo_line_to(cr, x0, deck + unit * 0.2);
    cairo_line_to(cr, x1 - len * 0.02, deck - unit * (sub ? 0 : 0.4));
    cairo_line_to(cr, x1 - len * 0.07, wl);
    cairo_close_path(cr);
    Paint(cr, look, look.hull);
    auto box = [&](double cx, double w, double h, Colour c) {
        cairo_rectangle(cr, cx - w / 2, deck - h, w, h + 0.5);
        Paint(cr, look, c);
    };
    const double mid = x0 + len * 0.5;
    switch (d.kind)
    {
        case Kind::Submarine:
            box(mid + len * 0.08, len * 0.12, unit * 1.4, look.upper);
            if (d.variant == 1)
            {
                box(mid + len * 0.25, unit * 0.6, unit * 0.5, look.dark);
            }
            break;
        case Kind::Carrier:
            cairo_rectangle(cr, x0 - unit * 0.3, deck - unit * 0.5, len * 1.0, unit * 0.5);
            Paint(cr, look, look.dark);
            if (d.variant != 2)
            {
                box(mid + len * 0.05, len * 0.1, unit * 1.9, look.upper);
                box(mid + len * 0.02, len * 0.04, unit * 2.6, look.dark);
            }
            break;
        case Kind::Transport:
        case Kind::Auxiliary:
            box(mid - len * 0.08, len * 0.18, unit * 1.5, look.upper);
            box(mid - len * 0.12, len * 0.05, unit * 2.4, look.dark);
            box(x0 + len * 0.78, unit * 0.25, unit * 2.2, look.dark);
            box(x0 + len * 0.25, unit * 0.25, unit * 2.2, look.dark);
            break;
        default:
        {
            const double t = std::max(unit * 0.9, len * 0.05);
            double x = x1 - len * 0.2;
            for (int i = 0; i < std::max(d.turretsFore, 1); ++i)
            {
                box(x, t * 1.2, unit * 0.7, look.dark);
                cairo_rectangle(cr, x, deck - unit * 0.55, t * 1.1, unit * 0.2);
                Paint(cr, look, look.dark);
                x -= t * 1.5;
            }
            double ax = x0 + len * 0.14;
            for (int i = 0; i < d.turretsAft; ++i)
            {
                box(ax, t * 1.2, unit * 0.7, look.dark);
                cairo_rectangle(cr, ax - t * 1.1, deck - unit * 0.55, t * 1.1, unit * 0.2);
                Paint(cr, look, look.dark);
                ax += t * 1.5;
            }
            const double tower = (x + ax) / 2;
            box(tower + len * 0.04, len * 0.12, unit * (d.kind == Kind::Battleship ? 2.6 : 1.9), look.upper);
            for (int i = 0; i < d.funnels; ++i)
            {
                box(tower - len * 0.05 - i * len * 0.07, len * 0.035, unit * 2.1, look.dark);
            }
            cairo_set_line_width(cr, std::max(0.8, unit * 0.15));
            SetColour(cr, look.outline);
            cairo_move_to(cr, tower + len * 0.06, deck - unit * 1.5);
            cairo_line_to(cr, tower + len * 0.06, deck - unit * 3.3);
            cairo_stroke(cr);
            break;
        }
    }
}

void PlaneProfile(cairo_t* cr, const Design& d, const Look& look, double w, double h)
{
    const bool big = d.kind == Kind::TwinBomber || d.kind == Kind::HeavyBomber || d.kind == Kind::FlyingBoat;
    const double len = w * (big ? 0.85 : 0.6);
    const double x0 = (w - len) / 2;
    const double cy = h * 0.5;
    const double body = h * (big ? 0.16 : 0.13);
    cairo_save(cr);
    cairo_translate(cr, x0 + len / 2, cy);
    cairo_scale(cr, len / 2, body);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    Paint(cr, look, look.hull);
    // Fin and tail plane.
    cairo_move_to(cr, x0 + len * 0.02, cy);
    cairo_line_to(cr, x0 + len * 0.02, cy - h * 0.32);
    cairo_line_to(cr, x0 + len * 0.14, cy - h * 0.32);
    cairo_line_to(cr, x0 + len * 0.25, cy);
    cairo_close_path(cr);
    Paint(cr, look, look.hull);
    // Wing seen edge-on, and engines.
    cairo_rectangle(cr, x0 + len * 0.45, cy - body * 0.2, len * 0.22, body * 0.5);
    Paint(cr, look, look.dark);
    if (big)
    {
        cairo_rectangle(cr, x0 + len * 0.55, cy + body * 0.3, len * 0.16, body * 0.8);
        Paint(cr, look, look.dark);
    }
    cairo_save(cr);
    cairo_translate(cr, x0 + len * 0.78, cy - body * 0.75);
    cairo_scale(cr, len * 0.07, body * 0.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    Paint(cr, look, look.painted ? Hex(0x9fd8ff) : look.outline);
    if (d.kind == Kind::FlyingBoat)
    {
        cairo_rectangle(cr, x0 + len * 0.3, cy + body * 0.6, len * 0.45, body * 0.7);
        Paint(cr, look, look.hull);
    }
    if (d.kind == Kind::TorpedoBomber)
    {
        cairo_rectangle(cr, x0 + len * 0.35, cy + body * 1.0, len * 0.4, body * 0.4);
        Paint(cr, look, look.dark);
    }
}

void ShoreProfile(cairo_t* cr, const Design& d, const Look& look, double w, double h)
{
    const double ground = h * 0.85;
    cairo_move_to(cr, w * 0.15, ground);
    cairo_line_to(cr, w * 0.25, ground - h * 0.25);
    cairo_line_to(cr, w * 0.75, ground - h * 0.25);
    cairo_line_to(cr, w * 0.85, ground);
    cairo_close_path(cr);
    Paint(cr, look, look.hull);
    if (d.kind == Kind::Gun)
    {
        cairo_rectangle(cr, w * 0.38, ground - h * 0.45, w * 0.22, h * 0.2);
        Paint(cr, look, look.dark);
        for (int i = 0; i < d.variant; ++i)
        {
            cairo_rectangle(cr, w * 0.58, ground - h * (0.42 - i * 0.05), w * 0.22, h * 0.035);
            Paint(cr, look, look.dark);
        }
    }
    else
    {
        cairo_rectangle(cr, w * 0.48, ground - h * 0.7, w * 0.04, h * 0.45);
        Paint(cr, look, look.dark);
        cairo_save(cr);
        cairo_translate(cr, w * 0.5, ground - h * 0.75);
        cairo_scale(cr, w * 0.12, h * 0.1);
        cairo_arc(cr, 0, 0, 1, Pi, 2 * Pi);
        cairo_restore(cr);
        Paint(cr, look, look.upper);
    }
}

} // namespace

void DrawSideView(cairo_t* cr, const Design& d, double w, double h, bool painted)
{
    const Look look = painted ? Look{Hex(0x7f8a96), Hex(0xb9c2cc), Hex(0x4b5560), Hex(0x121820), true}
                              : Look{Hex(0), Hex(0), Hex(0), Hex(0x10141a), false};
    const double wl = h * (painted ? 0.74 : 0.82);
    if (painted)
    {
        // A strip of sea under the ship.
        cairo_rectangle(cr, 0, wl, w, h - wl);
        cairo_pattern_t* sea = cairo_pattern_create_linear(0, wl, 0, h);
        cairo_pattern_add_color_stop_rgb(sea, 0, 0.20, 0.38, 0.60);
        cairo_pattern_add_color_stop_rgb(sea, 1, 0.08, 0.18, 0.36);
        cairo_set_source(cr, sea);
        cairo_fill(cr);
        cairo_pattern_destroy(sea);
    }
    switch (d.kind)
    {
        case Kind::Fighter:
        case Kind::TwinFighter:
        case Kind::TorpedoBomber:
        case Kind::FlyingBoat:
        case Kind::TwinBomber:
        case Kind::HeavyBomber:
            PlaneProfile(cr, d, look, w, h);
            return;
        case Kind::Gun:
        case Kind::Radar:
            ShoreProfile(cr, d, look, w, h);
            return;
        default:
            break;
    }
    const double frac = IsTwoCell(d) ? 0.72 + 0.26 * std::clamp((d.length - 66) / 16, 0.0, 1.0)
                                     : 0.5 + 0.4 * std::clamp((d.length - 20) / 20, 0.0, 1.0);
    const double len = w * 0.96 * frac;
    const double x0 = (w - len) / 2;
    const double unit = h / 8.5;
    ShipProfile(cr, d, look, x0, x0 + len, wl, unit);
    if (painted)
    {
        SetColour(cr, Hex(0xffffff), 0.9);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, x0, wl + 1.5);
        cairo_line_to(cr, x0 + len, wl + 1.5);
        cairo_stroke(cr);
    }
}

} // namespace olvane::artgen
