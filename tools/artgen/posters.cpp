#include "posters.h"

#include "art/sheets.h"
#include "draw_util.h"
#include "emblems.h"
#include "image_io.h"
#include "poster_kit.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace olvane::artgen
{

namespace
{

void Fleet(cairo_t* cr, double w, double h, double horizon, const Mood& m, Noise& n, int ships, double scale)
{
    // Ships take evenly spread stations, the far ones first so the near ones overlap them.
    const std::array<int, 8> classes{63, 56, 43, 73, 53, 40, 66, 30};
    const double slot = w / ships;
    std::vector<int> stations(static_cast<std::size_t>(ships));
    for (int i = 0; i < ships; ++i)
    {
        stations[static_cast<std::size_t>(i)] = i;
    }
    for (int i = ships - 1; i > 0; --i)
    {
        std::swap(stations[static_cast<std::size_t>(i)], stations[n.Next() % static_cast<std::uint32_t>(i + 1)]);
    }
    for (int i = 0; i < ships; ++i)
    {
        const int c = classes[static_cast<std::size_t>(n.Next() % classes.size())];
        const double depth = (i + n.Unit()) / ships;
        const double base = h * horizon + depth * h * 0.1 * scale;
        const double len = std::min(slot * 1.3, w * scale * (0.08 + 0.1 * depth) * (DesignForClass(c).length > 50 ? 1.4 : 0.8));
        const int station = stations[static_cast<std::size_t>(i)];
        Silhouette(cr, c, station * slot + n.Range(0, slot - len * 0.6), base, len,
                   Mix(m.ink, m.skyHorizon, 0.4 * (1 - depth)));
    }
}

/// A harbour front on the horizon: a quay, warehouses with pitched roofs, sheds and cranes.
void Harbour(cairo_t* cr, double w, double h, double horizon, Colour c, Noise& n)
{
    const double hy = h * horizon;
    SetColour(cr, c);
    cairo_rectangle(cr, 0, hy - h * 0.015, w, h * 0.03);
    cairo_fill(cr);
    double x = 0;
    while (x < w)
    {
        const double bw = w * n.Range(0.05, 0.1);
        const double bh = h * n.Range(0.04, 0.11);
        cairo_move_to(cr, x, hy);
        cairo_line_to(cr, x, hy - bh);
        if (n.Unit() < 0.6)
        {
            cairo_line_to(cr, x + bw / 2, hy - bh - h * 0.03); // a pitched roof
        }
        cairo_line_to(cr, x + bw, hy - bh);
        cairo_line_to(cr, x + bw, hy);
        cairo_close_path(cr);
        cairo_fill(cr);
        x += bw + w * n.Range(0.0, 0.03);
    }
    cairo_set_line_width(cr, std::max(2.0, w * 0.005));
    for (int i = 0; i < 3; ++i)
    {
        // A dockside crane: tower and jib.
        const double cx = w * (0.2 + i * 0.28) + n.Range(-20, 20);
        cairo_move_to(cr, cx, hy);
        cairo_line_to(cr, cx, hy - h * 0.2);
        cairo_line_to(cr, cx + w * 0.08, hy - h * 0.16);
        cairo_move_to(cr, cx, hy - h * 0.2);
        cairo_line_to(cr, cx - w * 0.025, hy - h * 0.17);
        cairo_stroke(cr);
    }
}

void Searchlights(cairo_t* cr, double w, double h, Noise& n)
{
    for (int i = 0; i < 4; ++i)
    {
        const double x = n.Range(0.1, 0.9) * w;
        const double a = n.Range(-0.5, 0.5);
        cairo_move_to(cr, x, h * 0.62);
        cairo_line_to(cr, x + std::sin(a - 0.04) * h, h * 0.62 - std::cos(a - 0.04) * h);
        cairo_line_to(cr, x + std::sin(a + 0.04) * h, h * 0.62 - std::cos(a + 0.04) * h);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(x, h * 0.62, x + std::sin(a) * h, h * 0.62 - std::cos(a) * h);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.95, 0.95, 0.85, 0.35);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.95, 0.95, 0.85, 0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

void WavingFlag(cairo_t* cr, int nation, double x, double y, double w, double h, double poleFoot)
{
    // The flag drawn flat, then laid on a gentle wave in narrow strips with light and shade.
    Canvas flat(static_cast<int>(w), static_cast<int>(h));
    DrawFlag(flat.Cr(), nation, w, h);
    cairo_surface_flush(flat.Surface());
    SetColour(cr, Hex(0x3a2a1a));
    cairo_rectangle(cr, x - 5, y - 8, 4, poleFoot - y + 8);
    cairo_fill(cr);
    for (double sx = 0; sx < w; sx += 2)
    {
        const double phase = sx / w * 2.4 * Pi;
        const double dy = std::sin(phase) * h * 0.06 * (sx / w + 0.2);
        cairo_save(cr);
        cairo_rectangle(cr, x + sx, y + dy, 2.2, h);
        cairo_clip(cr);
        cairo_set_source_surface(cr, flat.Surface(), x, y + dy);
        cairo_paint(cr);
        const double shade = 0.18 * std::cos(phase);
        SetColour(cr, shade > 0 ? Hex(0xffffff) : Hex(0x000000), std::abs(shade));
        cairo_paint(cr);
        cairo_restore(cr);
    }
}

void ChartTable(cairo_t* cr, double w, double h, Noise& n)
{
    // A sea chart on a wooden table: paper, grid, coasts, course lines and a compass rose.
    FillGradient(cr, 0, h, Hex(0x4a2e1a), Hex(0x2a1a0e), w);
    for (int i = 0; i < 300; ++i)
    {
        SetColour(cr, Hex(0x6a4428), 0.15);
        cairo_set_line_width(cr, n.Range(1, 3));
        const double y = n.Range(0, h);
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, w * 0.3, y + n.Range(-8, 8), w * 0.6, y + n.Range(-8, 8), w, y);
        cairo_stroke(cr);
    }
    const double px = w * 0.06, py = h * 0.08, pw = w * 0.88, ph = h * 0.84;
    cairo_rectangle(cr, px, py, pw, ph);
    SetColour(cr, Hex(0xe8dcbc));
    cairo_fill(cr);
    SetColour(cr, Hex(0x9ab4c8), 0.6);
    cairo_set_line_width(cr, 1.0);
    for (double x = px; x < px + pw; x += 40)
    {
        cairo_move_to(cr, x, py);
        cairo_line_to(cr, x, py + ph);
    }
    for (double y = py; y < py + ph; y += 40)
    {
        cairo_move_to(cr, px, y);
        cairo_line_to(cr, px + pw, y);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i)
    {
        const double cx = px + n.Range(0.1, 0.9) * pw, cy = py + n.Range(0.1, 0.9) * ph, r = n.Range(20, 60);
        cairo_new_path(cr);
        for (int k = 0; k < 16; ++k)
        {
            const double a = k * 2 * Pi / 16;
            const double rr = r * n.Range(0.6, 1.2);
            cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr * 0.7);
        }
        cairo_close_path(cr);
        FillStroke(cr, Hex(0xc8b47a), Hex(0x5a4a2a), 1.2);
    }
    SetColour(cr, Hex(0xb02a2a), 0.8);
    cairo_set_line_width(cr, 2.0);
    const double dash[] = {10, 6};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, px + pw * 0.1, py + ph * 0.8);
    cairo_line_to(cr, px + pw * 0.45, py + ph * 0.5);
    cairo_line_to(cr, px + pw * 0.8, py + ph * 0.3);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    const double rx = px + pw * 0.82, ry = py + ph * 0.75, rr = ph * 0.14;
    for (int k = 0; k < 8; ++k)
    {
        const double a = k * Pi / 4;
        const double len = k % 2 ? rr * 0.55 : rr;
        cairo_move_to(cr, rx + std::cos(a) * len, ry + std::sin(a) * len);
        cairo_line_to(cr, rx + std::cos(a + Pi / 2) * rr * 0.12, ry + std::sin(a + Pi / 2) * rr * 0.12);
        cairo_line_to(cr, rx, ry);
        cairo_close_path(cr);
        SetColour(cr, k % 2 ? Hex(0x4a5a6a) : Hex(0x1a2a4a));
        cairo_fill(cr);
    }
    cairo_arc(cr, rx, ry, rr * 1.05, 0, 2 * Pi);
    SetColour(cr, Hex(0x1a2a4a));
    cairo_stroke(cr);
}

