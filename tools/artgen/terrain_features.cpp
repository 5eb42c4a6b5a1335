#include "terrain_features.h"

#include "draw_util.h"

#include <algorithm>
#include <cmath>

namespace olvane::artgen
{

namespace
{

enum class Tree
{
    Palm,
    Broadleaf,
    Conifer,
    Olive,
};

struct Region
{
    Colour roof, wall, tree, ink;
    Tree tree2;
    bool snow;
};

Region RegionOf(int picture)
{
    switch (picture)
    {
        case 6: // Italy
            return {Hex(0xc0623a), Hex(0xefe2c4), Hex(0x7d8f5a), Hex(0x3a2c20), Tree::Olive, false};
        case 7: // the Channel
            return {Hex(0x5a6470), Hex(0xe6e2d8), Hex(0x4f7a3a), Hex(0x262a2e), Tree::Broadleaf, false};
        case 17: // Japan
            return {Hex(0x3e4a5a), Hex(0xf0e8d8), Hex(0x3f6a44), Hex(0x20242a), Tree::Conifer, false};
        case 18: // the Norwegian coast
            return {Hex(0xf4f6f8), Hex(0xa84a3a), Hex(0x2f5a40), Hex(0x1c2024), Tree::Conifer, true};
        case 8: // Malaya
            return {Hex(0xb4523a), Hex(0xf2ead8), Hex(0x2f7a34), Hex(0x22261e), Tree::Palm, false};
        default: // the Pacific islands
            return {Hex(0xc8a46a), Hex(0xf0e6cc), Hex(0x2f8a3a), Hex(0x2a2418), Tree::Palm, false};
    }
}

// Lines stay at least 1.2 pixels wide so the features still read when a cell shrinks to 30.
void Outline(cairo_t* cr, Colour fill, Colour ink, double w = 1.0)
{
    FillStroke(cr, fill, ink, std::max(w, 1.0));
}

void DrawTree(cairo_t* cr, Tree kind, double x, double y, double s, const Region& r)
{
    switch (kind)
    {
        case Tree::Palm:
            SetColour(cr, Hex(0x6a4a2a));
            cairo_set_line_width(cr, 1.2);
            cairo_move_to(cr, x, y + s);
            cairo_curve_to(cr, x + 1, y + s * 0.5, x - 1, y, x, y - s * 0.2);
            cairo_stroke(cr);
            SetColour(cr, r.tree);
            cairo_set_line_width(cr, 1.6);
            for (int i = 0; i < 5; ++i)
            {
                const double a = Pi + i * Pi / 4;
                cairo_move_to(cr, x, y - s * 0.2);
                cairo_line_to(cr, x + std::cos(a) * s * 0.8, y - s * 0.2 + std::sin(a) * s * 0.5 + s * 0.3);
            }
            cairo_stroke(cr);
            break;
        case Tree::Conifer:
            cairo_move_to(cr, x, y - s);
            cairo_line_to(cr, x + s * 0.55, y + s * 0.6);
            cairo_line_to(cr, x - s * 0.55, y + s * 0.6);
            cairo_close_path(cr);
            Outline(cr, r.snow ? Mix(r.tree, Hex(0xffffff), 0.25) : r.tree, r.ink);
            break;
        case Tree::Olive:
        case Tree::Broadleaf:
            cairo_arc(cr, x, y, s * 0.6, 0, 2 * Pi);
            Outline(cr, kind == Tree::Olive ? Mix(r.tree, Hex(0x9aa08a), 0.4) : r.tree, r.ink);
            break;
    }
}

void House(cairo_t* cr, double x, double y, double w, double h, const Region& r)
{
    cairo_rectangle(cr, x, y, w, h);
    Outline(cr, r.wall, r.ink);
    cairo_move_to(cr, x - 1, y);
    cairo_line_to(cr, x + w / 2, y - h * 0.7);
    cairo_line_to(cr, x + w + 1, y);
    cairo_close_path(cr);
    Outline(cr, r.roof, r.ink);
}

void Peak(cairo_t* cr, double x, double y, double s, const Region& r, bool snowCap)
{
    cairo_move_to(cr, x - s, y + s * 0.8);
    cairo_line_to(cr, x, y - s);
    cairo_line_to(cr, x + s, y + s * 0.8);
    cairo_close_path(cr);
    Outline(cr, Hex(0x8a7a66), r.ink, 1.0);
    if (snowCap)
    {
        cairo_move_to(cr, x - s * 0.35, y - s * 0.3);
        cairo_line_to(cr, x, y - s);
        cairo_line_to(cr, x + s * 0.35, y - s * 0.3);
        cairo_close_path(cr);
        SetColour(cr, Hex(0xf6f8fa));
        cairo_fill(cr);
    }
}

void Strokes(cairo_t* cr, Colour c, double width)
{
    SetColour(cr, c);
    cairo_set_line_width(cr, std::max(width * 1.2, 1.3));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

} // namespace

void DrawFeature(cairo_t* cr, int column, int picture)
{
    const Region r = RegionOf(picture);
    Noise n(static_cast<std::uint32_t>(column * 53 + picture * 7919));
    const Colour water = Hex(0x3a77a8);
    const Colour concrete = Hex(0xb8b4a8);
    const Colour sand = Hex(0xe8d9a0);
    const Colour grey = Hex(0x7a7870);
    switch (column)
    {
        case 0: // shore: a scatter of sand
        case 5: // plain: a few tufts
            for (int i = 0; i < 5; ++i)
            {
                const double x = n.Range(6, 36), y = n.Range(6, 36);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + 1, y - 3);
            }
            Strokes(cr, column == 0 ? sand : Mix(r.tree, Hex(0), 0.2), 1.2);
            break;
        case 1: // cliffs: hachures along a crest
            cairo_move_to(cr, 5, 14);
            cairo_curve_to(cr, 15, 10, 27, 18, 37, 13);
            Strokes(cr, r.ink, 1.6);
            for (int x = 7; x <= 35; x += 4)
            {
                cairo_move_to(cr, x, 15);
                cairo_line_to(cr, x, 22);
            }
            Strokes(cr, r.ink, 1.0);
            break;
        case 2: // dunes
        case 42: // sandbank
            for (int i = 0; i < 3; ++i)
            {
                const double y = 14 + i * 8;
                cairo_move_to(cr, 6 + i * 3, y);
                cairo_curve_to(cr, 14, y - 5, 24, y - 5, 34 - i * 2, y);
            }
            Strokes(cr, Mix(sand, Hex(0x8a6a3a), 0.5), 1.4);
            break;
        case 3: // marsh shore
        case 30: // swamp
            for (int i = 0; i < 6; ++i)
            {
                const double x = n.Range(6, 34), y = n.Range(10, 34);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x - 2, y - 5);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + 2, y - 5);
            }
            Strokes(cr, Hex(0x3c6a2c), 1.0);
            for (int i = 0; i < 3; ++i)
            {
                const double x = n.Range(6, 30), y = n.Range(12, 34);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + 6, y);
            }
            Strokes(cr, water, 1.2);
            break;
        case 4: // rocky shore
        case 41: // reef
            for (int i = 0; i < 5; ++i)
            {
                const double x = n.Range(8, 34), y = n.Range(8, 34), s = n.Range(2, 4);
                cairo_move_to(cr, x - s, y + s * 0.5);
                cairo_line_to(cr, x, y - s);
                cairo_line_to(cr, x + s, y + s * 0.3);
                cairo_close_path(cr);
                Outline(cr, column == 41 ? Hex(0xe6e0d0) : grey, r.ink);
            }
            break;
        case 6: // hills
            for (int i = 0; i < 2; ++i)
            {
                cairo_arc(cr, 14 + i * 14, 27 - i * 4, 8, Pi * 1.05, Pi * 1.95);
                Strokes(cr, r.ink, 1.4);
            }
            break;
        case 7: // mountains
            Peak(cr, 15, 22, 10, r, true);
            Peak(cr, 28, 26, 8, r, true);
            break;
        case 8: // forest
        case 23: // jungle
            for (int i = 0; i < (column == 8 ? 6 : 9); ++i)
            {
                DrawTree(cr, column == 23 ? Tree::Broadleaf : r.tree2, n.Range(8, 34), n.Range(9, 34), 6, r);
            }
            break;
        case 9: // woods
            for (int i = 0; i < 3; ++i)
            {
                DrawTree(cr, r.tree2, 11 + i * 10, 20 + (i % 2) * 7, 6.5, r);
            }
            break;
        case 10: // village
            House(cr, 8, 18, 8, 6, r);
            House(cr, 22, 24, 8, 6, r);
            House(cr, 14, 30, 7, 5, r);
            break;
        case 11: // town
        case 12: // city
        {
            cairo_move_to(cr, 4, 21);
            cairo_line_to(cr, 38, 21);
            cairo_move_to(cr, 21, 4);
            cairo_line_to(cr, 21, 38);
            Strokes(cr, Hex(0x8a8478), 2.0);
            const int n2 = column == 11 ? 2 : 3;
            for (int i = 0; i < n2; ++i)
            {
                for (int j = 0; j < n2; ++j)
                {
                    const double s = column == 11 ? 11 : 7.5;
                    const double x = 5 + i * (s + 4) + (i >= n2 / 2 ? 3 : 0);
                    const double y = 6 + j * (s + 4) + (j >= n2 / 2 ? 3 : 0);
                    cairo_rectangle(cr, x, y, s, s);
                    Outline(cr, (i + j) % 2 ? r.roof : Mix(r.roof, r.wall, 0.4), r.ink);
                }
            }
            break;
        }
        case 13: // airfield
            cairo_save(cr);
            cairo_translate(cr, 21, 21);
            cairo_rotate(cr, -Pi / 5);
            cairo_rectangle(cr, -18, -3.5, 36, 7);
            Outline(cr, Hex(0x5c5c58), r.ink);
            cairo_move_to(cr, -14, 0);
            cairo_line_to(cr, 14, 0);
            {
                const double dash[] = {3, 2};
                cairo_set_dash(cr, dash, 2, 0);
                Strokes(cr, Hex(0xffffff), 0.8);
                cairo_set_dash(cr, nullptr, 0, 0);
            }
            cairo_restore(cr);
            cairo_arc(cr, 31, 31, 4, Pi, 2 * Pi);
            cairo_close_path(cr);
            Outline(cr, concrete, r.ink);
            break;
        case 14: // fort: a star bastion
        case 47: // coast battery
            cairo_move_to(cr, 21, 7);
            for (int i = 1; i < 10; ++i)
            {
                const double a = -Pi / 2 + i * Pi / 5;
                const double rad = i % 2 ? 8 : 14;
                cairo_line_to(cr, 21 + rad * std::cos(a), 21 + rad * std::sin(a));
            }
            cairo_close_path(cr);
            Outline(cr, concrete, r.ink, 1.0);
            if (column == 47)
            {
                cairo_rectangle(cr, 21, 19.5, 13, 3);
                SetColour(cr, r.ink);
                cairo_fill(cr);
                cairo_arc(cr, 21, 21, 4, 0, 2 * Pi);
                Outline(cr, grey, r.ink);
            }
            break;
        case 15: // lighthouse
            cairo_move_to(cr, 18, 34);
            cairo_line_to(cr, 20, 14);
            cairo_line_to(cr, 24, 14);
            cairo_line_to(cr, 26, 34);
            cairo_close_path(cr);
            Outline(cr, Hex(0xf4f4f0), r.ink);
            cairo_rectangle(cr, 19.5, 22, 5, 3);
            SetColour(cr, Hex(0xc0302a));
            cairo_fill(cr);
            cairo_arc(cr, 22, 12, 3, 0, 2 * Pi);
            Outline(cr, Hex(0xffe060), r.ink);
            for (int i = -1; i <= 1; i += 2)
            {
                cairo_move_to(cr, 22 + i * 4, 11);
                cairo_line_to(cr, 22 + i * 12, 8);
            }
            Strokes(cr, Hex(0xffe060), 1.2);
            break;
        case 16: // farmland
        case 32: // vineyard
        case 33: // orchard
            for (int i = 0; i < 2; ++i)
            {
                for (int j = 0; j < 2; ++j)
                {
                    const double x = 5 + i * 17, y = 5 + j * 17;
                    if (column == 16)
                    {
                        cairo_rectangle(cr, x, y, 15, 15);
                        Outline(cr, (i + j) % 2 ? Hex(0xd8c070) : Hex(0x9ab45a), r.ink, 0.6);
                    }
                    else
                    {
                        for (int k = 0; k < 3; ++k)
                        {
                            for (int m = 0; m < 3; ++m)
                            {
                                cairo_arc(cr, x + 2.5 + k * 5, y + 2.5 + m * 5, column == 32 ? 1.0 : 1.8, 0, 2 * Pi);
                                SetColour(cr, column == 32 ? Hex(0x6a2a5a) : r.tree);
                                cairo_fill(cr);
                            }
                        }
                    }
                }
            }
            break;
        case 17: // road
        case 29: // railway
            cairo_move_to(cr, 0, 30);
            cairo_curve_to(cr, 14, 26, 26, 16, 42, 12);
            Strokes(cr, column == 17 ? Hex(0xd8cfb8) : r.ink, column == 17 ? 3.0 : 1.4);
            if (column == 29)
            {
                for (int i = 0; i < 7; ++i)
                {
                    const double t = i / 6.0;
                    const double x = t * 42, y = 30 - t * 18;
                    cairo_move_to(cr, x - 1.5, y - 2.5);
                    cairo_line_to(cr, x + 1.5, y + 2.5);
                }
                Strokes(cr, r.ink, 1.0);
            }
            break;
        case 18: // river
        case 28: // bridge
            cairo_move_to(cr, 8, 0);
            cairo_curve_to(cr, 20, 12, 10, 28, 26, 42);
            Strokes(cr, water, 3.0);
            if (column == 28)
            {
                cairo_move_to(cr, 4, 21);
                cairo_line_to(cr, 38, 17);
                Strokes(cr, r.ink, 3.4);
                cairo_move_to(cr, 4, 21);
                cairo_line_to(cr, 38, 17);
                Strokes(cr, Hex(0xd8cfb8), 2.0);
            }
            break;
        case 19: // lake
            cairo_save(cr);
            cairo_translate(cr, 21, 22);
            cairo_scale(cr, 12, 8);
            cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
            cairo_restore(cr);
            Outline(cr, water, r.ink);
            break;
        case 20: // volcano
            Peak(cr, 21, 24, 13, r, false);
            cairo_save(cr);
            cairo_translate(cr, 21, 12);
            cairo_scale(cr, 4, 1.6);
            cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
            cairo_restore(cr);
            Outline(cr, Hex(0xd04020), r.ink);
            for (int i = 0; i < 3; ++i)
            {
                cairo_arc(cr, 23 + i * 4, 7 - i * 2, 2.2 + i * 0.6, 0, 2 * Pi);
                SetColour(cr, Hex(0x9a9a9a));
                cairo_fill(cr);
            }
            break;
        case 21: // snowfield
        case 43: // glacier
            for (int i = 0; i < 3; ++i)
            {
                cairo_save(cr);
                cairo_translate(cr, n.Range(12, 30), n.Range(12, 30));
                cairo_scale(cr, n.Range(6, 10), n.Range(4, 6));
                cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
                cairo_restore(cr);
                Outline(cr, Hex(0xf4f8fc), Hex(0x9ab0c8));
            }
            if (column == 43)
            {
                cairo_move_to(cr, 10, 14);
                cairo_line_to(cr, 16, 20);
                cairo_move_to(cr, 24, 24);
                cairo_line_to(cr, 31, 29);
                Strokes(cr, Hex(0x5a8ac0), 1.2);
            }
            break;
        case 22: // palms
            for (int i = 0; i < 3; ++i)
            {
                DrawTree(cr, Tree::Palm, 11 + i * 10, 20 + (i % 2) * 6, 8, r);
            }
            break;
        case 24: // docks
            cairo_rectangle(cr, 4, 8, 34, 8);
            Outline(cr, concrete, r.ink);
            for (int i = 0; i < 3; ++i)
            {
                cairo_rectangle(cr, 7 + i * 11, 16, 4, 18);
                Outline(cr, concrete, r.ink);
            }
            break;
        case 25: // oil tanks
            for (int i = 0; i < 4; ++i)
            {
                cairo_arc(cr, 13 + (i % 2) * 15, 14 + (i / 2) * 14, 5.5, 0, 2 * Pi);
                Outline(cr, Hex(0xd8d4c8), r.ink);
            }
            break;
        case 26: // factory
            cairo_rectangle(cr, 6, 18, 26, 14);
            Outline(cr, Hex(0x9a6a52), r.ink);
            for (int i = 0; i < 3; ++i)
            {
                cairo_move_to(cr, 6 + i * 8.7, 18);
                cairo_line_to(cr, 10 + i * 8.7, 13);
                cairo_line_to(cr, 14.7 + i * 8.7, 18);
            }
            Strokes(cr, r.ink, 1.0);
            cairo_rectangle(cr, 32, 8, 4, 24);
            Outline(cr, Hex(0x7a4a3a), r.ink);
            break;
        case 27: // ruins
            for (int i = 0; i < 4; ++i)
            {
                const double x = n.Range(8, 30), y = n.Range(10, 30);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + n.Range(4, 9), y);
                cairo_line_to(cr, x + n.Range(4, 9), y + 5);
            }
            Strokes(cr, grey, 2.0);
            break;
        case 31: // scrub
            for (int i = 0; i < 7; ++i)
            {
                cairo_arc(cr, n.Range(6, 36), n.Range(6, 36), 2.2, 0, 2 * Pi);
                Outline(cr, Mix(r.tree, Hex(0x9a9060), 0.4), r.ink, 0.6);
            }
            break;
        case 34: // quarry
        case 40: // crater
            for (int i = 0; i < 3; ++i)
            {
                cairo_arc(cr, 21, 21, 14 - i * 4.5, 0, 2 * Pi);
                Strokes(cr, i == 0 ? r.ink : grey, 1.2);
            }
            break;
        case 35: // radio mast
            cairo_move_to(cr, 21, 6);
            cairo_line_to(cr, 21, 34);
            Strokes(cr, r.ink, 1.6);
            for (int i = 1; i <= 3; ++i)
            {
                cairo_arc(cr, 21, 6, i * 3.5, 0.15 * Pi, 0.85 * Pi);
                Strokes(cr, Hex(0xc03030), 1.0);
            }
            break;
        case 36: // barracks
        case 48: // hangars
            for (int i = 0; i < 3; ++i)
            {
                RoundedRect(cr, 6, 7 + i * 10, 30, 7, column == 48 ? 3.5 : 0.5);
                Outline(cr, column == 48 ? Hex(0x8a9098) : r.roof, r.ink);
            }
            break;
        case 37: // church
        case 50: // temple
            House(cr, 13, 20, 16, 12, r);
            if (column == 37)
            {
                cairo_move_to(cr, 21, 4);
                cairo_line_to(cr, 21, 13);
                cairo_move_to(cr, 18, 7);
                cairo_line_to(cr, 24, 7);
                Strokes(cr, r.ink, 1.4);
            }
            else
            {
                cairo_move_to(cr, 8, 14);
                cairo_line_to(cr, 21, 7);
                cairo_line_to(cr, 34, 14);
                cairo_close_path(cr);
                Outline(cr, r.roof, r.ink);
            }
            break;
        case 38: // castle
            cairo_rectangle(cr, 10, 12, 22, 20);
            Outline(cr, concrete, r.ink, 1.0);
            for (int i = 0; i < 4; ++i)
            {
                cairo_rectangle(cr, 8 + (i % 2) * 22, 10 + (i / 2) * 20, 6, 6);
                Outline(cr, grey, r.ink);
            }
            break;
        case 39: // windmill
            cairo_arc(cr, 21, 24, 5, 0, 2 * Pi);
            Outline(cr, r.wall, r.ink);
            cairo_move_to(cr, 12, 15);
            cairo_line_to(cr, 30, 33);
            cairo_move_to(cr, 30, 15);
            cairo_line_to(cr, 12, 33);
            Strokes(cr, r.ink, 1.6);
            break;
        case 44: // mountain pass
            Peak(cr, 11, 22, 9, r, r.snow);
            Peak(cr, 31, 22, 9, r, r.snow);
            cairo_move_to(cr, 21, 4);
            cairo_curve_to(cr, 19, 16, 23, 26, 21, 38);
            Strokes(cr, Hex(0xd8cfb8), 2.0);
            break;
        case 45: // plateau
            cairo_rectangle(cr, 8, 12, 26, 14);
            Outline(cr, Hex(0xa89070), r.ink);
            for (int x = 9; x <= 33; x += 4)
            {
                cairo_move_to(cr, x, 26);
                cairo_line_to(cr, x, 31);
            }
            Strokes(cr, r.ink, 1.0);
            break;
        case 46: // canyon
            cairo_move_to(cr, 4, 10);
            cairo_line_to(cr, 14, 18);
            cairo_line_to(cr, 20, 16);
            cairo_line_to(cr, 30, 28);
            cairo_line_to(cr, 38, 32);
            Strokes(cr, r.ink, 3.0);
            break;
        case 49: // mine
            cairo_move_to(cr, 14, 32);
            cairo_line_to(cr, 21, 10);
            cairo_line_to(cr, 28, 32);
            Strokes(cr, r.ink, 1.6);
            cairo_arc(cr, 21, 12, 3, 0, 2 * Pi);
            Strokes(cr, r.ink, 1.2);
            break;
        default: // observatory
            cairo_rectangle(cr, 12, 22, 18, 10);
            Outline(cr, r.wall, r.ink);
            cairo_arc(cr, 21, 22, 8, Pi, 2 * Pi);
            Outline(cr, Hex(0xdadad2), r.ink);
            break;
    }
}

} // namespace olvane::artgen
