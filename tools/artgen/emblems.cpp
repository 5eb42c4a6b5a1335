#include "emblems.h"

#include "art/sheets.h"
#include "draw_util.h"
#include "image_io.h"

#include <array>
#include <cmath>
#include <string>

namespace olvane::artgen
{

namespace
{

constexpr Colour Navy = Hex(0x0f2148);
constexpr Colour Gold = Hex(0xe2b548);
constexpr Colour Ink = Hex(0x101418);

void Star(cairo_t* cr, double cx, double cy, double r, int points, double inner = 0.45)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i)
    {
        const double a = -Pi / 2 + i * Pi / points;
        const double rr = i % 2 ? r * inner : r;
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void Union(cairo_t* cr, double w, double h)
{
    // The union flag in (0, 0, w, h): saltires under crosses.
    SetColour(cr, Hex(0x1b2f7a));
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    cairo_set_line_width(cr, h * 0.2);
    SetColour(cr, Hex(0xffffff));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, h);
    cairo_move_to(cr, w, 0);
    cairo_line_to(cr, 0, h);
    cairo_stroke(cr);
    cairo_set_line_width(cr, h * 0.07);
    SetColour(cr, Hex(0xc8102e));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, h);
    cairo_move_to(cr, w, 0);
    cairo_line_to(cr, 0, h);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xffffff));
    cairo_rectangle(cr, w / 2 - h * 0.17, 0, h * 0.34, h);
    cairo_rectangle(cr, 0, h / 2 - h * 0.17, w, h * 0.34);
    cairo_fill(cr);
    SetColour(cr, Hex(0xc8102e));
    cairo_rectangle(cr, w / 2 - h * 0.1, 0, h * 0.2, h);
    cairo_rectangle(cr, 0, h / 2 - h * 0.1, w, h * 0.2);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Ensign(cairo_t* cr, Colour field, double w, double h)
{
    SetColour(cr, field);
    cairo_paint(cr);
    Union(cr, w / 2, h / 2);
}

} // namespace

void DrawFlag(cairo_t* cr, int nation, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    const Colour white = Hex(0xffffff);
    switch (nation)
    {
        case 1: // United States: stripes and a canton of stars
            for (int i = 0; i < 13; ++i)
            {
                SetColour(cr, i % 2 ? white : Hex(0xb22234));
                cairo_rectangle(cr, 0, i * h / 13, w, h / 13 + 0.5);
                cairo_fill(cr);
            }
            SetColour(cr, Hex(0x3c3b6e));
            cairo_rectangle(cr, 0, 0, w * 0.42, h * 7 / 13);
            cairo_fill(cr);
            SetColour(cr, white);
            for (int r = 0; r < 5; ++r)
            {
                for (int c = 0; c < 6; ++c)
                {
                    Star(cr, w * 0.035 + c * w * 0.068 + (r % 2) * w * 0.02, h * 0.06 + r * h * 0.1, h * 0.03, 5);
                }
            }
            cairo_fill(cr);
            break;
        case 2: // the plain black-white cross on white
        {
            SetColour(cr, Hex(0xf2f2ee));
            cairo_paint(cr);
            const double arm = h * 0.16;
            const double len = h * 0.36;
            auto cross = [&](double a, double l) {
                cairo_rectangle(cr, w / 2 - a, h / 2 - l, 2 * a, 2 * l);
                cairo_rectangle(cr, w / 2 - l, h / 2 - a, 2 * l, 2 * a);
            };
            SetColour(cr, Ink);
            cross(arm + h * 0.07, len + h * 0.07);
            cairo_fill(cr);
            SetColour(cr, white);
            cross(arm + h * 0.045, len + h * 0.045);
            cairo_fill(cr);
            SetColour(cr, Ink);
            cross(arm, len);
            cairo_fill(cr);
            break;
        }
        case 3: // Great Britain
            Union(cr, w, h);
            break;
        case 4: // Japan
            SetColour(cr, white);
            cairo_paint(cr);
            cairo_arc(cr, w / 2, h / 2, h * 0.3, 0, 2 * Pi);
            SetColour(cr, Hex(0xbc002d));
            cairo_fill(cr);
            break;
        case 5: // Canada: red ensign with a shield
            Ensign(cr, Hex(0xc8102e), w, h);
            RoundedRect(cr, w * 0.68, h * 0.3, w * 0.16, h * 0.4, w * 0.03);
            FillStroke(cr, Hex(0xf0e0b0), Hex(0x2a6a2a), 1.0);
            SetColour(cr, Hex(0x2a8a3a));
            Star(cr, w * 0.76, h * 0.52, h * 0.12, 3, 0.35);
            cairo_fill(cr);
            break;
        case 6: // Australia: blue ensign, federation star and the Southern Cross
        case 7: // New Zealand: blue ensign with four red stars
        {
            Ensign(cr, Hex(0x00247d), w, h);
            const bool nz = nation == 7;
            if (!nz)
            {
                SetColour(cr, white);
                Star(cr, w * 0.25, h * 0.76, h * 0.13, 7, 0.5);
                cairo_fill(cr);
            }
            const std::array<std::array<double, 2>, 4> cross{{{0.75, 0.22}, {0.62, 0.45}, {0.88, 0.42}, {0.75, 0.8}}};
            for (const auto& p : cross)
            {
                Star(cr, w * p[0], h * p[1], h * (nz ? 0.08 : 0.07), nz ? 5 : 7, 0.45);
                if (nz)
                {
                    SetColour(cr, Hex(0xcc142b));
                    cairo_fill_preserve(cr);
                    SetColour(cr, white);
                    cairo_set_line_width(cr, 0.8);
                    cairo_stroke(cr);
                }
                else
                {
                    SetColour(cr, white);
                    cairo_fill(cr);
                }
            }
            break;
        }
        default: // Italy: the tricolour with the royal shield
            SetColour(cr, Hex(0x009246));
            cairo_rectangle(cr, 0, 0, w / 3 + 0.5, h);
            cairo_fill(cr);
            SetColour(cr, white);
            cairo_rectangle(cr, w / 3, 0, w / 3 + 0.5, h);
            cairo_fill(cr);
            SetColour(cr, Hex(0xce2b37));
            cairo_rectangle(cr, 2 * w / 3, 0, w / 3 + 0.5, h);
            cairo_fill(cr);
            RoundedRect(cr, w * 0.44, h * 0.3, w * 0.12, h * 0.38, w * 0.02);
            FillStroke(cr, Hex(0xce2b37), Hex(0x2a5ab4), std::max(0.8, h * 0.03));
            SetColour(cr, white);
            cairo_rectangle(cr, w * 0.485, h * 0.34, w * 0.03, h * 0.3);
            cairo_rectangle(cr, w * 0.455, h * 0.44, w * 0.09, h * 0.08);
            cairo_fill(cr);
            break;
    }
    cairo_restore(cr);
    SetColour(cr, Ink);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    cairo_stroke(cr);
}

