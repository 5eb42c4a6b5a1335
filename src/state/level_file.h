#pragma once

#include <string_view>
#include <vector>

namespace olvane
{

/// The layout of the difficulty screen's pictures, relative to the game folder.
constexpr std::string_view LevelFile = "BAZE/LEVEL.TXT";

/// Panels below this number show ships, each line's picture being a class number; the others
/// show pictures of their own.
constexpr int FirstPicturePanel = 10;

/// One line of the layout: a picture on a panel, at a column and a row.
struct LevelEntry
{
    /// The line it stands on, from 1.
    int Line = 0;
    int Panel = 0;
    int Column = 0;
    int Row = 0;
    int Picture = 0;
};

struct LevelLayout
{
    /// The well-formed lines, in the file's order.
    std::vector<LevelEntry> Entries;
    /// The numbers, from 1, of the lines that do not start with four whole numbers and a panel
    /// of at least 1.
    std::vector<int> BadLines;
};

/// Reads the text of the layout file. Any text is read to its end; words after the fourth
/// number are ignored.
LevelLayout ReadLevelLayout(std::string_view text);

} // namespace olvane