void Blueprint(cairo_t* cr, double w, double h, Noise& n)
{
    FillGradient(cr, 0, h, Hex(0x1a4a8a), Hex(0x0e2e5a), w);
    SetColour(cr, Hex(0xffffff), 0.12);
    cairo_set_line_width(cr, 1.0);
    for (double x = 0; x < w; x += 20)
    {
        cairo_move_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 0.5, h);
    }
    for (double y = 0; y < h; y += 20)
    {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, w, y + 0.5);
    }
    cairo_stroke(cr);
    const std::array<int, 3> ships{63, 73, 43};
    for (std::size_t i = 0; i < ships.size(); ++i)
    {
        const double length = w * 0.55;
        cairo_save(cr);
        cairo_translate(cr, w * 0.08, h * (0.3 + 0.28 * i) - length / 3 * 0.82);
        DrawSideView(cr, DesignForClass(ships[i]), length, length / 3, SideStyle::Blueprint);
        cairo_restore(cr);
    }
    SetColour(cr, Hex(0xcfe4ff), 0.6);
    for (int i = 0; i < 12; ++i)
    {
        const double y = n.Range(0.1, 0.9) * h;
        cairo_move_to(cr, w * 0.66, y);
        cairo_line_to(cr, w * 0.95, y);
    }
    cairo_stroke(cr);
}

