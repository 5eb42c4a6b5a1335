#include "platform/frame_diff.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace olvane::platform
{
namespace
{

// Rows are compared a band at a time; smaller bands fit changes tighter but make more
// rectangles for the window system to take.
constexpr int BandHeight = 16;

const std::uint32_t* Row(const SDL_Surface& s, int y)
{
    return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s.pixels) +
                                                  static_cast<std::ptrdiff_t>(y) * s.pitch);
}

bool SharesColumns(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w;
}

} // namespace

std::vector<SDL_Rect> ChangedRects(const SDL_Surface& shown, const SDL_Surface& next)
{
    return ChangedRects(shown, next, Rect{0, 0, next.w, next.h});
}

std::vector<SDL_Rect> ChangedRects(const SDL_Surface& shown, const SDL_Surface& next, const Rect& within)
{
    std::vector<SDL_Rect> rects;
    const Rect area = within.Intersect(Rect{0, 0, next.w, next.h});
    if (area.Empty())
    {
        return rects;
    }
    const auto rowBytes = static_cast<std::size_t>(area.width) * sizeof(std::uint32_t);
    for (int top = area.y; top < area.Bottom(); top += BandHeight)
    {
        const int bottom = std::min(top + BandHeight, area.Bottom());
        int left = area.Right();
        int right = -1;
        int first = -1;
        int last = -1;
        for (int y = top; y < bottom; ++y)
        {
            const std::uint32_t* a = Row(shown, y);
            const std::uint32_t* b = Row(next, y);
            if (std::memcmp(a + area.x, b + area.x, rowBytes) == 0)
            {
                continue;
            }
            int l = area.x;
            while (a[l] == b[l])
            {
                ++l;
            }
            int r = area.Right() - 1;
            while (a[r] == b[r])
            {
                --r;
            }
            left = std::min(left, l);
            right = std::max(right, r);
            first = first < 0 ? y : first;
            last = y;
        }
        if (right < 0)
        {
            continue;
        }
        SDL_Rect band{left, first, right - left + 1, last - first + 1};
        if (!rects.empty() && rects.back().y + rects.back().h == band.y && SharesColumns(rects.back(), band))
        {
            SDL_Rect& above = rects.back();
            const int x = std::min(above.x, band.x);
            const int end = std::max(above.x + above.w, band.x + band.w);
            above = SDL_Rect{x, above.y, end - x, above.h + band.h};
        }
        else
        {
            rects.push_back(band);
        }
    }
    return rects;
}

std::optional<std::vector<Rect>> ScreenAreas(const std::vector<DrawnPart>& parts,
                                             const std::vector<Placement>& placements, const SDL_Surface* screen)
{
    std::vector<Rect> areas;
    for (const DrawnPart& drawn : parts)
    {
        if (drawn.surface == screen)
        {
            return std::nullopt;
        }
        for (const Placement& p : placements)
        {
            const Rect touched = drawn.area.Intersect(p.part);
            if (p.source != drawn.surface || touched.Empty())
            {
                continue;
            }
            // A stretched copy is composed again whole; a plain one only where the part fell.
            const bool plain = p.to.width == p.part.width && p.to.height == p.part.height;
            const Rect shown = plain ? touched.Offset(p.to.x - p.part.x, p.to.y - p.part.y) : p.to;
            const Rect area = shown.Intersect(p.clip);
            if (!area.Empty())
            {
                areas.push_back(area);
            }
        }
    }
    return areas;
}

void CopyRects(const SDL_Surface& from, SDL_Surface& to, const std::vector<SDL_Rect>& rects)
{
    for (const SDL_Rect& r : rects)
    {
        const auto bytes = static_cast<std::size_t>(r.w) * sizeof(std::uint32_t);
        for (int y = r.y; y < r.y + r.h; ++y)
        {
            auto* out = static_cast<std::uint8_t*>(to.pixels) + static_cast<std::ptrdiff_t>(y) * to.pitch;
            std::memcpy(out + static_cast<std::ptrdiff_t>(r.x) * 4, Row(from, y) + r.x, bytes);
        }
    }
}

} // namespace olvane::platform
