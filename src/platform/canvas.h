#pragma once

#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/picture.h"

#include <string_view>
#include <vector>

namespace olvane::platform
{

/// How a pen puts its pixels down. NotXor inverts the exclusive-or of pen and picture, so the
/// same figure drawn twice leaves the picture as it was (the rubber band, the view rectangle).
enum class PenMode : std::uint8_t
{
    Copy,
    NotXor,
};

enum class BrushStyle : std::uint8_t
{
    Solid,
    Clear,
};

struct Pen
{
    Colour colour = colours::Black;
    int width = 1;
    PenMode mode = PenMode::Copy;
};

struct Brush
{
    Colour colour = colours::White;
    BrushStyle style = BrushStyle::Solid;
};

/// Draws into a picture. Coordinates are relative to an origin and drawing stays inside a clip
/// rectangle, so a control paints in its own coordinates. Text goes on the brush colour unless
/// the brush is clear.
/// Where a picture was copied onto the screen while a frame was composed: a part of the
/// source, the rectangle it was copied to (stretched when the sizes differ) and the clip.
struct Placement
{
    const SDL_Surface* source;
    Rect part;
    Rect to;
    Rect clip;
};

class Canvas
{
public:
    explicit Canvas(Picture& target);
    Canvas(Picture& target, Point origin, Rect clip);

    Pen pen;
    Brush brush;
    Font font;

    /// Fills with the brush colour, whatever the brush style.
    void FillRect(const Rect& r);

    /// A one-pixel frame in the brush colour.
    void FrameRect(const Rect& r);

    /// The outline with the pen, filled inside with the brush unless it is clear.
    void Rectangle(const Rect& r);

    /// The ellipse inside a rectangle, outlined with the pen, filled with the brush unless clear.
    void Ellipse(const Rect& r);

    void MoveTo(int x, int y) { penPos_ = Point{x, y}; }

    /// A line from the pen position up to, not including, the end point, which becomes the pen
    /// position.
    void LineTo(int x, int y);

    void Line(int x1, int y1, int x2, int y2)
    {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    /// Text with its top-left corner at (x, y).
    void TextOut(int x, int y, std::string_view text);

    /// Text placed inside a rectangle, cut at its edges.
    void TextRect(const Rect& r, int x, int y, std::string_view text);

    Size TextExtent(std::string_view text);

    int TextWidth(std::string_view text) { return TextExtent(text).width; }

    int TextHeight(std::string_view text) { return TextExtent(text).height; }

    /// Copies a picture at (x, y); transparent pictures leave their key colour out.
    void Draw(int x, int y, const Picture& picture);

    /// Copies a picture stretched to a rectangle (nearest pixel), transparent ones keyed.
    void StretchDraw(const Rect& dest, const Picture& picture);

    /// Copies part of a picture to a rectangle, stretching when the sizes differ.
    void CopyRect(const Rect& dest, const Picture& source, const Rect& sourcePart);

    /// Copies a picture leaving out every pixel of one colour.
    void DrawTransparent(int x, int y, const Picture& picture, Colour key);

    Rect ClipRect() const { return clip_.Offset(-origin_.x, -origin_.y); }

    Picture& Target() { return *target_; }

    /// While set, every text drawn is also recorded here (what a form shows, for scripted checks).
    static void RecordTextsInto(std::vector<std::string>* sink);

    /// While set, every picture copied onto `screen` is also recorded here, so drawing into that
    /// picture later tells where the screen changes.
    static void RecordPlacementsInto(std::vector<Placement>* sink, const SDL_Surface* screen);

private:
    void Blit(SDL_Surface* source, const SDL_Rect* sourcePart, const Rect& dest, bool stretch,
              const std::optional<Colour>& key);
    void PlotPoints(std::vector<Point>& points, Colour colour, PenMode mode);
    void PlotPixel(int x, int y, Colour colour, PenMode mode);
    void FillArea(const Rect& r, Colour colour);
    void FillSpan(int y, int x1, int x2, Colour colour);

    Picture* target_;
    Point origin_;
    Rect clip_;
    Point penPos_;
};

} // namespace olvane::platform
