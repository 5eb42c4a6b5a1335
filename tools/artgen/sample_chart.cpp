#include "sample_chart.h"

#include "art/bmp_file.h"
#include "art/sheets.h"
#include "draw_util.h"
#include "image_io.h"

#include <array>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace olvane::artgen
{

namespace
{

constexpr int C = art::CellSize;

// The chart: ~ sea, # land, h hills, t town, a airfield, f forest, l lighthouse, P player major
// port, p enemy port, ? last-seen destroyer, 1 zone marker; upper-case units on sea are placed
// below.
constexpr std::array<const char*, SampleRows> Chart{
    "~~~~~~~~~~~~~~~~",
    "~~##l~~~~~~~~#~~",
    "~####h~~~~~~~~~~",
    "~#t#ff#P~~~~~~~~",
    "~###a##~~~1~~~~~",
    "~~##~##~~~~~~?~~",
    "~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~##~~~",
    "~~~~~~~~~~###p~~",
    "~~~~~~~~~~~##~~~",
};

struct Placed
{
    int x, y;        ///< cell
    int frame;       ///< sprite frame
    bool computer;
    int armour;
    int facing;
};

// A battleship heading east (bow at 9,2, stern at 8,2), a carrier heading south-east on the
// diagonal, a destroyer, a submarine, a fighter, an enemy cruiser and a radar station.
constexpr std::array<Placed, 9> Units{{
    {9, 2, 2 * 8 + 0, false, 10, 0},
    {8, 2, 3 * 8 + 0, false, 10, 0},
    {12, 5, 18 * 8 + 1, false, 8, 1},
    {11, 4, 19 * 8 + 1, false, 8, 1},
    {8, 6, 4 * 8 + 6, false, 5, 6},
    {6, 8, 11 * 8 + 4, false, 4, 4},
    {3, 7, 7 * 8 + 7, false, 5, 7},
    {14, 6, 14 * 8 + 2, true, 7, 2},
    {5, 3, 44 * 8 + 5, false, 4, 0},
}};

class Library
{
public:
    explicit Library(const std::filesystem::path& root) : root_(root) {}

    /// One frame of a sheet as a surface with the key colour made transparent.
    cairo_surface_t* Frame(const art::Sheet& sheet, int frame)
    {
        const std::string key = std::string(sheet.file) + "#" + std::to_string(frame);
        auto found = frames_.find(key);
        if (found != frames_.end())
        {
            return found->second.get();
        }
        const art::Image& image = Load(sheet);
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sheet.frameWidth, sheet.frameHeight);
        auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s));
        const int stride = cairo_image_surface_get_stride(s) / 4;
        for (int y = 0; y < sheet.frameHeight; ++y)
        {
            for (int x = 0; x < sheet.frameWidth; ++x)
            {
                const art::Rgb c = image.At(sheet.FrameX(frame) + x, sheet.FrameY(frame) + y);
                data[y * stride + x] = art::IsKey(c) ? 0u : (0xff000000u | c.r << 16 | c.g << 8 | c.b);
            }
        }
        cairo_surface_mark_dirty(s);
        frames_.emplace(key, std::unique_ptr<cairo_surface_t, Destroy>(s));
        return s;
    }

private:
    struct Destroy
    {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };

    const art::Image& Load(const art::Sheet& sheet)
    {
        const std::string file(sheet.file);
        auto found = images_.find(file);
        if (found == images_.end())
        {
            auto image = art::ReadBmp(root_ / file);
            if (!image)
            {
                throw std::runtime_error("missing " + file);
            }
            found = images_.emplace(file, std::move(*image)).first;
        }
        return found->second;
    }

    std::filesystem::path root_;
    std::map<std::string, art::Image> images_;
    std::map<std::string, std::unique_ptr<cairo_surface_t, Destroy>> frames_;
};

char At(int x, int y)
{
    if (x < 0 || y < 0 || x >= SampleColumns || y >= SampleRows)
    {
        return '\0';
    }
    return Chart[static_cast<std::size_t>(y)][x];
}

bool IsLand(char c)
{
    return c == '#' || c == 'h' || c == 't' || c == 'a' || c == 'f' || c == 'l';
}

int FeatureColumn(char c)
{
    switch (c)
    {
        case 'h': return 6;
        case 't': return 11;
        case 'a': return 13;
        case 'f': return 8;
        case 'l': return 15;
        default: return 5;
    }
}

void Paint(cairo_t* cr, cairo_surface_t* s, double x, double y, double alpha = 1.0)
{
    cairo_set_source_surface(cr, s, x, y);
    cairo_paint_with_alpha(cr, alpha);
}

