#include "contact_sheet.h"

#include "art/bmp_file.h"
#include "draw_util.h"
#include "image_io.h"
#include "sample_chart.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace olvane::artgen
{

namespace
{

constexpr int SheetWidth = 1560;
int layoutWidth = SheetWidth;
constexpr int Margin = 8;
constexpr int Gap = 3;
constexpr int TitleHeight = 18;

struct Placed
{
    const art::Sheet* sheet;
    art::Image image;
    int perLine;
    int top;
    int height;
};

int PerLine(const art::Sheet& sheet)
{
    int n = std::max(1, (layoutWidth - 2 * Margin) / (sheet.frameWidth + Gap));
    // Keep sprite rows whole so a line shows complete sets of facings.
    if (sheet.columns == art::FacingCount && n >= art::FacingCount)
    {
        n -= n % art::FacingCount;
    }
    // Wide sheets (the terrain rows) break at a divisor of their row, so columns line up.
    while (n < sheet.columns && sheet.columns % n != 0)
    {
        --n;
    }
    return std::min(n, sheet.frames);
}

bool Wanted(std::string_view file, const std::string& only)
{
    if (only.empty())
    {
        return true;
    }
    std::size_t start = 0;
    while (start <= only.size())
    {
        const std::size_t end = std::min(only.find(',', start), only.size());
        if (end > start && file.find(only.substr(start, end - start)) != std::string_view::npos)
        {
            return true;
        }
        start = end + 1;
    }
    return false;
}

} // namespace

void WriteContactSheet(const std::filesystem::path& root, const std::filesystem::path& png, const std::string& only,
                       int zoom)
{
    zoom = std::clamp(zoom, 1, 8);
    layoutWidth = SheetWidth / zoom;
    std::vector<Placed> placed;
    // The whole sheet review starts with a composed sample chart.
    const bool chart = only.empty() || only.find("chart") != std::string::npos;
    int y = Margin + (chart ? TitleHeight + SampleRows * art::CellSize + Margin : 0);
    for (const art::Sheet* sheet : art::AllSheets)
    {
        if (!Wanted(sheet->file, only))
        {
            continue;
        }
        auto image = art::ReadBmp(root / std::string(sheet->file));
        if (!image)
        {
            continue;
        }
        const int perLine = PerLine(*sheet);
        const int lines = (sheet->frames + perLine - 1) / perLine;
        const int height = TitleHeight + lines * (sheet->frameHeight + Gap) + Margin;
        placed.push_back(Placed{sheet, std::move(*image), perLine, y, height});
        y += height;
    }
    if (placed.empty() && !chart)
    {
        throw std::runtime_error("no pictures found under " + root.string());
    }
    Canvas canvas(layoutWidth, y + Margin);
    cairo_t* cr = canvas.Cr();
    SetColour(cr, Hex(0x20232a));
    cairo_paint(cr);
    if (chart)
    {
        SetColour(cr, Hex(0xf0e6c8));
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 13);
        cairo_move_to(cr, Margin, Margin + 13);
        cairo_show_text(cr, "Sample chart, composed from the sheets below (tactical 42 px, strategic 30 px)");
        DrawSampleChart(cr, root, Margin, Margin + TitleHeight);
    }
    for (const Placed& p : placed)
    {
        const art::Sheet& s = *p.sheet;
        SetColour(cr, Hex(0xf0e6c8));
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 13);
        const std::string title = std::string(s.file) + "  (" + std::to_string(s.frames) + " frames of " +
                                  std::to_string(s.frameWidth) + " x " + std::to_string(s.frameHeight) +
                                  (s.keyed ? ", keyed)" : ", opaque)");
        cairo_move_to(cr, Margin, p.top + 13);
        cairo_show_text(cr, title.c_str());
        // Frames are copied pixel by pixel; key pixels show the chart blue underneath.
        Canvas frames(s.frameWidth, s.frameHeight);
        // Terrain features and reliefs lie on land, everything else on the sea.
        const std::uint32_t keyShows = &s == &art::TerrainSheet ? 0xffb9b47cu : 0xff1d3f6eu;
        for (int f = 0; f < s.frames; ++f)
        {
            const int fx = Margin + f % p.perLine * (s.frameWidth + Gap);
            const int fy = p.top + TitleHeight + f / p.perLine * (s.frameHeight + Gap);
            cairo_surface_flush(frames.Surface());
            auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(frames.Surface()));
            const int stride = cairo_image_surface_get_stride(frames.Surface()) / 4;
            for (int yy = 0; yy < s.frameHeight; ++yy)
            {
                for (int xx = 0; xx < s.frameWidth; ++xx)
                {
                    const art::Rgb c = p.image.At(s.FrameX(f) + xx, s.FrameY(f) + yy);
                    data[yy * stride + xx] = art::IsKey(c) ? keyShows : (0xff000000u | c.r << 16 | c.g << 8 | c.b);
                }
            }
            cairo_surface_mark_dirty(frames.Surface());
            cairo_set_source_surface(cr, frames.Surface(), fx, fy);
            cairo_paint(cr);
            if (f % p.perLine == 0)
            {
                SetColour(cr, Hex(0xb0b8c0));
                cairo_set_font_size(cr, 9);
                const std::string n = std::to_string(s.columns == art::FacingCount ? f / art::FacingCount : f);
                cairo_move_to(cr, 0, fy + 9);
                cairo_show_text(cr, n.c_str());
            }
        }
    }
    Canvas zoomed(layoutWidth * zoom, (y + Margin) * zoom);
    cairo_scale(zoomed.Cr(), zoom, zoom);
    cairo_set_source_surface(zoomed.Cr(), canvas.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(zoomed.Cr()), CAIRO_FILTER_NEAREST);
    cairo_paint(zoomed.Cr());
    cairo_surface_flush(zoomed.Surface());
    std::filesystem::create_directories(png.parent_path().empty() ? "." : png.parent_path());
    if (cairo_surface_write_to_png(zoomed.Surface(), png.string().c_str()) != CAIRO_STATUS_SUCCESS)
    {
        throw std::runtime_error("cannot write " + png.string());
    }
}

} // namespace olvane::artgen
