#include "rules/unit_kinds.h"

namespace olvane
{

std::string TrimmedName(const UnitRec& unit)
{
    const std::string name = unit.Name.Str();
    const auto first = name.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
    {
        return {};
    }
    const auto last = name.find_last_not_of(" \t\r\n");
    return name.substr(first, last - first + 1);
}

} // namespace olvane
