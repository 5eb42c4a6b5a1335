#include "generate.h"

#include "emblems.h"
#include "map_tiles.h"
#include "posters.h"
#include "sounds.h"
#include "units.h"

namespace olvane::artgen
{

void GenerateAll(const std::filesystem::path& root, const std::filesystem::path& preview)
{
    WriteUnitSheets(root);
    WriteMapSheets(root);
    WriteMarkerSheets(root);
    WriteEmblems(root);
    WritePosters(root, preview);
    WriteSounds(root);
}

} // namespace olvane::artgen
