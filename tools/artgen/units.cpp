#include "units.h"

#include "art/sheets.h"
#include "image_io.h"
#include "state/class_table.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace olvane::artgen
{

namespace
{

constexpr SidePalette PlayerColours{Hex(0xa9bdd2), Hex(0x7d93ab), Hex(0xe8eef4), Hex(0x14284a), Hex(0x4f6d92),
                                    Hex(0x2f64c8)};
constexpr SidePalette ComputerColours{Hex(0xc0604a), Hex(0x8a4234), Hex(0xf0d8c4), Hex(0x2a120c), Hex(0x74302a),
                                      Hex(0xffd23c)};

constexpr Colour White = Hex(0xffffff);
constexpr Colour Black = Hex(0x000000);
constexpr Colour Concrete = Hex(0x9c9a8e);

constexpr std::array<int, 8> Dx{1, 1, 0, -1, -1, -1, 0, 1};
constexpr std::array<int, 8> Dy{0, 1, 1, 1, 0, -1, -1, -1};

void Gradient(cairo_t* cr, Colour base, double halfWidth)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -halfWidth, 0, halfWidth);
    const Colour light = Mix(base, White, 0.35);
    const Colour dark = Mix(base, Black, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

/// A hull heading +x, centred on the origin.
void HullPath(cairo_t* cr, double length, double beam, double bowLength, double sternLength)
{
    const double h = length / 2;
    const double b = beam / 2;
    cairo_move_to(cr, h, 0);
    cairo_curve_to(cr, h - bowLength * 0.35, -b * 0.8, h - bowLength * 0.8, -b, h - bowLength, -b);
    cairo_line_to(cr, -h + sternLength, -b);
    cairo_curve_to(cr, -h + sternLength * 0.4, -b, -h, -b * 0.75, -h, -b * 0.4);
    cairo_line_to(cr, -h, b * 0.4);
    cairo_curve_to(cr, -h, b * 0.75, -h + sternLength * 0.4, b, -h + sternLength, b);
    cairo_line_to(cr, h - bowLength, b);
    cairo_curve_to(cr, h - bowLength * 0.8, b, h - bowLength * 0.35, b * 0.8, h, 0);
    cairo_close_path(cr);
}

void Wake(cairo_t* cr, double length, double beam)
{
    const double h = length / 2;
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, White, 0.85);
    cairo_move_to(cr, -h + 1, -beam * 0.3);
    cairo_line_to(cr, -h - 4, -beam * 0.55);
    cairo_move_to(cr, -h + 1, beam * 0.3);
    cairo_line_to(cr, -h - 4, beam * 0.55);
    cairo_stroke(cr);
}

void Hull(cairo_t* cr, const SidePalette& pal, double length, double beam, double bow, double stern)
{
    HullPath(cr, length, beam, bow, stern);
    Gradient(cr, pal.hull, beam / 2);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Deck planking inset from the sides.
    cairo_save(cr);
    cairo_scale(cr, 0.9, 0.62);
    HullPath(cr, length, beam, bow, stern);
    cairo_restore(cr);
    SetColour(cr, pal.deck);
    cairo_fill(cr);
}

void Turret(cairo_t* cr, const SidePalette& pal, double x, double size, bool aft, int barrels)
{
    const double r = size / 2;
    const double dir = aft ? -1 : 1;
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < barrels; ++i)
    {
        const double off = (i - (barrels - 1) / 2.0) * size * 0.3;
        cairo_rectangle(cr, x, off - 0.7, dir * size * 0.95, 1.4);
    }
    SetColour(cr, pal.trim);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x + dir * r * 1.1, 0);
    cairo_arc(cr, x, 0, r, 0, 2 * Pi);
    cairo_new_path(cr);
    cairo_arc(cr, x, 0, r, 0, 2 * Pi);
    Gradient(cr, pal.turret, r);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_stroke(cr);
}

