#include "map_tiles.h"

#include "art/sheets.h"
#include "draw_util.h"
#include "terrain_features.h"
#include "image_io.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace olvane::artgen
{

namespace
{

constexpr double C = art::CellSize;
constexpr Colour Sea = Hex(0x1d4270);
constexpr Colour SeaDark = Hex(0x173760);
constexpr Colour SeaLight = Hex(0x2a5a8c);
constexpr Colour Shallows = Hex(0x3a77a8);
constexpr Colour ChartLine = Hex(0x16335a);
constexpr double CoastInset = 6;

/// The ground colours and texture of a land set.
struct LandStyle
{
    Colour ground, light, dark, beach;
    int texture; ///< 0 lowland, 1 snow, 2 rocks, 3 tropical, 4 deciduous, 5 steppe, 6 stones
};

constexpr std::array<LandStyle, art::LandSetCount> LandStyles{{
    {Hex(0xb9b47c), Hex(0xd2cc96), Hex(0x8f8a58), Hex(0xe8d9a0), 0},
    {Hex(0xe4ebf0), Hex(0xfbfdff), Hex(0xb4c3d2), Hex(0xd0dce6), 1},
    {Hex(0x9d8f7c), Hex(0xbcae98), Hex(0x6e6252), Hex(0xd8c9a4), 2},
    {Hex(0x3f7a3a), Hex(0x5a9a48), Hex(0x2a5626), Hex(0xe6d59a), 3},
    {Hex(0x6f9450), Hex(0x93b468), Hex(0x4c6c36), Hex(0xe4d6a0), 4},
    {Hex(0xc9b26a), Hex(0xe0cc86), Hex(0x9c864a), Hex(0xeedfa8), 5},
    {Hex(0xa4a49a), Hex(0xc4c4b8), Hex(0x76766c), Hex(0xdcd2b0), 6},
}};

void Grid(cairo_t* cr)
{
    // A faint chart grid on every cell's top and left edge, so the squares read without a frame.
    SetColour(cr, ChartLine, 0.9);
    cairo_rectangle(cr, 0, 0, C, 1);
    cairo_rectangle(cr, 0, 0, 1, C);
    cairo_fill(cr);
}

void SeaTile(cairo_t* cr, int variant)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, C, C);
    cairo_pattern_add_color_stop_rgb(p, 0, SeaLight.r * 0.5 + Sea.r * 0.5, SeaLight.g * 0.5 + Sea.g * 0.5,
                                     SeaLight.b * 0.5 + Sea.b * 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, SeaDark.r, SeaDark.g, SeaDark.b);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    if (variant != art::CalmSeaVariant)
    {
        // Wave flecks: short arcs, a different few on each variant.
        Noise n(static_cast<std::uint32_t>(variant + 1) * 977u);
        const int count = 2 + variant % 3;
        cairo_set_line_width(cr, 1.0);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < count; ++i)
        {
            const double x = n.Range(6, C - 10);
            const double y = n.Range(6, C - 6);
            const double w = n.Range(4, 8);
            SetColour(cr, Hex(0x6d9bc8), 0.7);
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + w * 0.3, y - 2, x + w * 0.7, y - 2, x + w, y);
            cairo_stroke(cr);
        }
    }
    Grid(cr);
}

