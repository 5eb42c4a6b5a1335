// The difficulty screen's layout file: any text is read to its end, every line either an entry
// of four numbers or listed as bad; and the validator checks a folder holding it without
// crashing, whatever class numbers it names.
#include "app/tool_validate.h"
#include "fuzz_folder.h"
#include "state/level_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane;
    static const fuzz::FuzzFolder folder("level-fuzz");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LevelLayout layout = ReadLevelLayout(text);
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                       (text.empty() || text.back() == '\n' ? 0 : 1);
    if (layout.Entries.size() + layout.BadLines.size() != lines)
    {
        std::abort();
    }
    int previous = 0;
    for (const LevelEntry& entry : layout.Entries)
    {
        if (entry.Panel < 1 || entry.Line <= previous || entry.Line > static_cast<int>(lines))
        {
            std::abort();
        }
        previous = entry.Line;
    }

    std::filesystem::create_directories(folder.Path() / "BAZE");
    std::ofstream(folder.Path() / std::string(LevelFile), std::ios::binary | std::ios::trunc)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    if (ValidateGameFolder(folder.Path()).empty())
    {
        std::abort(); // a folder without scenarios is never sound
    }
    return 0;
}