void Paint(cairo_t* cr, const art::Picture& p)
{
    const double w = p.width, h = p.height;
    Noise n(static_cast<std::uint32_t>(static_cast<int>(p.scene) * 1009 + p.nation * 37 + p.width));
    const Colour ink = Hex(0x10141c);
    switch (p.scene)
    {
        case art::Scene::Menu:
            Seascape(cr, w, h, Dusk, 0.62, n);
            Fleet(cr, w, h, 0.62, Dusk, n, 6, 1.0);
            for (int i = 0; i < 5; ++i)
            {
                PosterAircraft(cr, 86, w * (0.15 + i * 0.06), h * (0.18 + (i % 2) * 0.05), w * 0.03, -0.05, Dusk.ink);
            }
            break;
        case art::Scene::Opening:
            Seascape(cr, w, h, Night, 0.62, n);
            Searchlights(cr, w, h, n);
            Silhouette(cr, 66, w * 0.25, h * 0.7, w * 0.5, Night.ink);
            break;
        case art::Scene::Curtain:
        case art::Scene::Message:
            Seascape(cr, w, h, Storm, 0.5, n);
            Fleet(cr, w, h, 0.5, Storm, n, 3, 0.7);
            break;
        case art::Scene::Headquarters:
            ChartTable(cr, w, h, n);
            break;
        case art::Scene::Difficulty:
            Seascape(cr, w, h, Dawn, 0.35, n);
            SetColour(cr, Hex(0x0a1428), 0.35);
            cairo_paint(cr);
            break;
        case art::Scene::Selection:
            Seascape(cr, w, h, Storm, 0.58, n);
            for (int i = 0; i < 6; ++i)
            {
                Silhouette(cr, i % 3 == 2 ? 30 : 3, w * (0.05 + i * 0.15), h * (0.62 + (i % 2) * 0.04), w * 0.12,
                           Mix(Storm.ink, Storm.skyHorizon, 0.25));
            }
            break;
        case art::Scene::Campaign:
            Seascape(cr, w, h, Dawn, 0.6, n);
            Fleet(cr, w, h, 0.6, Dawn, n, 7, 1.0);
            break;
        case art::Scene::Nation:
            Seascape(cr, w, h, p.nation % 2 ? Day : Dawn, 0.66, n);
            WavingFlag(cr, p.nation, w * 0.08, h * 0.1, w * 0.36, w * 0.24, h);
            Silhouette(cr, p.nation % 3 == 0 ? 73 : 63, w * 0.45, h * 0.74, w * 0.5, ink);
            break;
        case art::Scene::Victory:
            Seascape(cr, w, h, Day, 0.64, n);
            if (p.nation > 0)
            {
                WavingFlag(cr, p.nation, w * 0.58, h * 0.08, w * 0.34, w * 0.22, h);
            }
            Fleet(cr, w, h, 0.64, Day, n, 5, 0.9);
            for (int i = 0; i < 7; ++i)
            {
                PosterAircraft(cr, 80, w * (0.1 + i * 0.05), h * (0.2 + (i % 3) * 0.04), w * 0.03, 0, Day.ink);
            }
            break;
        case art::Scene::Defeat:
        {
            Seascape(cr, w, h, Fire, 0.6, n);
            // A ship going down by the stern: only the raised bow stands above the water.
            cairo_save(cr);
            cairo_rectangle(cr, 0, 0, w, h * 0.665);
            cairo_clip(cr);
            cairo_translate(cr, w * 0.3, h * 0.76);
            cairo_rotate(cr, -0.42);
            Silhouette(cr, 63, 0, 0, w * 0.5, Fire.ink, false);
            cairo_restore(cr);
            SetColour(cr, Hex(0xffffff), 0.3);
            cairo_rectangle(cr, w * 0.4, h * 0.66, w * 0.2, 3);
            cairo_fill(cr);
            Flames(cr, w * 0.47, h * 0.64, h * 0.1, n);
            Smoke(cr, w * 0.47, h * 0.56, h * 0.12, n, Hex(0x202020));
            break;
        }
        case art::Scene::Finish:
            Seascape(cr, w, h, Dawn, 0.7, n);
            for (int i = 0; i < 3; ++i)
            {
                // Shipyard cranes over hulls on the slips.
                const double x = w * (0.15 + i * 0.3);
                SetColour(cr, Dawn.ink);
                cairo_set_line_width(cr, 6);
                cairo_move_to(cr, x, h * 0.72);
                cairo_line_to(cr, x, h * 0.25);
                cairo_line_to(cr, x + w * 0.15, h * 0.25);
                cairo_stroke(cr);
                Silhouette(cr, 53, x - w * 0.05, h * 0.76, w * 0.25, Mix(Dawn.ink, Dawn.skyHorizon, 0.2));
            }
            break;
        case art::Scene::Technology:
            Blueprint(cr, w, h, n);
            break;
        case art::Scene::MessageAir:
            Seascape(cr, w, h, Day, 0.8, n);
            for (int i = 0; i < 9; ++i)
            {
                PosterAircraft(cr, i < 3 ? 87 : 80, w * (0.2 + (i % 3) * 0.22), h * (0.2 + (i / 3) * 0.18),
                         w * (i < 3 ? 0.12 : 0.06), -0.3, Day.ink);
            }
            break;
        case art::Scene::MessagePort:
        case art::Scene::MessageHarbour:
        {
            const bool burning = p.scene == art::Scene::MessagePort;
            Seascape(cr, w, h, burning ? Fire : Dusk, 0.55, n);
            Harbour(cr, w, h, 0.55, burning ? Fire.ink : Dusk.ink, n);
            if (burning)
            {
                Flames(cr, w * 0.3, h * 0.5, h * 0.1, n);
                Flames(cr, w * 0.7, h * 0.48, h * 0.08, n);
                Smoke(cr, w * 0.3, h * 0.4, h * 0.08, n, Hex(0x181818));
            }
            Silhouette(cr, 43, w * 0.3, h * 0.72, w * 0.4, burning ? Fire.ink : Dusk.ink);
            break;
        }
        case art::Scene::RankPanel:
        {
            // Calm sea under the sprites the difficulty screen draws here; the rank's gold
            // sleeve rings in the corner.
            FillGradient(cr, 0, h, Hex(0x1f4a7a), Hex(0x0e2848), w);
            for (int i = 0; i < 60; ++i)
            {
                const double x = n.Range(0, w), y = n.Range(0, h);
                SetColour(cr, Hex(0x6d9bc8), 0.25);
                cairo_set_line_width(cr, 1.2);
                cairo_move_to(cr, x, y);
                cairo_curve_to(cr, x + 3, y - 2, x + 7, y - 2, x + 10, y);
                cairo_stroke(cr);
            }
            for (int i = 0; i < p.nation; ++i)
            {
                cairo_rectangle(cr, w - 58, h - 14 - i * 8, 50, 4);
                SetColour(cr, Hex(0xe2b548));
                cairo_fill(cr);
            }
            SetColour(cr, Hex(0xe2b548));
            cairo_set_line_width(cr, 2);
            cairo_rectangle(cr, 1, 1, w - 2, h - 2);
            cairo_stroke(cr);
            break;
        }
        case art::Scene::Mission:
            PaintMission(cr, p.nation, w, h, n);
            break;
        default:
            break;
    }
}

