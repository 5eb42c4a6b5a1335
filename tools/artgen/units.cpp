#include "units.h"

#include "unit_parts.h"

#include "art/sheets.h"

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


constexpr std::array<int, 8> Dx{1, 1, 0, -1, -1, -1, 0, 1};
constexpr std::array<int, 8> Dy{0, 1, 1, 1, 0, -1, -1, -1};

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
    ShadeAcross(cr, pal.hull, beam / 2);
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
    ShadeAcross(cr, pal.turret, r);
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
    ShadeAcross(cr, pal.superstructure, h / 2);
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
    ShadeAcross(cr, pal.hull, B * 0.36);
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
    ShadeAcross(cr, Mix(pal.hull, Black, 0.45), b);
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
            DrawAircraft(cr, d, pal);
            break;
        case Kind::Gun:
        case Kind::Radar:
            break;
    }
}

} // namespace

void ShadeAcross(cairo_t* cr, Colour base, double halfWidth)
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

const SidePalette& PaletteOf(Side side)
{
    return side == Side::Player ? PlayerColours : ComputerColours;
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
        DrawGunSite(cr, d, pal, facing);
    }
    else if (d.kind == Kind::Radar)
    {
        DrawRadarSite(cr, pal, facing);
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

} // namespace olvane::artgen