namespace
{

void Metal(cairo_t* cr, Colour base, double x0, double y0, double x1, double y1)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    const Colour hi = Mix(base, Hex(0xffffff), 0.55);
    const Colour lo = Mix(base, Hex(0x000000), 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

/// Medal `index` (0..5) in a w x h frame: ribbon above, the decoration below.
void Medal(cairo_t* cr, int index, double w, double h)
{
    const int grade = index % 3;
    const bool second = index >= 3;
    const std::array<Colour, 3> metals{Hex(0xd9a93a), Hex(0xc0c6cc), Hex(0xb0703a)};
    const std::array<std::array<Colour, 3>, 2> ribbons{
        {{Hex(0x1f3f9a), Hex(0xffffff), Hex(0xc8102e)}, {Hex(0x202020), Hex(0xf0f0f0), Hex(0x7a1a1a)}}};
    const auto& rib = ribbons[second ? 1 : 0];
    const double rw = w * 0.56;
    const double rx = (w - rw) / 2;
    const double rh = h * 0.4;
    for (int i = 0; i < 5; ++i)
    {
        const double sw = rw / 5;
        SetColour(cr, rib[static_cast<std::size_t>(i == 2 ? 1 : (i % 2 ? 2 : 0))]);
        cairo_rectangle(cr, rx + i * sw, 0, sw + 0.3, rh);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, rx, 0, rw, rh);
    SetColour(cr, Ink);
    cairo_set_line_width(cr, std::max(0.6, w * 0.015));
    cairo_stroke(cr);
    // Clasp and ring.
    const double cx = w / 2;
    const double cy = rh + (h - rh) * 0.5;
    const double r = std::min(w * 0.4, (h - rh) * 0.46);
    cairo_rectangle(cr, rx - w * 0.03, rh - h * 0.03, rw + w * 0.06, h * 0.05);
    Metal(cr, metals[static_cast<std::size_t>(grade)], 0, rh - h * 0.03, 0, rh + h * 0.02);
    cairo_fill(cr);
    if (second)
    {
        Star(cr, cx, cy, r, 8, 0.62);
    }
    else
    {
        Star(cr, cx, cy, r, 5, 0.5);
    }
    Metal(cr, metals[static_cast<std::size_t>(grade)], cx - r, cy - r, cx + r, cy + r);
    cairo_fill_preserve(cr);
    SetColour(cr, Mix(metals[static_cast<std::size_t>(grade)], Ink, 0.6));
    cairo_set_line_width(cr, std::max(0.6, w * 0.02));
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.32, 0, 2 * Pi);
    SetColour(cr, second ? Hex(0x7a1a1a) : Hex(0x1f3f9a));
    cairo_fill_preserve(cr);
    SetColour(cr, Ink);
    cairo_stroke(cr);
    // The grade shows as one, two or three small stars in the centre.
    SetColour(cr, Hex(0xffffff));
    for (int i = 0; i <= 2 - grade; ++i)
    {
        Star(cr, cx + (i - (2 - grade) / 2.0) * r * 0.2, cy, r * 0.1, 5);
    }
    cairo_fill(cr);
}

void AttackMark(cairo_t* cr, int frame)
{
    cairo_arc(cr, 8, 8, 7.5, 0, 2 * Pi);
    FillStroke(cr, Hex(0x2a1a10), Hex(0xffd23c), 1.0);
    SetColour(cr, Hex(0xff6a3a));
    cairo_set_line_width(cr, 1.6);
    switch (frame)
    {
        case 0: // torpedo
            RoundedRect(cr, 3, 6.8, 9, 2.6, 1.3);
            cairo_fill(cr);
            cairo_move_to(cr, 3, 8);
            cairo_line_to(cr, 1.5, 6.5);
            cairo_move_to(cr, 3, 8);
            cairo_line_to(cr, 1.5, 9.5);
            cairo_stroke(cr);
            break;
        case 1: // artillery shell
            cairo_move_to(cr, 8, 2.5);
            cairo_curve_to(cr, 10.5, 4.5, 10.5, 6, 10.5, 7);
            cairo_line_to(cr, 10.5, 13);
            cairo_line_to(cr, 5.5, 13);
            cairo_line_to(cr, 5.5, 7);
            cairo_curve_to(cr, 5.5, 6, 5.5, 4.5, 8, 2.5);
            cairo_fill(cr);
            break;
        case 2: // air attack
            cairo_rectangle(cr, 7, 2.5, 2, 11);
            cairo_rectangle(cr, 2.5, 6, 11, 2);
            cairo_rectangle(cr, 5, 11.5, 6, 1.6);
            cairo_fill(cr);
            break;
        default: // port artillery
            cairo_move_to(cr, 3, 13);
            cairo_line_to(cr, 5, 8);
            cairo_line_to(cr, 11, 8);
            cairo_line_to(cr, 13, 13);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_move_to(cr, 8, 8);
            cairo_line_to(cr, 13, 3.5);
            cairo_stroke(cr);
            break;
    }
}

void TechMark(cairo_t* cr, int frame)
{
    const int attribute = frame % 4;
    const int level = frame / 4 + 1;
    RoundedRect(cr, 0.5, 0.5, 15, 15, 2.5);
    FillStroke(cr, Hex(0x16284a), Hex(0xc0c8d0), 1.0);
    const std::array<Colour, 4> colours{Hex(0xd0d4d8), Hex(0xff5a3a), Hex(0x5ab4ff), Hex(0x5ee06a)};
    SetColour(cr, colours[static_cast<std::size_t>(attribute)]);
    cairo_set_line_width(cr, 1.5);
    switch (attribute)
    {
        case 0: // armour: a shield
            cairo_move_to(cr, 4, 3);
            cairo_line_to(cr, 12, 3);
            cairo_line_to(cr, 12, 7);
            cairo_curve_to(cr, 12, 10, 10, 11.5, 8, 12.5);
            cairo_curve_to(cr, 6, 11.5, 4, 10, 4, 7);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        case 1: // fire: crosshair
            cairo_arc(cr, 8, 7.5, 4, 0, 2 * Pi);
            cairo_move_to(cr, 8, 1.5);
            cairo_line_to(cr, 8, 13.5);
            cairo_move_to(cr, 2, 7.5);
            cairo_line_to(cr, 14, 7.5);
            cairo_stroke(cr);
            break;
        case 2: // speed: chevrons
            for (int i = 0; i < 2; ++i)
            {
                cairo_move_to(cr, 3.5 + i * 4.5, 3);
                cairo_line_to(cr, 7.5 + i * 4.5, 7.5);
                cairo_line_to(cr, 3.5 + i * 4.5, 12);
            }
            cairo_stroke(cr);
            break;
        default: // radar: waves from a dish
            cairo_arc(cr, 4, 12, 2, 0, 2 * Pi);
            cairo_fill(cr);
            for (int i = 1; i <= 2; ++i)
            {
                cairo_arc(cr, 4, 12, 3.5 + i * 3, -Pi / 2, 0);
                cairo_stroke(cr);
            }
            break;
    }
    SetColour(cr, Gold);
    for (int i = 0; i < level; ++i)
    {
        cairo_rectangle(cr, 3 + i * 4, 13.5, 2.5, 1.5);
    }
    cairo_fill(cr);
}

void Plate(cairo_t* cr, double w, double h, Colour face)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    const Colour hi = Mix(face, Hex(0xffffff), 0.15);
    const Colour lo = Mix(face, Hex(0x000000), 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Bevel.
    SetColour(cr, Mix(face, Hex(0xffffff), 0.4));
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 1, h - 1);
    cairo_line_to(cr, 1, 1);
    cairo_line_to(cr, w - 1, 1);
    cairo_stroke(cr);
    SetColour(cr, Mix(face, Hex(0x000000), 0.6));
    cairo_move_to(cr, w - 1, 1);
    cairo_line_to(cr, w - 1, h - 1);
    cairo_line_to(cr, 1, h - 1);
    cairo_stroke(cr);
}

