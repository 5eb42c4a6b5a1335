#include "generate.h"

#include "units.h"

namespace olvane::artgen
{

void GenerateAll(const std::filesystem::path& root)
{
    WriteUnitSheets(root);
}

} // namespace olvane::artgen
