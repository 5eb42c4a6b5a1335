#include "unit_parts.h"

#include <cmath>

namespace olvane::artgen
{

namespace
{

void Wing(cairo_t* cr, double x, double span, double rootChord, double tipChord, double sweep)
{
    cairo_move_to(cr, x + rootChord / 2, 0);
    cairo_line_to(cr, x + tipChord / 2 - sweep, -span / 2);
    cairo_line_to(cr, x - tipChord / 2 - sweep, -span / 2);
    cairo_line_to(cr, x - rootChord / 2, 0);
    cairo_line_to(cr, x - tipChord / 2 - sweep, span / 2);
    cairo_line_to(cr, x + tipChord / 2 - sweep, span / 2);
    cairo_close_path(cr);
}

void Nacelle(cairo_t* cr, const SidePalette& pal, double x, double y, double len)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, len / 2, 1.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    FillStroke(cr, Mix(pal.hull, Black, 0.2), pal.trim, 0.8);
    SetColour(cr, White, 0.8);
    cairo_rectangle(cr, x + len / 2, y - 3.2, 0.9, 6.4);
    cairo_fill(cr);
}

} // namespace

void DrawAircraft(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double S = d.beam;
    const Colour body = pal.hull;
    const bool big = d.kind == Kind::TwinBomber || d.kind == Kind::HeavyBomber || d.kind == Kind::FlyingBoat;
    const double chord = big ? L * 0.2 : L * 0.24;
    const double wingX = d.kind == Kind::FlyingBoat ? L * 0.02 : L * 0.08;
    Wing(cr, wingX, S, chord, chord * 0.55, big ? 1.0 : 1.5);
    ShadeAcross(cr, body, S / 2);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // Tail plane.
    const double tailX = -L / 2 + L * 0.1;
    if (d.kind == Kind::TwinFighter)
    {
        // Twin booms from the engines back to one tail plane.
        for (double y : {-S * 0.2, S * 0.2})
        {
            cairo_rectangle(cr, tailX, y - 1.1, L * 0.55, 2.2);
        }
        FillStroke(cr, body, pal.trim, 0.8);
        cairo_rectangle(cr, tailX - 1.5, -S * 0.24, 3.5, S * 0.48);
        FillStroke(cr, body, pal.trim, 0.8);
        Nacelle(cr, pal, wingX + 2, -S * 0.2, L * 0.36);
        Nacelle(cr, pal, wingX + 2, S * 0.2, L * 0.36);
    }
    else
    {
        Wing(cr, tailX, S * (big ? 0.38 : 0.42), L * 0.14, L * 0.08, 0.8);
        FillStroke(cr, body, pal.trim, 0.9);
    }
    // Fuselage.
    const double fw = d.kind == Kind::FlyingBoat ? L * 0.2 : (big ? L * 0.13 : L * 0.16);
    const double fl = d.kind == Kind::TwinFighter ? L * 0.55 : L;
    const double fx = d.kind == Kind::TwinFighter ? L * 0.12 : 0;
    cairo_save(cr);
    cairo_translate(cr, fx, 0);
    cairo_scale(cr, fl / 2, fw / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    ShadeAcross(cr, Mix(body, Black, 0.1), fw / 2);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // Cockpit glazing.
    cairo_save(cr);
    cairo_translate(cr, fx + fl * (big ? 0.36 : 0.12), 0);
    cairo_scale(cr, fl * 0.08, fw * 0.28);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    SetColour(cr, Hex(0x9fd8ff));
    cairo_fill(cr);
    // Engines and propellers.
    switch (d.kind)
    {
        case Kind::Fighter:
        case Kind::TorpedoBomber:
            SetColour(cr, White, 0.85);
            cairo_rectangle(cr, L / 2 - 0.5, -S * 0.17, 1.0, S * 0.34);
            cairo_fill(cr);
            break;
        case Kind::TwinBomber:
        case Kind::FlyingBoat:
            Nacelle(cr, pal, wingX + 2, -S * 0.22, L * 0.3);
            Nacelle(cr, pal, wingX + 2, S * 0.22, L * 0.3);
            break;
        case Kind::HeavyBomber:
            for (double y : {-S * 0.36, -S * 0.19, S * 0.19, S * 0.36})
            {
                Nacelle(cr, pal, wingX + 1.5 - std::abs(y) * 0.05, y, L * 0.22);
            }
            break;
        default:
            break;
    }
    if (d.kind == Kind::TorpedoBomber)
    {
        SetColour(cr, Hex(0x222222));
        cairo_rectangle(cr, -L * 0.05, fw * 0.25, L * 0.42, 1.6);
        cairo_fill(cr);
    }
    if (d.kind == Kind::FlyingBoat)
    {
        for (double y : {-S * 0.44, S * 0.44})
        {
            cairo_save(cr);
            cairo_translate(cr, wingX, y);
            cairo_scale(cr, 2.6, 1.1);
            cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
            cairo_restore(cr);
            FillStroke(cr, body, pal.trim, 0.6);
        }
    }
    // Wing markings in the side's accent colour.
    for (double y : {-S * 0.33, S * 0.33})
    {
        cairo_arc(cr, wingX - 0.5, y, big ? 2.0 : 1.7, 0, 2 * Pi);
        FillStroke(cr, pal.accent, White, 0.6);
    }
}

void DrawGunSite(cairo_t* cr, const Design& d, const SidePalette& pal, int facing)
{
    // Emplacement ring does not turn; the turret does.
    cairo_arc(cr, 0, 0, 16, 0, 2 * Pi);
    FillStroke(cr, Mix(Concrete, Black, 0.15), Hex(0x3b3a33), 1.2);
    cairo_arc(cr, 0, 0, 12.5, 0, 2 * Pi);
    SetColour(cr, Concrete);
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i)
    {
        const double a = i * Pi / 4 + Pi / 8;
        cairo_arc(cr, 14.3 * std::cos(a), 14.3 * std::sin(a), 1.5, 0, 2 * Pi);
        SetColour(cr, Hex(0x6a6650));
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_rotate(cr, facing * Pi / 4);
    const int barrels = d.variant;
    const double size = 8 + barrels * 1.5;
    for (int i = 0; i < barrels; ++i)
    {
        const double off = (i - (barrels - 1) / 2.0) * 2.6;
        cairo_rectangle(cr, 2, off - 0.9, size + 4, 1.8);
    }
    SetColour(cr, pal.trim);
    cairo_fill(cr);
    RoundedRect(cr, -size / 2, -size / 2, size, size, size * 0.35);
    ShadeAcross(cr, pal.turret, size / 2);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

namespace
{

void Dish(cairo_t* cr, const SidePalette& pal, double x, double y, double r, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, r * 0.45, r);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    FillStroke(cr, Mix(pal.superstructure, Black, 0.1), pal.trim, 1.0);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, r * 0.9, 0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void DrawRadarSite(cairo_t* cr, const SidePalette& pal, int frame)
{
    RoundedRect(cr, -16, -16, 32, 32, 4);
    FillStroke(cr, Concrete, Hex(0x3b3a33), 1.2);
    SetColour(cr, Hex(0x6a6650));
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, -16, 0);
    cairo_line_to(cr, 16, 0);
    cairo_move_to(cr, 0, -16);
    cairo_line_to(cr, 0, 16);
    cairo_stroke(cr);
    // Hut in the side's colour.
    cairo_rectangle(cr, 4, 5, 10, 8);
    FillStroke(cr, pal.turret, pal.trim, 0.9);
    if (frame < 5)
    {
        Dish(cr, pal, -3, -3, 11, frame * Pi / 5);
        return;
    }
    switch (frame)
    {
        case 5: // short-range: one dish on a mast
            Dish(cr, pal, -4, -4, 10, -Pi / 4);
            break;
        case 6: // anti-submarine: dish plus hydrophone cable into the sea
            Dish(cr, pal, -5, -5, 8, -Pi / 4);
            SetColour(cr, pal.accent);
            cairo_set_line_width(cr, 1.2);
            for (int i = 1; i <= 3; ++i)
            {
                cairo_arc(cr, -8, 10, i * 2.5, Pi, 1.5 * Pi);
                cairo_stroke(cr);
            }
            break;
        default: // long-range: a large bedstead array
            cairo_save(cr);
            cairo_translate(cr, -3, -4);
            cairo_rotate(cr, -Pi / 4);
            cairo_rectangle(cr, -11, -3, 22, 6);
            FillStroke(cr, Mix(pal.superstructure, Black, 0.1), pal.trim, 1.0);
            SetColour(cr, pal.trim);
            cairo_set_line_width(cr, 0.6);
            for (int i = -8; i <= 8; i += 4)
            {
                cairo_move_to(cr, i, -3);
                cairo_line_to(cr, i, 3);
            }
            cairo_stroke(cr);
            cairo_restore(cr);
            break;
    }
}

} // namespace olvane::artgen
