#include "platform/scroll_bar.h"

#include "platform/control.h"

#include <algorithm>

namespace olvane::platform
{

namespace
{

struct Parts
{
    Rect up;
    Rect down;
    Rect track;
    Rect thumb;
};

Parts Layout(const ScrollBar& s, const Rect& bar)
{
    int arrow = std::min(ScrollBar::Width, bar.height / 2);
    Parts p;
    p.up = Rect{bar.x, bar.y, bar.width, arrow};
    p.down = Rect{bar.x, bar.Bottom() - arrow, bar.width, arrow};
    p.track = Rect{bar.x, p.up.Bottom(), bar.width, p.down.y - p.up.Bottom()};
    int total = std::max(1, s.total);
    int thumbHeight = std::max(8, p.track.height * std::min(s.visible, total) / total);
    int range = std::max(1, s.total - s.visible);
    int travel = std::max(0, p.track.height - thumbHeight);
    int top = p.track.y + travel * std::clamp(s.first, 0, range) / range;
    p.thumb = Rect{bar.x, top, bar.width, std::min(thumbHeight, p.track.height)};
    return p;
}

void Arrow(Canvas& canvas, const Rect& r, bool up)
{
    canvas.brush.colour = colours::ButtonFace;
    canvas.FillRect(r);
    DrawBevel(canvas, r, true);
    canvas.brush.colour = colours::Black;
    int cx = r.x + r.width / 2;
    int cy = r.y + r.height / 2;
    for (int i = 0; i < 4; ++i)
    {
        int y = up ? cy - 2 + i : cy + 1 - i;
        canvas.FillRect(Rect{cx - i, y, 2 * i + 1, 1});
    }
}

} // namespace

void ScrollBar::Paint(Canvas& canvas, const Rect& bar) const
{
    Parts p = Layout(*this, bar);
    canvas.brush.colour = 0xE8E8E8;
    canvas.FillRect(p.track);
    Arrow(canvas, p.up, true);
    Arrow(canvas, p.down, false);
    canvas.brush.colour = colours::ButtonFace;
    canvas.FillRect(p.thumb);
    DrawBevel(canvas, p.thumb, true);
}

int ScrollBar::Clicked(const Rect& bar, Point pt) const
{
    Parts p = Layout(*this, bar);
    int last = std::max(0, total - visible);
    int to = first;
    if (p.up.Contains(pt))
    {
        to = first - 1;
    }
    else if (p.down.Contains(pt))
    {
        to = first + 1;
    }
    else if (pt.y < p.thumb.y)
    {
        to = first - visible;
    }
    else if (pt.y >= p.thumb.Bottom())
    {
        to = first + visible;
    }
    return std::clamp(to, 0, last);
}

} // namespace olvane::platform