void Funnel(cairo_t* cr, const SidePalette& pal, double x, double w, double h)
{
    cairo_save(cr);
    cairo_translate(cr, x, 0);
    cairo_scale(cr, w / 2, h / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    FillStroke(cr, Mix(pal.superstructure, Black, 0.25), pal.trim, 0.9);
    cairo_save(cr);
    cairo_translate(cr, x, 0);
    cairo_scale(cr, w / 3.2, h / 3.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    SetColour(cr, Hex(0x1a1a1a));
    cairo_fill(cr);
}

void Block(cairo_t* cr, const SidePalette& pal, double x, double y, double w, double h)
{
    RoundedRect(cr, x - w / 2, y - h / 2, w, h, std::min(w, h) * 0.3);
    Gradient(cr, pal.superstructure, h / 2);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void Warship(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double B = d.beam;
    Wake(cr, L, B);
    Hull(cr, pal, L, B, L * 0.3, L * 0.12);
    const double t = d.turretSize;
    // Fore turrets step back from the bow, superfiring; aft turrets step forward from the stern.
    double x = L / 2 - L * 0.2;
    for (int i = 0; i < d.turretsFore; ++i)
    {
        Turret(cr, pal, x, t, false, d.kind == Kind::Battleship ? 3 : 2);
        x -= t * 1.15;
    }
    const double foreEnd = x + t * 0.4;
    double ax = -L / 2 + L * 0.13;
    for (int i = 0; i < d.turretsAft; ++i)
    {
        Turret(cr, pal, ax, t, true, d.kind == Kind::Battleship ? 3 : 2);
        ax += t * 1.15;
    }
    const double aftEnd = ax - t * 0.4;
    const double mid = (foreEnd + aftEnd) / 2;
    const double span = std::max(4.0, foreEnd - aftEnd);
    Block(cr, pal, mid + span * 0.12, 0, span * 0.75, B * 0.55);
    for (int i = 0; i < d.funnels; ++i)
    {
        const double fx = mid - span * 0.1 - i * std::max(3.5, span * 0.2);
        Funnel(cr, pal, fx, std::max(3.0, B * 0.3), std::max(2.6, B * 0.3));
    }
    // Bridge at the front of the superstructure.
    Block(cr, pal, mid + span * 0.42, 0, std::max(2.5, span * 0.14), B * 0.42);
    if (d.variant == 1)
    {
        // Anti-submarine ships: a depth-charge rack across the stern and an aircraft deck.
        SetColour(cr, pal.trim);
        cairo_set_line_width(cr, 1.0);
        for (int i = 0; i < 3; ++i)
        {
            cairo_arc(cr, -L / 2 + 3 + i * 2.6, 0, 0.9, 0, 2 * Pi);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, -L / 2 + L * 0.12, -B * 0.28, L * 0.12, B * 0.56);
        SetColour(cr, Mix(pal.deck, White, 0.35));
        cairo_fill(cr);
        CentredText(cr, "H", -L / 2 + L * 0.18, 0, B * 0.4);
    }
}

void Carrier(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double B = d.beam;
    Wake(cr, L, B * 0.7);
    HullPath(cr, L, B * 0.72, L * 0.22, L * 0.08);
    Gradient(cr, pal.hull, B * 0.36);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    // Flight deck: wider than the hull, squared at the stern, tapering to a blunt bow.
    const double h = L / 2;
    const double b = B / 2;
    cairo_move_to(cr, -h + 1, -b * 0.85);
    cairo_line_to(cr, h - L * 0.14, -b * 0.85);
    cairo_line_to(cr, h - 2, -b * 0.35);
    cairo_line_to(cr, h - 2, b * 0.35);
    cairo_line_to(cr, h - L * 0.14, b * 0.85);
    cairo_line_to(cr, -h + 1, b * 0.85);
    cairo_close_path(cr);
    const Colour deck = Mix(pal.deck, Hex(0x555555), 0.35);
    FillStroke(cr, deck, pal.trim, 1.1);
    // Centre line and landing marks.
    SetColour(cr, White, 0.95);
    cairo_set_line_width(cr, 0.9);
    const double dash[] = {3.0, 2.5};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, -h + 3, 0);
    cairo_line_to(cr, h - 4, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_rectangle(cr, -h + 3, -b * 0.55, 1.4, b * 1.1);
    cairo_fill(cr);
    // Elevators.
    SetColour(cr, Mix(deck, Black, 0.3));
    cairo_rectangle(cr, h * 0.35, -b * 0.3, L * 0.07, b * 0.6);
    cairo_rectangle(cr, -h * 0.4, -b * 0.3, L * 0.07, b * 0.6);
    cairo_fill(cr);
    // Island to starboard (the right-hand side when looking forward).
    if (d.variant != 2)
    {
        const double ix = L * 0.05;
        Block(cr, pal, ix, b * 0.72, L * 0.16, b * 0.38);
        Funnel(cr, pal, ix - L * 0.03, 3.2, 2.8);
    }
    // A parked aircraft silhouette at the stern reads as "carrier" even at 30 pixels.
    SetColour(cr, pal.accent);
    for (int i = 0; i < 2; ++i)
    {
        const double px = -h + L * 0.16 + i * 7;
        cairo_move_to(cr, px + 2.5, 0 - b * 0.3);
        cairo_line_to(cr, px - 1.5, 0 - b * 0.3);
        cairo_move_to(cr, px + 1.5, -b * 0.3 - 3);
        cairo_line_to(cr, px + 1.5, -b * 0.3 + 3);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
}

void Submarine(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double B = d.beam;
    Wake(cr, L, B);
    const double h = L / 2;
    const double b = B / 2;
    cairo_move_to(cr, h, 0);
    cairo_curve_to(cr, h - 2, -b, h - L * 0.25, -b, h - L * 0.3, -b);
    cairo_line_to(cr, -h + L * 0.3, -b);
    cairo_curve_to(cr, -h + L * 0.15, -b, -h, -b * 0.4, -h, 0);
    cairo_curve_to(cr, -h, b * 0.4, -h + L * 0.15, b, -h + L * 0.3, b);
    cairo_line_to(cr, h - L * 0.3, b);
    cairo_curve_to(cr, h - L * 0.25, b, h - 2, b, h, 0);
    cairo_close_path(cr);
    Gradient(cr, Mix(pal.hull, Black, 0.45), b);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    // Casing line and conning tower.
    SetColour(cr, Mix(pal.hull, Black, 0.15));
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, h - 4, 0);
    cairo_line_to(cr, -h + 4, 0);
    cairo_stroke(cr);
    RoundedRect(cr, L * 0.02, -b * 0.75, L * 0.2, b * 1.5, b * 0.7);
    FillStroke(cr, pal.hull, pal.trim, 0.9);
    if (d.variant == 1)
    {
        Turret(cr, pal, L * 0.3, 3.2, false, 1);
    }
}

void Merchant(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double B = d.beam;
    Wake(cr, L, B);
    Hull(cr, pal, L, B, L * 0.16, L * 0.1);
    const Colour hatch = Mix(pal.deck, Black, 0.35);
    if (d.kind == Kind::Transport)
    {
        for (double hx : {L * 0.25, L * 0.1, -L * 0.3})
        {
            cairo_rectangle(cr, hx - L * 0.06, -B * 0.22, L * 0.12, B * 0.44);
            FillStroke(cr, hatch, pal.trim, 0.7);
        }
        Block(cr, pal, -L * 0.1, 0, L * 0.16, B * 0.62);
        Funnel(cr, pal, -L * 0.14, 3.4, 3.0);
    }
    else
    {
        // Auxiliary: a repair ship with derricks and a workshop deck.
        Block(cr, pal, L * 0.2, 0, L * 0.18, B * 0.6);
        Block(cr, pal, -L * 0.15, 0, L * 0.3, B * 0.5);
        Funnel(cr, pal, -L * 0.05, 3.4, 3.0);
        SetColour(cr, pal.trim);
        cairo_set_line_width(cr, 1.1);
        cairo_move_to(cr, L * 0.05, -B * 0.45);
        cairo_line_to(cr, L * 0.05, B * 0.45);
        cairo_move_to(cr, -L * 0.33, -B * 0.45);
        cairo_line_to(cr, -L * 0.33, B * 0.45);
        cairo_stroke(cr);
        SetColour(cr, pal.accent);
        cairo_rectangle(cr, L * 0.34, -1.4, 4.0, 2.8);
        cairo_rectangle(cr, L * 0.34 + 0.6, -2.0, 2.8, 4.0);
        cairo_fill(cr);
    }
}

void SmallShip(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double B = d.beam;
    Wake(cr, L, B);
    Hull(cr, pal, L, B, L * 0.35, L * 0.1);
    if (d.turretsFore > 0)
    {
        Turret(cr, pal, L * 0.22, d.turretSize, false, 1);
    }
    if (d.turretsAft > 0)
    {
        Turret(cr, pal, -L * 0.3, d.turretSize, true, 1);
    }
    Block(cr, pal, L * 0.03, 0, L * 0.22, B * 0.58);
    if (d.funnels > 0)
    {
        Funnel(cr, pal, -L * 0.1, 3.0, 2.8);
    }
    if (d.variant == 1)
    {
        // Torpedo tubes on both beams.
        SetColour(cr, pal.trim);
        cairo_rectangle(cr, -L * 0.22, -B * 0.42, L * 0.16, 1.3);
        cairo_rectangle(cr, -L * 0.22, B * 0.42 - 1.3, L * 0.16, 1.3);
        cairo_fill(cr);
    }
}

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

void Aircraft(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    const double L = d.length;
    const double S = d.beam;
    const Colour body = pal.hull;
    const bool big = d.kind == Kind::TwinBomber || d.kind == Kind::HeavyBomber || d.kind == Kind::FlyingBoat;
    const double chord = big ? L * 0.2 : L * 0.24;
    const double wingX = d.kind == Kind::FlyingBoat ? L * 0.02 : L * 0.08;
    Wing(cr, wingX, S, chord, chord * 0.55, big ? 1.0 : 1.5);
    Gradient(cr, body, S / 2);
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
    Gradient(cr, Mix(body, Black, 0.1), fw / 2);
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

void GunSite(cairo_t* cr, const Design& d, const SidePalette& pal, int facing)
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
    Gradient(cr, pal.turret, size / 2);
    cairo_fill_preserve(cr);
    SetColour(cr, pal.trim);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

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

/// Radar station: frames 0..4 the dish turning, 5..7 the three stations.
void RadarSite(cairo_t* cr, const SidePalette& pal, int frame)
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

void DrawShape(cairo_t* cr, const Design& d, const SidePalette& pal)
{
    switch (d.kind)
    {
        case Kind::Transport:
        case Kind::Auxiliary:
            Merchant(cr, d, pal);
            break;
        case Kind::Submarine:
            Submarine(cr, d, pal);
            break;
        case Kind::SmallCombatant:
        case Kind::Launch:
            SmallShip(cr, d, pal);
            break;
        case Kind::Destroyer:
        case Kind::Cruiser:
        case Kind::Battleship:
            Warship(cr, d, pal);
            break;
        case Kind::Carrier:
            Carrier(cr, d, pal);
            break;
        case Kind::Fighter:
        case Kind::TwinFighter:
        case Kind::TorpedoBomber:
        case Kind::FlyingBoat:
        case Kind::TwinBomber:
        case Kind::HeavyBomber:
            Aircraft(cr, d, pal);
            break;
        case Kind::Gun:
        case Kind::Radar:
            break;
    }
}

Design Ship(Kind kind, double length, double beam, int fore, int aft, int funnels, double turret, int variant = 0)
{
    return Design{kind, length, beam, fore, aft, funnels, turret, variant};
}

Design Plane(Kind kind, double length, double span)
{
    return Design{kind, length, span, 0, 0, 0, 0, 0};
}

} // namespace

const SidePalette& PaletteOf(Side side)
{
    return side == Side::Player ? PlayerColours : ComputerColours;
}

Design DesignForClass(int c)
{
    switch (c)
    {
        case 2: return Ship(Kind::Transport, 30, 10, 0, 0, 1, 0);
        case 3: return Ship(Kind::Transport, 35, 11, 0, 0, 1, 0);
        case 6: return Ship(Kind::Transport, 38, 12.5, 0, 0, 1, 0);
        case 10: return Ship(Kind::Submarine, 30, 5.5, 0, 0, 0, 0);
        case 13: return Ship(Kind::Submarine, 35, 6, 0, 0, 0, 0);
        case 16: return Ship(Kind::Submarine, 37, 6.8, 0, 0, 0, 0, 1);
        case 18: return Ship(Kind::Submarine, 39, 6.5, 0, 0, 0, 0, 1);
        case 20: return Ship(Kind::SmallCombatant, 29, 8, 1, 0, 1, 4.5);
        case 23: return Ship(Kind::SmallCombatant, 23, 6.5, 1, 0, 0, 3.5);
        case 26: return Ship(Kind::SmallCombatant, 26, 6.5, 1, 0, 0, 3.5, 1);
        case 30: return Ship(Kind::SmallCombatant, 32, 8, 1, 1, 1, 4.5);
        case 40: return Ship(Kind::Destroyer, 36, 7, 1, 1, 2, 4.5);
        case 43: return Ship(Kind::Destroyer, 38, 7.5, 1, 1, 2, 5);
        case 46: return Ship(Kind::Destroyer, 39, 8, 2, 1, 2, 5);
        case 48: return Ship(Kind::Destroyer, 40, 8, 2, 2, 2, 4.8, 1);
        case 50: return Ship(Kind::Cruiser, 72, 12, 2, 2, 2, 7);
        case 51: return Ship(Kind::Cruiser, 66, 11.5, 1, 1, 1, 7);
        case 52: return Ship(Kind::Cruiser, 70, 12, 2, 0, 2, 7, 1);
        case 53: return Ship(Kind::Cruiser, 76, 13, 2, 2, 2, 7.5);
        case 54: return Ship(Kind::Cruiser, 76, 13, 2, 1, 2, 7.5, 1);
        case 56: return Ship(Kind::Cruiser, 78, 14, 2, 1, 2, 8.5);
        case 58: return Ship(Kind::Cruiser, 79, 13.5, 3, 2, 1, 7.5);
        case 60: return Ship(Kind::Battleship, 80, 15, 2, 2, 2, 9.5);
        case 63: return Ship(Kind::Battleship, 80, 18, 2, 2, 1, 11);
        case 66: return Ship(Kind::Battleship, 82, 20, 2, 1, 1, 12.5);
        case 68: return Ship(Kind::Battleship, 82, 18.5, 3, 1, 2, 10.5);
        case 70: return Ship(Kind::Carrier, 74, 16, 0, 0, 0, 0);
        case 71: return Ship(Kind::Carrier, 68, 14.5, 0, 0, 0, 0, 2);
        case 72: return Ship(Kind::Carrier, 74, 16, 0, 0, 0, 0, 1);
        case 73: return Ship(Kind::Carrier, 81, 19, 0, 0, 0, 0);
        case 74: return Ship(Kind::Carrier, 80, 17, 0, 0, 0, 0);
        case 76:
        case 78: return Ship(Kind::Carrier, 82, 21, 0, 0, 0, 0);
        case 80: return Plane(Kind::Fighter, 24, 30);
        case 81: return Plane(Kind::TwinFighter, 26, 34);
        case 82:
        case 83: return Plane(Kind::TorpedoBomber, 28, 33);
        case 84: return Plane(Kind::FlyingBoat, 28, 39);
        case 86: return Plane(Kind::TwinBomber, 30, 36);
        case 87: return Plane(Kind::HeavyBomber, 32, 39);
        case 88: return Plane(Kind::HeavyBomber, 36, 41);
        case 90: return Ship(Kind::Auxiliary, 32, 10, 0, 0, 1, 0);
        case 93:
        case 96: return Ship(Kind::Auxiliary, 36, 11, 0, 0, 1, 0);
        case 100: return Design{Kind::Gun, 30, 30, 0, 0, 0, 0, 1};
        case 103: return Design{Kind::Gun, 30, 30, 0, 0, 0, 0, 2};
        case 106: return Design{Kind::Gun, 30, 30, 0, 0, 0, 0, 3};
        case 107: return Design{Kind::Radar, 30, 30, 0, 0, 0, 0, 5};
        case 108: return Design{Kind::Radar, 30, 30, 0, 0, 0, 0, 6};
        case 109: return Design{Kind::Radar, 30, 30, 0, 0, 0, 0, 7};
        default: return Ship(Kind::Launch, 20, 6, 1, 0, 0, 3);
    }
}

bool IsTwoCell(const Design& d)
{
    return d.kind == Kind::Cruiser || d.kind == Kind::Battleship || d.kind == Kind::Carrier;
}

void DrawUnit(cairo_t* cr, const Design& d, Side side, int facing)
{
    const SidePalette& pal = PaletteOf(side);
    cairo_save(cr);
    cairo_translate(cr, art::CellSize / 2.0, art::CellSize / 2.0);
    if (d.kind == Kind::Gun)
    {
        GunSite(cr, d, pal, facing);
    }
    else if (d.kind == Kind::Radar)
    {
        RadarSite(cr, pal, facing);
    }
    else
    {
        cairo_rotate(cr, facing * Pi / 4);
        DrawShape(cr, d, pal);
    }
    cairo_restore(cr);
}

void DrawTwoCellShip(cairo_t* cr, const Design& d, Side side, int facing)
{
    const double c = art::CellSize;
    cairo_save(cr);
    cairo_translate(cr, 1.5 * c - Dx[facing] * c / 2, 1.5 * c - Dy[facing] * c / 2);
    cairo_rotate(cr, facing * Pi / 4);
    Design along = d;
    if (facing % 2 == 1)
    {
        along.length = std::min(d.length * 1.28, 104.0);
    }
    DrawShape(cr, along, PaletteOf(side));
    cairo_restore(cr);
}

void WriteUnitSheets(const std::filesystem::path& root)
{
    ClassTable table;
    InitShipClasses(table);
    // Which design each sprite row, large picture and icon shows. The class table decides; rows
    // shared by several classes show the first of them.
    std::array<int, art::SpriteRowCount> rowClass{};
    std::array<int, art::SpriteRowCount> rowHalf{}; // 0 one cell, 1 bow, 2 stern
    std::array<int, art::BigPictureCount> bigClass{};
    std::array<int, art::IconCount> iconClass{};
    for (int c = 1; c <= ClassCount; ++c)
    {
        const ClassRec& rec = table.Class(c);
        if (rec.Name.Length == 0)
        {
            continue;
        }
        const int row = rec.Sprite;
        if (rowClass[row] == 0)
        {
            rowClass[row] = c;
            rowHalf[row] = HasSecondUnit(c) ? 1 : 0;
            if (HasSecondUnit(c))
            {
                rowClass[row + 1] = c;
                rowHalf[row + 1] = 2;
            }
        }
        if (rec.BigSprite >= 100 && bigClass[rec.BigSprite - 100] == 0)
        {
            bigClass[rec.BigSprite - 100] = c;
        }
        if (iconClass[rec.Icon] == 0)
        {
            iconClass[rec.Icon] = c;
        }
    }

    for (Side side : {Side::Player, Side::Computer})
    {
        const auto& sheets = side == Side::Player ? art::PlayerSpriteSheets : art::ComputerSpriteSheets;
        for (int file = 0; file < 3; ++file)
        {
            DrawSheet(root, sheets[file], [&](cairo_t* cr, int frame) {
                const int row = file * art::SpriteRowsPerFile + frame / art::FacingCount;
                const int facing = frame % art::FacingCount;
                const Design d = DesignForClass(rowClass[row]);
                if (rowHalf[row] == 0)
                {
                    DrawUnit(cr, d, side, facing);
                    return;
                }
                // The stern cell lies one step behind the bow on the 3 x 3 plan.
                const int cellX = rowHalf[row] == 1 ? 1 : 1 - Dx[facing];
                const int cellY = rowHalf[row] == 1 ? 1 : 1 - Dy[facing];
                cairo_translate(cr, -cellX * art::CellSize, -cellY * art::CellSize);
                DrawTwoCellShip(cr, d, side, facing);
            });
        }
        DrawSheet(root, side == Side::Player ? art::PlayerBigSheet : art::ComputerBigSheet,
                  [&](cairo_t* cr, int frame) {
                      const int facing = frame % art::FacingCount;
                      const Design d = DesignForClass(bigClass[frame / art::FacingCount]);
                      const int blockX = std::min(1, 1 - Dx[facing]);
                      const int blockY = std::min(1, 1 - Dy[facing]);
                      cairo_translate(cr, -blockX * art::CellSize, -blockY * art::CellSize);
                      DrawTwoCellShip(cr, d, side, facing);
                  });
    }
    DrawSheet(root, art::IconSheet, [&](cairo_t* cr, int frame) {
        DrawSideView(cr, DesignForClass(iconClass[frame]), art::IconSheet.frameWidth, art::IconSheet.frameHeight,
                     SideStyle::Silhouette);
    });
    DrawSheet(root, art::ClassPictureSheet, [&](cairo_t* cr, int frame) {
        DrawSideView(cr, DesignForClass(iconClass[frame]), art::ClassPictureSheet.frameWidth,
                     art::ClassPictureSheet.frameHeight, SideStyle::Painted);
    });
}

} // namespace olvane::artgen