void ComposeChart(cairo_t* cr, Library& lib)
{
    constexpr int picture = 11;
    const art::Sheet& land = art::LandSheets[0];
    for (int y = 0; y < SampleRows; ++y)
    {
        for (int x = 0; x < SampleColumns; ++x)
        {
            const char c = At(x, y);
            const double px = x * C, py = y * C;
            if (c == 'P' || c == 'p')
            {
                Paint(cr, lib.Frame(art::PortSheet, c == 'P' ? 0 : 3), px, py);
                continue;
            }
            int around = 0;
            constexpr std::array<std::array<int, 2>, 8> steps{
                {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};
            for (std::size_t k = 0; k < steps.size(); ++k)
            {
                const char n = At(x + steps[k][0], y + steps[k][1]);
                const bool nLand = n == '\0' ? IsLand(c) : IsLand(n);
                around |= nLand ? 1 << k : 0;
            }
            const art::CellLayers layers = art::LandLayers(IsLand(c), around, x + 1, y + 1, true);
            if (layers.ground < 0)
            {
                Paint(cr, lib.Frame(art::SeaSheet, art::SeaVariant(x + 1, y + 1)), px, py);
            }
            else
            {
                Paint(cr, lib.Frame(land, layers.ground), px, py);
            }
            for (int k = 0; k < layers.overlayCount; ++k)
            {
                Paint(cr, lib.Frame(land, layers.overlays[static_cast<std::size_t>(k)]), px, py);
            }
            if (IsLand(c) && c != '#')
            {
                const int frame = (picture - 1) * art::TerrainColumnCount + FeatureColumn(c);
                Paint(cr, lib.Frame(art::TerrainSheet, frame), px, py);
            }
            if (c == '1')
            {
                Paint(cr, lib.Frame(art::SeaMarkSheet, art::ZoneMarkerFrame(1)), px, py);
            }
            if (c == '?')
            {
                Paint(cr, lib.Frame(art::LastSeenSheet, 17 + 36 - art::FirstLastSeenBase), px, py);
            }
        }
    }
    // Radar coverage around the battleship and the reach of the destroyer.
    for (int y = 0; y <= 4; ++y)
    {
        for (int x = 6; x <= 11; ++x)
        {
            Paint(cr, lib.Frame(art::TintSheet, 0), x * C, y * C, art::TintAlpha[0] / 255.0);
        }
    }
    for (int x = 7; x <= 9; ++x)
    {
        Paint(cr, lib.Frame(art::TintSheet, art::ReachTintFrame), x * C, 7 * C, art::TintAlpha[4] / 255.0);
    }
    for (const Placed& u : Units)
    {
        const auto& sheets = u.computer ? art::ComputerSpriteSheets : art::PlayerSpriteSheets;
        const art::SpriteLocation at = art::LocateSprite(u.frame);
        Paint(cr, lib.Frame(sheets[static_cast<std::size_t>(at.file)], at.frame), u.x * C, u.y * C);
        const art::Sheet& marks = u.computer ? art::ComputerMarkSheet : art::PlayerMarkSheet;
        Paint(cr, lib.Frame(marks, art::ArmourBarFrame + u.armour), u.x * C, u.y * C);
        if (u.frame / 8 != art::RadarSpriteRow)
        {
            Paint(cr, lib.Frame(marks, art::FacingMarkFrame + u.facing), u.x * C, u.y * C);
        }
    }
    // The carrier on its diagonal also gets its large picture over the 2 x 2 block.
    Paint(cr, lib.Frame(art::PlayerBigSheet, (113 - 100) * 8 + 1), 11 * C, 4 * C);
    // The current unit's marker: 6 x 6, navy with a yellow border.
    SetColour(cr, Hex(0xffe000));
    cairo_rectangle(cr, 8 * C, 6 * C, 6, 6);
    cairo_fill(cr);
    SetColour(cr, Hex(0x000080));
    cairo_rectangle(cr, 8 * C + 1, 6 * C + 1, 4, 4);
    cairo_fill(cr);
    // An explosion on the enemy cruiser.
    Paint(cr, lib.Frame(art::ExplosionSheet, 3), 14 * C, 6 * C);
}

} // namespace

int DrawSampleChart(cairo_t* cr, const std::filesystem::path& root, double x, double y)
{
    Library lib(root);
    Canvas chart(SampleColumns * C, SampleRows * C);
    ComposeChart(chart.Cr(), lib);
    cairo_surface_flush(chart.Surface());
    cairo_save(cr);
    cairo_set_source_surface(cr, chart.Surface(), x, y);
    cairo_paint(cr);
    // The strategic view: every composed cell shrunk to 30 pixels.
    const double scale = static_cast<double>(art::StrategicCellSize) / C;
    cairo_translate(cr, x + SampleColumns * C + 12, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, chart.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    return SampleRows * C;
}

} // namespace olvane::artgen