bool IsPoster(art::Scene scene)
{
    switch (scene)
    {
        case art::Scene::Texture:
        case art::Scene::Mask:
        case art::Scene::Logo:
        case art::Scene::Emblem:
        case art::Scene::Panel:
            return false;
        default:
            return true;
    }
}

} // namespace

void WritePosters(const std::filesystem::path& root, const std::filesystem::path& preview)
{
    for (const art::Picture& p : art::Pictures)
    {
        if (!IsPoster(p.scene))
        {
            continue;
        }
        Canvas canvas(p.width, p.height);
        Paint(canvas.Cr(), p);
        // Screens with text or sprites on them stay smooth; the posters get brushwork.
        if (p.scene != art::Scene::Headquarters && p.scene != art::Scene::Technology &&
            p.scene != art::Scene::RankPanel && p.scene != art::Scene::Difficulty)
        {
            Brushwork(canvas.Surface(), 3.2, static_cast<std::uint32_t>(p.width * 31 + p.nation * 7 + p.height));
        }
        const auto path = OutputPath(root, p.file);
        if (p.format == art::Format::Jpeg)
        {
            WriteJpeg(path, canvas, 88);
        }
        else
        {
            WriteBmp(path, canvas, false);
        }
        if (!preview.empty())
        {
            std::filesystem::create_directories(preview);
            const auto png = preview / (path.filename().stem().string() + ".png");
            cairo_surface_write_to_png(canvas.Surface(), png.string().c_str());
        }
    }
}

} // namespace olvane::artgen
