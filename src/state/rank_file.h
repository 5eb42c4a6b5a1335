#pragma once

#include "state/data_files.h"

#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// A nation's rank file names its 28 ranks, one a line: the rank's index, then a 6-character
/// field with the short form and a 23-character field with the title.
constexpr int RankTitleCount = 28;

/// The rank file of a nation, relative to the game folder.
std::string RankFileOf(int nation);

struct RankTitle
{
    int Index = 0;
    std::string Short;
    std::string Title;
};

struct RankFile
{
    /// The well-formed lines, in the file's order.
    std::vector<RankTitle> Titles;
    /// The numbers, from 1, of the lines that do not start with an index 1..28 and a short form.
    std::vector<int> BadLines;
};

/// Reads the text of a rank file. Any text is read to its end; a line that is not a rank is
/// listed, never guessed at.
RankFile ReadRankFile(std::string_view text);

/// The title of a rank of a nation's rank file: that of the first line with the index. Empty
/// when the file cannot be read or has no such line.
std::string RankTitleOf(const DataFiles& files, int nation, int index);

} // namespace olvane
