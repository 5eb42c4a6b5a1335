// Rank files: any text is read to its end, every line either a rank of index 1..28 or listed as
// bad; and the validator checks a folder holding it without crashing.
#include "app/tool_validate.h"
#include "fuzz_folder.h"
#include "state/rank_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane;
    static const fuzz::FuzzFolder folder("rank-fuzz");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RankFile ranks = ReadRankFile(text);
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                       (text.empty() || text.back() == '\n' ? 0 : 1);
    if (ranks.Titles.size() + ranks.BadLines.size() != lines)
    {
        std::abort();
    }
    for (const RankTitle& rank : ranks.Titles)
    {
        if (rank.Index < 1 || rank.Index > RankTitleCount || rank.Short.empty() ||
            rank.Title.find('\n') != std::string::npos)
        {
            std::abort();
        }
    }

    std::filesystem::create_directories(folder.Path() / "BAZE" / "RANK");
    std::ofstream(folder.Path() / RankFileOf(size > 0 ? data[0] % 8 + 1 : 1), std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    if (ValidateGameFolder(folder.Path()).empty())
    {
        std::abort(); // a folder without scenarios is never sound
    }
    return 0;
}