void Rivets(cairo_t* cr, double w, double h, double inset, double step)
{
    // Each rivet is a path of its own: arcs joined by the current point would be filled as one
    // great polygon across the plate.
    const auto rivet = [cr](double x, double y) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 1.6, 0, 2 * Pi);
    };
    for (double x = inset; x <= w - inset + 0.1; x += step)
    {
        for (double y : {inset, h - inset})
        {
            rivet(x, y);
        }
    }
    for (double y = inset + step; y <= h - inset - step + 0.1; y += step)
    {
        for (double x : {inset, w - inset})
        {
            rivet(x, y);
        }
    }
    SetColour(cr, Hex(0x8c98a8));
    cairo_fill(cr);
}

void SteelTexture(cairo_t* cr, double w, double h, std::uint32_t seed)
{
    SetColour(cr, Hex(0x34404e));
    cairo_paint(cr);
    Noise n(seed);
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < static_cast<int>(h * 1.5); ++i)
    {
        const double y = std::floor(n.Range(0, h)) + 0.5;
        SetColour(cr, n.Unit() < 0.5 ? Hex(0x45525f) : Hex(0x2a3440), 0.6);
        const double x = n.Range(-w, w);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + n.Range(w * 0.3, w), y);
        cairo_stroke(cr);
    }
}

