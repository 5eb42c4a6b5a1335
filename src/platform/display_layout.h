#pragma once

#include <array>
#include <cstdint>

namespace olvane::platform
{

/// The display settings record, filled once at start and read by every window that lays
/// itself out. "Resolution switched" means the layout does not match the desktop; we then scale
/// the picture instead of changing the display mode, so nothing needs restoring.
struct DisplaySettings
{
    std::uint16_t desktopWidth = 0;
    std::uint16_t desktopHeight = 0;
    std::uint8_t resolutionSwitched = 0;
    std::uint16_t clientWidth = 0;
    std::uint16_t clientHeight = 0;
    std::uint8_t viewColumns = 0;
    std::uint8_t viewRows = 0;
    std::uint8_t layoutNumber = 0;
    std::uint32_t numberOfColours = 0;
    std::uint32_t colourDepth = 0;
    std::uint16_t menuShift = 0;
};

struct LayoutRow
{
    std::uint16_t desktopWidth;
    std::uint16_t desktopHeight;
    std::uint8_t viewColumns;
    std::uint8_t viewRows;
    std::uint8_t useRow;
    std::uint16_t menuShift;
};

constexpr int LayoutRowCount = 16;

/// The row a desktop size falls back to when the table does not know it (1366 x 768).
constexpr int FallbackLayoutRow = 5;

/// The layout built around a 1024 x 768 screen; pictures with "1024" in their name belong to it.
constexpr int Layout1024 = 12;

/// The table of screen layouts; a row whose useRow differs from its own number stands for
/// another row's layout.
const std::array<LayoutRow, LayoutRowCount>& LayoutTable();

/// Chooses the layout for a desktop size and colour depth. Edition 2 shifts the main menu of
/// the wide 768- and 720-line layouts 40 pixels further.
DisplaySettings ChooseLayout(int desktopWidth, int desktopHeight, int colourDepth, int edition);

/// The program-wide display settings, set once at start.
const DisplaySettings& Display();
void SetDisplay(const DisplaySettings& settings);

} // namespace olvane::platform
