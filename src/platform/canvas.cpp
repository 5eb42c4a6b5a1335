#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace olvane::platform
{

namespace
{

std::vector<std::string>* textSink = nullptr;
std::vector<Placement>* placementSink = nullptr;
const SDL_Surface* placementScreen = nullptr;

Uint32* Row(SDL_Surface* s, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
}

// Visits every point of a line once; each step moves on, so no point comes twice.
template <typename Visit>
void WalkLine(Point a, Point b, Visit visit)
{
    int dx = std::abs(b.x - a.x);
    int dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1;
    int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    Point p = a;
    // The end point itself is left out, as the game's line drawing does.
    while (p != b)
    {
        visit(p);
        int e2 = 2 * err;
        if (e2 >= dy)
        {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx)
        {
            err += dx;
            p.y += sy;
        }
    }
}

// Half-widths of an ellipse inscribed in a box, measured from its centre.
struct EllipseShape
{
    double cx;
    double cy;
    double a;
    double b;

    explicit EllipseShape(const Rect& r)
        : cx(r.x + (r.width - 1) / 2.0), cy(r.y + (r.height - 1) / 2.0), a((r.width - 1) / 2.0),
          b((r.height - 1) / 2.0)
    {
    }

    double HalfWidthAt(double y) const
    {
        if (b <= 0.0)
        {
            return a;
        }
        double t = (y - cy) / b;
        return t * t >= 1.0 ? 0.0 : a * std::sqrt(1.0 - t * t);
    }

    double HalfHeightAt(double x) const
    {
        if (a <= 0.0)
        {
            return b;
        }
        double t = (x - cx) / a;
        return t * t >= 1.0 ? 0.0 : b * std::sqrt(1.0 - t * t);
    }
};

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

Canvas::Canvas(Picture& target) : target_(&target), origin_{0, 0}, clip_(target.Bounds())
{
}

Canvas::Canvas(Picture& target, Point origin, Rect clip) : target_(&target), origin_(origin), clip_(clip.Intersect(target.Bounds()))
{
}

void Canvas::RecordTextsInto(std::vector<std::string>* sink)
{
    textSink = sink;
}

void Canvas::RecordPlacementsInto(std::vector<Placement>* sink, const SDL_Surface* screen)
{
    placementSink = sink;
    placementScreen = screen;
}

void Canvas::FillSpan(int y, int x1, int x2, Colour colour)
{
    SDL_Surface* s = target_->Surface();
    y += origin_.y;
    x1 += origin_.x;
    x2 += origin_.x;
    if (s == nullptr || y < clip_.y || y >= clip_.Bottom())
    {
        return;
    }
    x1 = std::max(x1, clip_.x);
    x2 = std::min(x2, clip_.Right());
    MarkDrawn(s, Rect{x1, y, x2 - x1, 1});
    Uint32* row = Row(s, y);
    for (int x = x1; x < x2; ++x)
    {
        row[x] = colour;
    }
}

void Canvas::FillArea(const Rect& r, Colour colour)
{
    SDL_Surface* s = target_->Surface();
    const Rect area = r.Offset(origin_.x, origin_.y).Intersect(clip_);
    if (s == nullptr || area.Empty())
    {
        return;
    }
    MarkDrawn(s, area);
    SDL_Rect dst{area.x, area.y, area.width, area.height};
    SDL_FillRect(s, &dst, colour);
}

void Canvas::FillRect(const Rect& r)
{
    FillArea(r, brush.colour);
}

void Canvas::FrameRect(const Rect& r)
{
    if (r.Empty())
    {
        return;
    }
    FillArea(Rect{r.x, r.y, r.width, 1}, brush.colour);
    FillArea(Rect{r.x, r.Bottom() - 1, r.width, 1}, brush.colour);
    FillArea(Rect{r.x, r.y + 1, 1, r.height - 2}, brush.colour);
    FillArea(Rect{r.Right() - 1, r.y + 1, 1, r.height - 2}, brush.colour);
}

void Canvas::PlotPixel(int x, int y, Colour colour, PenMode mode)
{
    SDL_Surface* s = target_->Surface();
    x += origin_.x;
    y += origin_.y;
    if (s == nullptr || !clip_.Contains(Point{x, y}))
    {
        return;
    }
    Uint32& pixel = Row(s, y)[x];
    switch (mode)
    {
        case PenMode::Copy:
            pixel = colour & 0xFFFFFF;
            break;
        case PenMode::NotXor:
            pixel = ~(colour ^ pixel) & 0xFFFFFF;
            break;
    }
}

void Canvas::PlotPoints(std::vector<Point>& points, Colour colour, PenMode mode)
{
    SDL_Surface* s = target_->Surface();
    if (s == nullptr || points.empty())
    {
        return;
    }
    if (pen.width > 1)
    {
        std::vector<Point> wide;
        int lo = -(pen.width / 2);
        int hi = lo + pen.width;
        for (Point p : points)
        {
            for (int dy = lo; dy < hi; ++dy)
            {
                for (int dx = lo; dx < hi; ++dx)
                {
                    wide.push_back(Point{p.x + dx, p.y + dy});
                }
            }
        }
        points.swap(wide);
    }
    // Every pixel exactly once: a not-xor figure must cancel itself when drawn again.
    std::sort(points.begin(), points.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    Rect touched;
    for (Point p : points)
    {
        PlotPixel(p.x, p.y, colour, mode);
        touched = touched.Union(Rect{p.x, p.y, 1, 1});
    }
    MarkDrawn(s, touched.Offset(origin_.x, origin_.y).Intersect(clip_));
}

void Canvas::Rectangle(const Rect& r)
{
    if (r.Empty())
    {
        return;
    }
    if (brush.style == BrushStyle::Solid)
    {
        FillRect(r.Inflate(-1));
    }
    if (pen.width == 1)
    {
        // A thin outline visits each pixel once by itself: rows first, then the columns
        // between them, each only when it is not the same line as its opposite.
        MarkDrawn(target_->Surface(), r.Offset(origin_.x, origin_.y).Intersect(clip_));
        const int right = r.Right() - 1;
        const int bottom = r.Bottom() - 1;
        for (int x = r.x; x <= right; ++x)
        {
            PlotPixel(x, r.y, pen.colour, pen.mode);
            if (bottom != r.y)
            {
                PlotPixel(x, bottom, pen.colour, pen.mode);
            }
        }
        for (int y = r.y + 1; y < bottom; ++y)
        {
            PlotPixel(r.x, y, pen.colour, pen.mode);
            if (right != r.x)
            {
                PlotPixel(right, y, pen.colour, pen.mode);
            }
        }
        return;
    }
    std::vector<Point> points;
    for (int x = r.x; x < r.Right(); ++x)
    {
        points.push_back(Point{x, r.y});
        points.push_back(Point{x, r.Bottom() - 1});
    }
    for (int y = r.y; y < r.Bottom(); ++y)
    {
        points.push_back(Point{r.x, y});
        points.push_back(Point{r.Right() - 1, y});
    }
    PlotPoints(points, pen.colour, pen.mode);
}

void Canvas::Ellipse(const Rect& r)
{
    if (r.Empty())
    {
        return;
    }
    EllipseShape e(r);
    if (brush.style == BrushStyle::Solid)
    {
        for (int y = r.y + 1; y < r.Bottom() - 1; ++y)
        {
            double h = e.HalfWidthAt(y);
            FillSpan(y, Round(e.cx - h) + 1, Round(e.cx + h), brush.colour);
        }
    }
    std::vector<Point> points;
    for (int x = r.x; x < r.Right(); ++x)
    {
        double h = e.HalfHeightAt(x);
        points.push_back(Point{x, Round(e.cy - h)});
        points.push_back(Point{x, Round(e.cy + h)});
    }
    for (int y = r.y; y < r.Bottom(); ++y)
    {
        double h = e.HalfWidthAt(y);
        points.push_back(Point{Round(e.cx - h), y});
        points.push_back(Point{Round(e.cx + h), y});
    }
    PlotPoints(points, pen.colour, pen.mode);
}

void Canvas::LineTo(int x, int y)
{
    if (pen.width == 1)
    {
        // A thin line meets no pixel twice, so it needs no list of its points.
        const Rect span = Rect{penPos_.x, penPos_.y, 1, 1}.Union(Rect{x, y, 1, 1});
        MarkDrawn(target_->Surface(), span.Offset(origin_.x, origin_.y).Intersect(clip_));
        WalkLine(penPos_, Point{x, y}, [&](Point p) { PlotPixel(p.x, p.y, pen.colour, pen.mode); });
        penPos_ = Point{x, y};
        return;
    }
    std::vector<Point> points;
    WalkLine(penPos_, Point{x, y}, [&](Point p) { points.push_back(p); });
    PlotPoints(points, pen.colour, pen.mode);
    penPos_ = Point{x, y};
}

Colour Canvas::Pixel(int x, int y) const
{
    return target_->Pixel(x + origin_.x, y + origin_.y);
}

void Canvas::SetPixel(int x, int y, Colour c)
{
    if (clip_.Contains(Point{x + origin_.x, y + origin_.y}))
    {
        target_->SetPixel(x + origin_.x, y + origin_.y, c);
    }
}

Size Canvas::TextExtent(std::string_view text)
{
    return FontCache::Instance().Extent(font, std::string(text));
}

void Canvas::TextOut(int x, int y, std::string_view text)
{
    TextRect(ClipRect(), x, y, text);
}

void Canvas::TextRect(const Rect& r, int x, int y, std::string_view text)
{
    if (textSink != nullptr && !text.empty())
    {
        textSink->emplace_back(text);
    }
    SDL_Surface* s = target_->Surface();
    if (s == nullptr || text.empty())
    {
        return;
    }
    Rect area = r.Offset(origin_.x, origin_.y).Intersect(clip_);
    MarkDrawn(s, area);
    Size extent = TextExtent(text);
    if (brush.style == BrushStyle::Solid)
    {
        Rect back{x, y, extent.width, extent.height};
        Rect saved = clip_;
        clip_ = area;
        FillRect(back);
        clip_ = saved;
    }
    SDL_Surface* rendered = FontCache::Instance().Rendered(font, std::string(text));
    if (rendered == nullptr)
    {
        return;
    }
    SDL_Rect sdlClip{area.x, area.y, area.width, area.height};
    SDL_SetClipRect(s, &sdlClip);
    SDL_Rect dst{x + origin_.x, y + origin_.y, rendered->w, rendered->h};
    SDL_BlitSurface(rendered, nullptr, s, &dst);
    SDL_SetClipRect(s, nullptr);
}

void Canvas::Blit(SDL_Surface* source, const SDL_Rect* sourcePart, const Rect& dest, bool stretch,
                  const std::optional<Colour>& key)
{
    SDL_Surface* s = target_->Surface();
    if (s == nullptr || source == nullptr)
    {
        return;
    }
    SDL_Rect part = sourcePart != nullptr ? *sourcePart : SDL_Rect{0, 0, source->w, source->h};
    Rect to = dest.Offset(origin_.x, origin_.y);
    if (!stretch)
    {
        to.width = part.w;
        to.height = part.h;
    }
    if (to.Empty() || part.w <= 0 || part.h <= 0)
    {
        return;
    }
    MarkDrawn(s, to.Intersect(clip_));
    if (placementSink != nullptr && s == placementScreen)
    {
        placementSink->push_back(Placement{source, Rect{part.x, part.y, part.w, part.h}, to, clip_});
    }
    if (!key && !stretch)
    {
        SDL_Rect sdlClip{clip_.x, clip_.y, clip_.width, clip_.height};
        SDL_SetClipRect(s, &sdlClip);
        SDL_Rect dst{to.x, to.y, to.width, to.height};
        SDL_BlitSurface(source, &part, s, &dst);
        SDL_SetClipRect(s, nullptr);
        return;
    }
    // Nearest-pixel copy by hand: keyed pixels are compared on their colour bits only.
    Rect visible = to.Intersect(clip_);
    for (int y = visible.y; y < visible.Bottom(); ++y)
    {
        int sy = part.y + static_cast<int>(static_cast<long long>(y - to.y) * part.h / to.height);
        if (sy < 0 || sy >= source->h)
        {
            continue;
        }
        const Uint32* from = Row(source, sy);
        Uint32* row = Row(s, y);
        for (int x = visible.x; x < visible.Right(); ++x)
        {
            int sx = part.x + static_cast<int>(static_cast<long long>(x - to.x) * part.w / to.width);
            if (sx < 0 || sx >= source->w)
            {
                continue;
            }
            Uint32 pixel = from[sx] & 0xFFFFFF;
            if (key && pixel == (*key & 0xFFFFFF))
            {
                continue;
            }
            row[x] = pixel;
        }
    }
}

namespace
{

std::optional<Colour> KeyOf(const Picture& picture)
{
    if (picture.transparent)
    {
        return picture.KeyColour();
    }
    return std::nullopt;
}

} // namespace

void Canvas::Draw(int x, int y, const Picture& picture)
{
    Blit(picture.Surface(), nullptr, Rect{x, y, picture.Width(), picture.Height()}, false, KeyOf(picture));
}

void Canvas::StretchDraw(const Rect& dest, const Picture& picture)
{
    Blit(picture.Surface(), nullptr, dest, true, KeyOf(picture));
}

void Canvas::CopyRect(const Rect& dest, const Picture& source, const Rect& sourcePart)
{
    SDL_Rect part{sourcePart.x, sourcePart.y, sourcePart.width, sourcePart.height};
    bool stretch = dest.width != sourcePart.width || dest.height != sourcePart.height;
    Blit(source.Surface(), &part, dest, stretch, std::nullopt);
}

void Canvas::DrawTransparent(int x, int y, const Picture& picture, Colour key)
{
    Blit(picture.Surface(), nullptr, Rect{x, y, picture.Width(), picture.Height()}, false, key);
}

} // namespace olvane::platform