void Panel(cairo_t* cr, const art::Picture& p)
{
    SteelTexture(cr, p.width, p.height, static_cast<std::uint32_t>(p.nation));
    Plate(cr, p.width, p.height, Hex(0x3a4656));
    SetColour(cr, Hex(0x1a2230), 0.35);
    cairo_paint(cr);
    if (p.nation == 3)
    {
        // The lower plate: brass, with an engraved rule.
        RoundedRect(cr, 6, 6, p.width - 12, p.height - 12, 6);
        Metal(cr, Hex(0xa88a4a), 0, 6, 0, p.height);
        cairo_fill(cr);
        SetColour(cr, Hex(0x4a3a1a));
        cairo_set_line_width(cr, 1.0);
        RoundedRect(cr, 12, 12, p.width - 24, p.height - 24, 4);
        cairo_stroke(cr);
    }
    else
    {
        // Grooves where the buttons and boxes of the command panel sit.
        SetColour(cr, Hex(0x10161e), 0.8);
        cairo_set_line_width(cr, 2);
        for (double y : {205.0, 500.0, 590.0})
        {
            cairo_move_to(cr, 8, y);
            cairo_line_to(cr, p.width - 8, y);
        }
        cairo_stroke(cr);
    }
    Rivets(cr, p.width, p.height, 6, 40);
}

void Mask(cairo_t* cr, const art::Picture& p)
{
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, p.height);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.16, 0.28);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.07, 0.14);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    SetColour(cr, Hex(0x2a4a7a), 0.5);
    cairo_set_line_width(cr, 1.0);
    for (int x = 10; x < p.width; x += 20)
    {
        cairo_move_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 0.5, p.height);
    }
    for (int y = 10; y < p.height; y += 20)
    {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, p.width, y + 0.5);
    }
    cairo_stroke(cr);
    Plate(cr, p.width, 48, Hex(0x24385a));
    SetColour(cr, Gold);
    cairo_set_line_width(cr, 2.0);
    cairo_rectangle(cr, 1, 1, p.width - 2, p.height - 2);
    cairo_stroke(cr);
}

