// Name files: any text must give a list of at most 20 names of at most 16 characters each.
#include "state/name_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
    {
        return 0;
    }
    const int k = olvane::NameListClassOf(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto names = olvane::ReadNameList(text, k);
    if (names.size() > 20 || names.size() % 5 != 0)
    {
        std::abort();
    }
    for (const auto& name : names)
    {
        if (name.size() > 16)
        {
            std::abort();
        }
    }
    return 0;
}
