#include "platform/display_layout.h"

namespace olvane::platform
{

namespace
{

constexpr std::uint8_t Itself = 255;

constexpr std::array<LayoutRow, LayoutRowCount> Rows{{
    {1920, 1080, 24, 18, 5, 0},
    {1680, 1050, 24, 18, 5, 0},
    {1600, 1200, 24, 18, 10, 0},
    {1600, 900, 24, 18, 5, 0},
    {1400, 1050, 24, 22, 10, 0},
    {1366, 768, 24, 18, Itself, 230},
    {1360, 768, 24, 18, Itself, 220},
    {1280, 768, 22, 18, Itself, 200},
    {1280, 720, 22, 16, Itself, 200},
    {1280, 1024, 22, 22, 12, 0},
    {1280, 960, 22, 22, 12, 160},
    {1152, 864, 20, 20, Itself, 120},
    {1024, 768, 18, 18, Itself, 0},
    {1280, 600, 24, 14, 12, 0},
    {1024, 600, 24, 14, 12, 0},
    {800, 600, 14, 14, 12, 0},
}};

DisplaySettings display;

} // namespace

const std::array<LayoutRow, LayoutRowCount>& LayoutTable()
{
    return Rows;
}

DisplaySettings ChooseLayout(int desktopWidth, int desktopHeight, int colourDepth, int edition)
{
    int row = FallbackLayoutRow;
    bool switched = true;
    for (int i = 0; i < LayoutRowCount; ++i)
    {
        const LayoutRow& r = Rows[static_cast<std::size_t>(i)];
        if (r.desktopWidth == desktopWidth && r.desktopHeight == desktopHeight)
        {
            row = r.useRow == Itself ? i : r.useRow;
            switched = r.useRow != Itself;
            break;
        }
    }
    const LayoutRow& chosen = Rows[static_cast<std::size_t>(row)];
    DisplaySettings s;
    s.desktopWidth = static_cast<std::uint16_t>(desktopWidth);
    s.desktopHeight = static_cast<std::uint16_t>(desktopHeight);
    s.resolutionSwitched = switched ? 1 : 0;
    s.clientWidth = chosen.desktopWidth;
    s.clientHeight = chosen.desktopHeight;
    s.viewColumns = chosen.viewColumns;
    s.viewRows = chosen.viewRows;
    s.layoutNumber = static_cast<std::uint8_t>(row);
    s.menuShift = chosen.menuShift;
    if (edition == 2 && row >= 5 && row <= 8)
    {
        s.menuShift = static_cast<std::uint16_t>(s.menuShift + 40);
    }
    s.colourDepth = static_cast<std::uint32_t>(colourDepth);
    s.numberOfColours = colourDepth >= 32 ? 0xFFFFFFFFu : (1u << colourDepth);
    return s;
}

const DisplaySettings& Display()
{
    return display;
}

void SetDisplay(const DisplaySettings& settings)
{
    display = settings;
}

} // namespace olvane::platform