void Lettering(cairo_t* cr, const std::string& text, double x, double y, double size, Colour top, Colour bottom)
{
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - size, 0, y);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColour(cr, Ink);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

void Logo(cairo_t* cr, const art::Picture& p)
{
    Lettering(cr, "OLVANE", 6, 46, 50, Hex(0xfff0b0), Hex(0xc08a28));
    SetColour(cr, Hex(0x101418));
    cairo_rectangle(cr, 6, p.height - 15, p.width - 12, 13);
    cairo_fill(cr);
    SetColour(cr, Hex(0xe8eef4));
    CentredText(cr, "WAR AT SEA  1939 - 1945", p.width / 2.0, p.height - 8.5, 10);
}

void Emblem(cairo_t* cr, const art::Picture& p)
{
    // An anchor on a navy disc inside a gold rope ring, with wings for the air arm.
    const double cx = p.width / 2.0;
    const double cy = p.height / 2.0;
    const double r = p.height * 0.42;
    for (int side : {-1, 1})
    {
        for (int i = 0; i < 4; ++i)
        {
            cairo_save(cr);
            cairo_translate(cr, cx + side * (r + 4 + i * 7), cy - 8 + i * 9);
            cairo_scale(cr, 14 - i * 2, 5);
            cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
            cairo_restore(cr);
            FillStroke(cr, Mix(Gold, Hex(0xffffff), 0.2 - i * 0.05), Ink, 1.2);
        }
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    Metal(cr, Gold, cx - r, cy - r, cx + r, cy + r);
    cairo_fill_preserve(cr);
    SetColour(cr, Ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.84, 0, 2 * Pi);
    FillStroke(cr, Navy, Ink, 1.2);
    SetColour(cr, Gold);
    cairo_set_line_width(cr, r * 0.09);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx, cy - r * 0.55);
    cairo_line_to(cr, cx, cy + r * 0.55);
    cairo_move_to(cr, cx - r * 0.3, cy - r * 0.32);
    cairo_line_to(cr, cx + r * 0.3, cy - r * 0.32);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy - r * 0.62, r * 0.09, 0, 2 * Pi);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy + r * 0.1, r * 0.45, 0.15 * Pi, 0.85 * Pi);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xffffff));
    Star(cr, cx, cy - r * 0.05, r * 0.12, 5);
    cairo_fill(cr);
}

} // namespace

void WriteEmblems(const std::filesystem::path& root)
{
    DrawSheet(root, art::FlagSheet, [](cairo_t* cr, int frame) {
        DrawFlag(cr, frame + 1, art::FlagSheet.frameWidth, art::FlagSheet.frameHeight);
    });
    DrawSheet(root, art::SmallFlagSheet, [](cairo_t* cr, int frame) {
        DrawFlag(cr, frame + 1, art::SmallFlagSheet.frameWidth, art::SmallFlagSheet.frameHeight);
    });
    DrawSheet(root, art::MedalSheet, [](cairo_t* cr, int frame) {
        Medal(cr, frame, art::MedalSheet.frameWidth, art::MedalSheet.frameHeight);
    });
    DrawSheet(root, art::SmallMedalSheet, [](cairo_t* cr, int frame) {
        Medal(cr, frame, art::SmallMedalSheet.frameWidth, art::SmallMedalSheet.frameHeight);
    });
    DrawSheet(root, art::AttackMarkSheet, AttackMark);
    DrawSheet(root, art::TechMarkSheet, TechMark);
    DrawSheet(root, art::LevelLabelSheet, [](cairo_t* cr, int frame) {
        Plate(cr, art::LevelLabelSheet.frameWidth, art::LevelLabelSheet.frameHeight, Navy);
        SetColour(cr, Hex(0xffe14a));
        CentredText(cr, art::LevelLabelText[static_cast<std::size_t>(frame)], 25.5, 7.5, 9);
    });

    for (const art::Picture& p : art::Pictures)
    {
        const bool keyed = p.scene == art::Scene::Logo || p.scene == art::Scene::Emblem;
        Canvas canvas(p.width, p.height);
        cairo_t* cr = canvas.Cr();
        switch (p.scene)
        {
            case art::Scene::Texture:
                SteelTexture(cr, p.width, p.height, 2);
                break;
            case art::Scene::Mask:
                Mask(cr, p);
                break;
            case art::Scene::Logo:
                Logo(cr, p);
                break;
            case art::Scene::Emblem:
                Emblem(cr, p);
                break;
            case art::Scene::Panel:
                Panel(cr, p);
                break;
            default:
                continue; // posters
        }
        WriteBmp(OutputPath(root, p.file), canvas, keyed);
    }
}

} // namespace olvane::artgen