void Texture(cairo_t* cr, const LandStyle& s, int variant, int set)
{
    SetColour(cr, s.ground);
    cairo_paint(cr);
    Noise n(static_cast<std::uint32_t>(set * 131 + variant * 17 + 5));
    switch (s.texture)
    {
        case 1: // snow: soft drifts
            for (int i = 0; i < 5; ++i)
            {
                const double x = n.Range(0, C), y = n.Range(0, C);
                SetColour(cr, i % 2 ? s.light : s.dark, 0.8);
                cairo_set_line_width(cr, 1.2);
                cairo_move_to(cr, x - 6, y);
                cairo_curve_to(cr, x - 2, y - 3, x + 2, y - 3, x + 6, y);
                cairo_stroke(cr);
            }
            break;
        case 2: // rocks: angular slabs
        case 6: // stones: rounded pebbles
            for (int i = 0; i < (s.texture == 2 ? 7 : 12); ++i)
            {
                const double x = n.Range(0, C), y = n.Range(0, C), r = n.Range(1.5, s.texture == 2 ? 4.5 : 3);
                if (s.texture == 2)
                {
                    cairo_move_to(cr, x - r, y + r * 0.6);
                    cairo_line_to(cr, x - r * 0.2, y - r);
                    cairo_line_to(cr, x + r, y - r * 0.3);
                    cairo_line_to(cr, x + r * 0.6, y + r * 0.8);
                    cairo_close_path(cr);
                }
                else
                {
                    cairo_save(cr);
                    cairo_translate(cr, x, y);
                    cairo_scale(cr, r, r * 0.7);
                    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
                    cairo_restore(cr);
                }
                SetColour(cr, i % 3 ? s.light : s.dark);
                cairo_fill_preserve(cr);
                SetColour(cr, s.dark);
                cairo_set_line_width(cr, 0.6);
                cairo_stroke(cr);
            }
            break;
        case 3: // tropical forest: dense crowns
        case 4: // deciduous forest: rounder, paler crowns
            for (int i = 0; i < 11; ++i)
            {
                const double x = n.Range(0, C), y = n.Range(0, C), r = n.Range(3, s.texture == 3 ? 5.5 : 4.5);
                cairo_arc(cr, x + 0.8, y + 0.8, r, 0, 2 * Pi);
                SetColour(cr, s.dark);
                cairo_fill(cr);
                cairo_arc(cr, x, y, r, 0, 2 * Pi);
                SetColour(cr, i % 2 ? s.light : s.ground);
                cairo_fill(cr);
            }
            break;
        default: // lowland and steppe: grass strokes and speckle
            for (int i = 0; i < 18; ++i)
            {
                const double x = n.Range(0, C), y = n.Range(0, C);
                SetColour(cr, i % 2 ? s.light : s.dark, 0.9);
                cairo_set_line_width(cr, 1.0);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + n.Range(-1.5, 1.5), y - n.Range(2, 4));
                cairo_stroke(cr);
            }
            break;
    }
}

/// The land outline of a coast cell: insets on the sea sides, rounded where two sea sides meet.
void ShapePath(cairo_t* cr, int mask)
{
    const double m = CoastInset;
    const double l = mask & art::SeaWest ? m : -2;
    const double t = mask & art::SeaNorth ? m : -2;
    const double r = mask & art::SeaEast ? C - m : C + 2;
    const double b = mask & art::SeaSouth ? C - m : C + 2;
    const double rad = 11;
    const bool nw = (mask & art::SeaNorth) && (mask & art::SeaWest);
    const bool ne = (mask & art::SeaNorth) && (mask & art::SeaEast);
    const bool se = (mask & art::SeaSouth) && (mask & art::SeaEast);
    const bool sw = (mask & art::SeaSouth) && (mask & art::SeaWest);
    cairo_new_path(cr);
    if (nw)
    {
        cairo_arc(cr, l + rad, t + rad, rad, Pi, 1.5 * Pi);
    }
    else
    {
        cairo_move_to(cr, l, t);
    }
    if (ne)
    {
        cairo_arc(cr, r - rad, t + rad, rad, 1.5 * Pi, 2 * Pi);
    }
    else
    {
        cairo_line_to(cr, r, t);
    }
    if (se)
    {
        cairo_arc(cr, r - rad, b - rad, rad, 0, 0.5 * Pi);
    }
    else
    {
        cairo_line_to(cr, r, b);
    }
    if (sw)
    {
        cairo_arc(cr, l + rad, b - rad, rad, 0.5 * Pi, Pi);
    }
    else
    {
        cairo_line_to(cr, l, b);
    }
    cairo_close_path(cr);
}

