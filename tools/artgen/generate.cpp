#include "generate.h"

#include "emblems.h"
#include "map_tiles.h"
#include "posters.h"
#include "sounds.h"
#include "units.h"

namespace olvane::artgen
{

void GenerateAll(const std::filesystem::path& root)
{
    WriteUnitSheets(root);
    WriteMapSheets(root);
    WriteMarkerSheets(root);
    WriteEmblems(root);
    WritePosters(root);
    WriteSounds(root);
}

} // namespace olvane::artgen
