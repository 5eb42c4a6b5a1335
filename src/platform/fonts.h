#pragma once

#include "platform/geometry.h"
#include "platform/sdl_handles.h"

#include <filesystem>
#include <map>
#include <string>
#include <tuple>

namespace olvane::platform
{

enum class FontStyle : std::uint8_t
{
    Regular = 0,
    Bold = 1,
    Italic = 2,
    BoldItalic = 3,
};

/// A font as the screens name it: a face name such as "ARIAL" or "CURIER NEW", a size in points,
/// a style, an underline and a colour.
struct Font
{
    std::string name = "ARIAL";
    int size = 10;
    FontStyle style = FontStyle::Regular;
    bool underline = false;
    Colour colour = colours::Black;

    friend bool operator==(const Font&, const Font&) = default;
};

/// The font factor: 96 divided by the logical resolution when that is from 97 to 120 dots per
/// inch, 1 otherwise. The main game window multiplies its font sizes by it.
double FontFactorForDpi(double dpi);

/// The program-wide font factor and the logical resolution fonts are sized at. Points become
/// pixels at 96 / factor dots per inch, so texts scaled by the factor come out at their design
/// size and the others grow with the display, as they would on the desktop the game was made for.
double FontFactor();
void SetFontFactor(double factor);

/// Pixel height of the em square for a size in points.
int PointsToPixels(int points);

/// Every face the program opens, resolved through fontconfig once per name and style and kept
/// open per pixel size for the whole run.
class FontCache
{
public:
    static FontCache& Instance();

    /// The open face for a font, never null: an unknown name falls back to a sans face.
    TTF_Font* Face(const Font& font);

    /// A text drawn in a font (blended onto nothing), kept for the next frame that shows it; null
    /// when the text cannot be drawn. Valid until the next call.
    SDL_Surface* Rendered(const Font& font, const std::string& text);

    /// The size a text takes in a font.
    Size Extent(const Font& font, const std::string& text);

    /// The file fontconfig chose for a name and style (for tests and diagnostics).
    std::filesystem::path ResolveFile(const std::string& name, FontStyle style);

    /// Closes every face and forgets every text (before TTF is shut down).
    void Clear();

    ~FontCache();

private:
    FontCache();

    std::map<std::tuple<std::string, FontStyle>, std::filesystem::path> files_;
    std::map<std::tuple<std::string, int>, FontPtr> faces_;
    // Every frame draws the same captions again; shaping them once is what keeps a frame cheap.
    std::map<std::tuple<TTF_Font*, bool, Colour, std::string>, SurfacePtr> rendered_;
    std::map<std::tuple<TTF_Font*, bool, std::string>, Size> extents_;
};

} // namespace olvane::platform
