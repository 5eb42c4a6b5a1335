#pragma once

#include <filesystem>
#include <string>

namespace olvane::artgen
{

/// Lays out every frame of every sheet found under `root` on one labelled PNG, keyed frames over
/// chart-blue so they read as they will on the map. `only` keeps the sheets whose file name
/// contains one of its comma-separated parts (all when empty); `zoom` enlarges the result for close review.
void WriteContactSheet(const std::filesystem::path& root, const std::filesystem::path& png, const std::string& only,
                       int zoom = 1);

} // namespace olvane::artgen
