#include "platform/fonts.h"

#include <cctype>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <stdexcept>

namespace olvane::platform
{

namespace
{

double fontFactor = 1.0;

std::string Upper(std::string_view s)
{
    std::string out;
    for (char c : s)
    {
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

// The game names its faces in capitals and spells one of them its own way.
std::string FamilyFor(const std::string& name)
{
    std::string upper = Upper(name);
    if (upper == "ARIAL")
    {
        return "Arial";
    }
    if (upper == "CURIER NEW" || upper == "COURIER NEW" || upper == "COURIER")
    {
        return "Courier New";
    }
    if (upper == "TIMES NEW ROMAN")
    {
        return "Times New Roman";
    }
    return name;
}

std::filesystem::path MatchFile(const std::string& family, FontStyle style)
{
    if (FcInit() == FcFalse)
    {
        return {};
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    bool bold = style == FontStyle::Bold || style == FontStyle::BoldItalic;
    bool italic = style == FontStyle::Italic || style == FontStyle::BoldItalic;
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::filesystem::path file;
    if (match != nullptr)
    {
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &name) == FcResultMatch)
        {
            file = reinterpret_cast<const char*>(name);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

} // namespace

double FontFactorForDpi(double dpi)
{
    if (dpi >= 97.0 && dpi <= 120.0)
    {
        return 96.0 / dpi;
    }
    return 1.0;
}

double FontFactor()
{
    return fontFactor;
}

void SetFontFactor(double factor)
{
    fontFactor = factor > 0.0 ? factor : 1.0;
}

int PointsToPixels(int points)
{
    double dpi = 96.0 / fontFactor;
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72.0)));
}

FontCache& FontCache::Instance()
{
    static FontCache cache;
    return cache;
}

FontCache::FontCache()
{
    if (TTF_WasInit() == 0 && TTF_Init() != 0)
    {
        throw std::runtime_error(std::string("cannot start the font renderer: ") + TTF_GetError());
    }
}

FontCache::~FontCache()
{
    Clear();
}

void FontCache::Clear()
{
    rendered_.clear();
    extents_.clear();
    faces_.clear();
}

namespace
{

// Texts kept at most: the captions of a few screens. Counters and coordinates keep changing, so
// the cache starts afresh when it is full rather than growing through a long game.
constexpr std::size_t MostTextsKept = 1024;

} // namespace

SDL_Surface* FontCache::Rendered(const Font& font, const std::string& text)
{
    TTF_Font* face = Face(font);
    auto key = std::make_tuple(face, font.underline, font.colour & 0xFFFFFF, text);
    auto found = rendered_.find(key);
    if (found != rendered_.end())
    {
        return found->second.get();
    }
    if (rendered_.size() >= MostTextsKept)
    {
        rendered_.clear();
    }
    SDL_Color colour{RedOf(font.colour), GreenOf(font.colour), BlueOf(font.colour), 255};
    SurfacePtr surface(TTF_RenderUTF8_Blended(face, text.c_str(), colour));
    SDL_Surface* result = surface.get();
    rendered_.emplace(std::move(key), std::move(surface));
    return result;
}

Size FontCache::Extent(const Font& font, const std::string& text)
{
    TTF_Font* face = Face(font);
    auto key = std::make_tuple(face, font.underline, text);
    auto found = extents_.find(key);
    if (found != extents_.end())
    {
        return found->second;
    }
    if (extents_.size() >= MostTextsKept)
    {
        extents_.clear();
    }
    int w = 0;
    int h = TTF_FontHeight(face);
    if (!text.empty())
    {
        TTF_SizeUTF8(face, text.c_str(), &w, &h);
    }
    extents_.emplace(std::move(key), Size{w, h});
    return Size{w, h};
}

std::filesystem::path FontCache::ResolveFile(const std::string& name, FontStyle style)
{
    auto key = std::make_tuple(Upper(name), style);
    auto found = files_.find(key);
    if (found != files_.end())
    {
        return found->second;
    }
    std::filesystem::path file = MatchFile(FamilyFor(name), style);
    if (file.empty())
    {
        file = MatchFile("sans-serif", style);
    }
    files_[key] = file;
    return file;
}

TTF_Font* FontCache::Face(const Font& font)
{
    std::filesystem::path file = ResolveFile(font.name, font.style);
    int pixels = PointsToPixels(std::abs(font.size));
    auto key = std::make_tuple(file.string(), pixels);
    auto found = faces_.find(key);
    if (found == faces_.end())
    {
        FontPtr face(TTF_OpenFont(file.c_str(), pixels));
        if (!face)
        {
            throw std::runtime_error("cannot open the font " + file.string() + ": " + TTF_GetError());
        }
        found = faces_.emplace(key, std::move(face)).first;
    }
    TTF_Font* face = found->second.get();
    int wanted = font.underline ? TTF_STYLE_UNDERLINE : TTF_STYLE_NORMAL;
    if (TTF_GetFontStyle(face) != wanted)
    {
        TTF_SetFontStyle(face, wanted);
    }
    return face;
}

} // namespace olvane::platform