void Beach(cairo_t* cr, const LandStyle& s)
{
    // The beach straddles the shoreline; a thin dark coastline sits on its seaward edge.
    cairo_save(cr);
    SetColour(cr, ChartLine);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke_preserve(cr);
    SetColour(cr, s.beach);
    cairo_set_line_width(cr, 4.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void CoastShape(cairo_t* cr, const LandStyle& s, int mask, int set)
{
    SetColour(cr, Shallows);
    cairo_paint(cr);
    Grid(cr);
    cairo_save(cr);
    ShapePath(cr, mask);
    cairo_clip(cr);
    Texture(cr, s, mask % 8, set);
    cairo_restore(cr);
    // Only the seaward sides get a beach: stroke within a clip that leaves out the land edges.
    cairo_save(cr);
    const double l = mask & art::SeaWest ? -5 : 1.5;
    const double t = mask & art::SeaNorth ? -5 : 1.5;
    const double r = mask & art::SeaEast ? C + 5 : C - 1.5;
    const double b = mask & art::SeaSouth ? C + 5 : C - 1.5;
    cairo_rectangle(cr, l, t, r - l, b - t);
    cairo_clip(cr);
    ShapePath(cr, mask);
    Beach(cr, s);
    cairo_restore(cr);
}

/// Corner 0..3 = NW, NE, SE, SW as a point of the cell.
void CornerPoint(int corner, double& x, double& y)
{
    x = corner == 1 || corner == 2 ? C : 0;
    y = corner >= 2 ? C : 0;
}

void Notch(cairo_t* cr, const LandStyle& s, int corner)
{
    double x, y;
    CornerPoint(corner, x, y);
    cairo_arc(cr, x, y, CoastInset + 3, 0, 2 * Pi);
    SetColour(cr, Shallows);
    cairo_fill_preserve(cr);
    Beach(cr, s);
}

void Relief(cairo_t* cr, const LandStyle& s, int k)
{
    const Colour ink = Mix(s.dark, Hex(0x000000), 0.25);
    SetColour(cr, ink);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double cx = 21, cy = 23;
    switch (k)
    {
        case 0: // hill
            cairo_arc(cr, cx, cy + 6, 10, Pi * 1.1, Pi * 1.9);
            cairo_stroke(cr);
            break;
        case 1: // hills
            cairo_arc(cr, cx - 6, cy + 6, 7, Pi * 1.1, Pi * 1.9);
            cairo_stroke(cr);
            cairo_arc(cr, cx + 7, cy + 8, 6, Pi * 1.1, Pi * 1.9);
            cairo_stroke(cr);
            break;
        case 2: // ridge with hachures
            cairo_move_to(cr, cx - 12, cy + 4);
            cairo_line_to(cr, cx, cy - 4);
            cairo_line_to(cr, cx + 12, cy + 2);
            cairo_stroke(cr);
            for (int i = -10; i <= 10; i += 4)
            {
                const double top = cy - 4 + std::abs(i) * 0.7;
                cairo_move_to(cr, cx + i, top + 1);
                cairo_line_to(cr, cx + i, top + 5);
            }
            cairo_stroke(cr);
            break;
        case 3: // peak
            cairo_move_to(cr, cx - 9, cy + 8);
            cairo_line_to(cr, cx, cy - 8);
            cairo_line_to(cr, cx + 9, cy + 8);
            cairo_close_path(cr);
            SetColour(cr, s.dark);
            cairo_fill_preserve(cr);
            SetColour(cr, ink);
            cairo_stroke(cr);
            cairo_move_to(cr, cx - 3, cy - 2);
            cairo_line_to(cr, cx, cy - 8);
            cairo_line_to(cr, cx + 3, cy - 2);
            cairo_close_path(cr);
            SetColour(cr, Hex(0xf4f6f8));
            cairo_fill(cr);
            break;
        case 4: // grove
        case 5: // rocks
        case 6: // knoll
        case 7: // dunes
        default:
        {
            Noise n(static_cast<std::uint32_t>(k * 7 + 3));
            for (int i = 0; i < 4; ++i)
            {
                const double x = cx + n.Range(-10, 10), y = cy + n.Range(-8, 8);
                if (k == 4 || k == 8)
                {
                    cairo_arc(cr, x, y, 3.5, 0, 2 * Pi);
                    SetColour(cr, Hex(0x3d6b2e));
                    cairo_fill_preserve(cr);
                    SetColour(cr, Hex(0x1f3a18));
                    cairo_set_line_width(cr, 0.8);
                    cairo_stroke(cr);
                }
                else if (k == 5 || k == 9)
                {
                    cairo_rectangle(cr, x - 2, y - 1.5, 4, 3);
                    SetColour(cr, Hex(0x6d6a62));
                    cairo_fill_preserve(cr);
                    SetColour(cr, ink);
                    cairo_set_line_width(cr, 0.7);
                    cairo_stroke(cr);
                }
                else if (k == 6 || k == 10)
                {
                    cairo_arc(cr, x, y, 2.5, Pi, 2 * Pi);
                    cairo_stroke(cr);
                }
                else
                {
                    cairo_move_to(cr, x - 4, y);
                    cairo_curve_to(cr, x - 1, y - 3, x + 1, y - 3, x + 4, y);
                    cairo_stroke(cr);
                }
            }
            break;
        }
    }
}

void ShallowsSide(cairo_t* cr, int side)
{
    // A light band against the land and a dotted depth contour beyond it.
    cairo_save(cr);
    cairo_translate(cr, C / 2, C / 2);
    cairo_rotate(cr, side * Pi / 2);
    cairo_translate(cr, -C / 2, -C / 2);
    SetColour(cr, Shallows);
    cairo_rectangle(cr, 0, 0, C, CoastInset);
    cairo_fill(cr);
    SetColour(cr, Hex(0x7fb2da));
    cairo_set_line_width(cr, 1.0);
    const double dash[] = {1.5, 2.5};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, 0, CoastInset + 4.5);
    cairo_line_to(cr, C, CoastInset + 4.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ShallowsCorner(cairo_t* cr, int corner)
{
    double x, y;
    CornerPoint(corner, x, y);
    cairo_arc(cr, x, y, CoastInset + 1, 0, 2 * Pi);
    SetColour(cr, Shallows);
    cairo_fill(cr);
    SetColour(cr, Hex(0x7fb2da));
    cairo_set_line_width(cr, 1.0);
    const double dash[] = {1.5, 2.5};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_arc(cr, x, y, CoastInset + 5.5, 0, 2 * Pi);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void LandFrame(cairo_t* cr, int set, int frame)
{
    const LandStyle& s = LandStyles[static_cast<std::size_t>(set)];
    const int row = frame / 8;
    const int col = frame % 8;
    switch (row)
    {
        case 0:
            Texture(cr, s, col, set);
            break;
        case 1:
        case 2:
            if (frame - 8 == 0)
            {
                Texture(cr, s, 0, set);
            }
            else
            {
                CoastShape(cr, s, frame - 8, set);
            }
            break;
        case 3:
            if (col < 4)
            {
                Notch(cr, s, col);
            }
            else
            {
                Relief(cr, s, col - 4);
            }
            break;
        case 4:
            if (col < 4)
            {
                ShallowsSide(cr, col);
            }
            else
            {
                ShallowsCorner(cr, col - 4);
            }
            break;
        default:
            Relief(cr, s, col + 4);
            break;
    }
}

void CoastCorner(cairo_t* cr, int frame)
{
    const int corner = frame % 4;
    const double leg = frame < 4 ? 22 : 13;
    double x, y;
    CornerPoint(corner, x, y);
    const double sx = x == 0 ? 1 : -1;
    const double sy = y == 0 ? 1 : -1;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + sx * leg, y);
    cairo_line_to(cr, x, y + sy * leg);
    cairo_close_path(cr);
    SetColour(cr, Shallows);
    cairo_fill(cr);
    cairo_move_to(cr, x + sx * leg, y);
    cairo_line_to(cr, x, y + sy * leg);
    SetColour(cr, ChartLine);
    cairo_set_line_width(cr, 5.0);
    cairo_stroke_preserve(cr);
    SetColour(cr, Hex(0xe8d9a0));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
}

void Port(cairo_t* cr, int frame)
{
    const bool major = frame < 2;
    const bool player = frame % 2 == 0;
    SeaTile(cr, art::CalmSeaVariant);
    const Colour quay = Hex(0xc8c2b0);
    const Colour edge = Hex(0x2b2a24);
    // Quay along the top, piers reaching into the basin.
    cairo_rectangle(cr, 1, 1, C - 2, major ? 12 : 10);
    FillStroke(cr, quay, edge, 1.0);
    const int piers = major ? 3 : 2;
    for (int i = 0; i < piers; ++i)
    {
        const double px = 6 + i * (C - 16) / (piers - 1);
        cairo_rectangle(cr, px, 10, 4, major ? 24 : 18);
        FillStroke(cr, quay, edge, 0.9);
    }
    // Warehouses.
    for (int i = 0; i < (major ? 3 : 2); ++i)
    {
        cairo_rectangle(cr, 4 + i * 12, 3, 9, 5);
        FillStroke(cr, Hex(0x9a5a3c), edge, 0.7);
    }
    // The owner's pennant: navy for the player, red for the enemy; a major port flies two.
    const Colour flag = player ? Hex(0x1f3f9a) : Hex(0xc62a24);
    for (int i = 0; i < (major ? 2 : 1); ++i)
    {
        const double fx = C - 9 - i * 9;
        cairo_move_to(cr, fx, 30);
        cairo_line_to(cr, fx, 14);
        SetColour(cr, edge);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_move_to(cr, fx, 14);
        cairo_line_to(cr, fx + 7, 17);
        cairo_line_to(cr, fx, 20);
        cairo_close_path(cr);
        FillStroke(cr, flag, Hex(0xffffff), 0.7);
    }
    if (major)
    {
        // An anchor marks the major port at every scale.
        SetColour(cr, Hex(0xffe070));
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, 13, 25);
        cairo_line_to(cr, 13, 37);
        cairo_move_to(cr, 9, 28);
        cairo_line_to(cr, 17, 28);
        cairo_stroke(cr);
        cairo_arc(cr, 13, 33, 5, 0.1 * Pi, 0.9 * Pi);
        cairo_stroke(cr);
    }
    SetColour(cr, flag);
    cairo_rectangle(cr, 0, C - 3, C, 3);
    cairo_fill(cr);
}

void SeaMark(cairo_t* cr, int frame)
{
    if (frame < 20)
    {
        // A chart buoy with the zone marker's number.
        cairo_arc(cr, 31, 31, 5, 0, 2 * Pi);
        FillStroke(cr, Hex(0xf2c230), Hex(0x222222), 1.0);
        cairo_rectangle(cr, 26.5, 30, 9, 2);
        SetColour(cr, Hex(0x222222));
        cairo_fill(cr);
        SetColour(cr, Hex(0xdfe8f0));
        CentredText(cr, std::to_string(frame + 1), 31, 20, 7);
        return;
    }
    const double dashes[3][2] = {{1.5, 3}, {5, 3}, {6, 2}};
    SetColour(cr, Hex(0x9cc0e0), 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_set_dash(cr, dashes[frame - 20], 2, 0);
    cairo_rectangle(cr, 3.5, 3.5, C - 7, C - 7);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void Tint(cairo_t* cr, int frame)
{
    constexpr std::array<Colour, art::TintFrames> colours{Hex(0x6cc4ff), Hex(0x40e0b8), Hex(0xffc85a),
                                                          Hex(0xc8a0ff), Hex(0x8aff6a)};
    SetColour(cr, colours[static_cast<std::size_t>(frame)]);
    cairo_paint(cr);
    SetColour(cr, Mix(colours[static_cast<std::size_t>(frame)], Hex(0xffffff), 0.6));
    cairo_set_line_width(cr, 2.0);
    cairo_rectangle(cr, 1, 1, C - 2, C - 2);
    cairo_stroke(cr);
}

} // namespace

void WriteMapSheets(const std::filesystem::path& root)
{
    DrawSheet(root, art::SeaSheet, [](cairo_t* cr, int frame) { SeaTile(cr, frame); });
    DrawSheet(root, art::BlankSeaSheet, [](cairo_t* cr, int) {
        SetColour(cr, Sea);
        cairo_paint(cr);
    });
    for (int set = 0; set < art::LandSetCount; ++set)
    {
        DrawSheet(root, art::LandSheets[static_cast<std::size_t>(set)],
                  [set](cairo_t* cr, int frame) { LandFrame(cr, set, frame); });
    }
    DrawSheet(root, art::TerrainSheet, [](cairo_t* cr, int frame) {
        DrawFeature(cr, frame % art::TerrainColumnCount, frame / art::TerrainColumnCount + 1);
    });
    DrawSheet(root, art::CoastCornerSheet, CoastCorner);
    DrawSheet(root, art::PortSheet, Port);
    DrawSheet(root, art::SeaMarkSheet, SeaMark);
    DrawSheet(root, art::TintSheet, Tint);
}

} // namespace olvane::artgen
