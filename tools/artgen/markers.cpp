#include "art/sheets.h"
#include "draw_util.h"
#include "image_io.h"
#include "map_tiles.h"
#include "state/class_table.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace olvane::artgen
{

namespace
{

constexpr double C = art::CellSize;

/// A last-seen marker: the class's outline, stippled like a pencil sketch on the chart, with its
/// abbreviation and a question mark.
void LastSeen(cairo_t* cr, int shipClass, std::string_view abbrev)
{
    Design d = DesignForClass(shipClass);
    if (shipClass != 0)
    {
        const double fit = IsTwoCell(d) ? 34.0 / d.length : 1.0;
        d.length *= fit;
        d.beam *= std::max(fit, 0.7);
        d.turretSize *= fit;
        cairo_push_group(cr);
        cairo_translate(cr, 0, -3);
        DrawUnit(cr, d, Side::Computer, 0);
        cairo_pattern_t* shape = cairo_pop_group(cr);
        // Every other pixel of the shape in pale grey: reads as "a ghost of what was there".
        cairo_surface_t* dots = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 2);
        auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(dots));
        const int stride = cairo_image_surface_get_stride(dots) / 4;
        px[0] = 0xffe0e4e8u;
        px[1] = 0;
        px[stride] = 0;
        px[stride + 1] = 0xffe0e4e8u;
        cairo_surface_mark_dirty(dots);
        cairo_pattern_t* stipple = cairo_pattern_create_for_surface(dots);
        cairo_pattern_set_extend(stipple, CAIRO_EXTEND_REPEAT);
        cairo_set_source(cr, stipple);
        cairo_mask(cr, shape);
        cairo_pattern_destroy(stipple);
        cairo_surface_destroy(dots);
        cairo_pattern_destroy(shape);
    }
    else
    {
        cairo_arc(cr, C / 2, C / 2 - 3, 12, 0, 2 * Pi);
        SetColour(cr, Hex(0xe0e4e8));
        const double dash[] = {2, 2};
        cairo_set_dash(cr, dash, 2, 0);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    SetColour(cr, Hex(0x101820));
    CentredText(cr, std::string(abbrev) + "?", C / 2 + 0.8, C - 6.2, 9.5);
    SetColour(cr, Hex(0xffd860));
    CentredText(cr, std::string(abbrev) + "?", C / 2, C - 7, 9.5);
}

void UnitMark(cairo_t* cr, Side side, int frame)
{
    const Colour ink = Hex(0x101010);
    if (frame < art::ArmourBarFrame)
    {
        // A wedge just inside the cell's edge, pointing the way the unit heads.
        const int f = frame;
        cairo_translate(cr, C / 2, C / 2);
        cairo_rotate(cr, f * Pi / 4);
        const double r = f % 2 ? 23.5 : 17.5;
        cairo_move_to(cr, r, 0);
        cairo_line_to(cr, r - 5, -3.5);
        cairo_line_to(cr, r - 5, 3.5);
        cairo_close_path(cr);
        FillStroke(cr, side == Side::Player ? Hex(0xffe14a) : Hex(0xff6a3a), ink, 0.9);
        return;
    }
    // Armour bar along the cell's bottom: one notch per point.
    const int armour = frame - art::ArmourBarFrame;
    const double x0 = 3, y0 = C - 5, w = C - 6, h = 4;
    cairo_rectangle(cr, x0 - 0.5, y0 - 0.5, w + 1, h + 1);
    SetColour(cr, ink);
    cairo_fill(cr);
    const double step = w / art::ArmourBarMax;
    const Colour fill = side == Side::Player ? Hex(0x5ee06a) : Hex(0xff9a3a);
    for (int i = 0; i < armour; ++i)
    {
        cairo_rectangle(cr, x0 + i * step + 0.3, y0 + 0.3, step - 0.6, h - 0.6);
    }
    SetColour(cr, armour <= 2 ? Hex(0xff4a3a) : fill);
    cairo_fill(cr);
}

void Explosion(cairo_t* cr, int frame)
{
    // Frames 0..4 grow from a flash to a fireball; 4..8 burn out into smoke and spray.
    Noise n(static_cast<std::uint32_t>(frame * 31 + 7));
    const double grow = std::min(frame, 4) / 4.0;
    const double fade = std::max(0, frame - 4) / 4.0;
    const double cx = C / 2, cy = C / 2;
    if (frame >= 4)
    {
        // Smoke rising and spreading.
        for (int i = 0; i < 7; ++i)
        {
            const double a = n.Range(0, 2 * Pi);
            const double d = n.Range(4, 8 + fade * 10);
            cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d - fade * 4, 4 + fade * 5, 0, 2 * Pi);
            SetColour(cr, Mix(Hex(0x4a4440), Hex(0x9a948c), fade));
            cairo_fill(cr);
        }
    }
    if (frame < 8)
    {
        const double r = 5 + grow * 11 - fade * 10;
        const std::array<Colour, 3> rings{Hex(0xd0381a), Hex(0xff9a2a), Hex(0xfff2a0)};
        for (std::size_t k = 0; k < rings.size(); ++k)
        {
            const double rr = r * (1.0 - k * 0.3);
            if (rr <= 0.5)
            {
                continue;
            }
            cairo_new_path(cr);
            for (int i = 0; i < 14; ++i)
            {
                const double a = i * 2 * Pi / 14;
                const double jag = rr * (i % 2 ? 0.78 : 1.0) * n.Range(0.9, 1.1);
                cairo_line_to(cr, cx + std::cos(a) * jag, cy + std::sin(a) * jag);
            }
            cairo_close_path(cr);
            SetColour(cr, rings[k]);
            cairo_fill(cr);
        }
    }
    // Spray and debris.
    SetColour(cr, Hex(0xe8f0f8));
    for (int i = 0; i < 3 + frame; ++i)
    {
        const double a = n.Range(0, 2 * Pi);
        const double d = 6 + grow * 10 + fade * 6 + n.Range(0, 4);
        cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 1.1, 0, 2 * Pi);
        cairo_fill(cr);
    }
}

} // namespace

void WriteMarkerSheets(const std::filesystem::path& root)
{
    ClassTable table;
    InitShipClasses(table);
    DrawSheet(root, art::LastSeenSheet, [&](cairo_t* cr, int frame) {
        const int marker = frame + art::FirstLastSeenBase - 36;
        const auto* entry = std::find_if(art::MarkerClasses.begin(), art::MarkerClasses.end(),
                                         [&](const art::MarkerClass& m) { return m.marker == marker; });
        if (entry == art::MarkerClasses.end())
        {
            return;
        }
        const std::string abbrev = entry->shipClass > 1 ? table.Class(entry->shipClass).Abbrev.Str() : "";
        LastSeen(cr, entry->shipClass > 1 ? entry->shipClass : 0, abbrev);
    });
    DrawSheet(root, art::PlayerMarkSheet, [](cairo_t* cr, int frame) { UnitMark(cr, Side::Player, frame); });
    DrawSheet(root, art::ComputerMarkSheet, [](cairo_t* cr, int frame) { UnitMark(cr, Side::Computer, frame); });
    DrawSheet(root, art::ExplosionSheet, Explosion);
}

} // namespace olvane::artgen
