#pragma once

#include <filesystem>

namespace olvane::artgen
{

/// Writes every picture and sound of the game folder under `root`.
/// With `preview` set, the posters are also written there as PNG.
void GenerateAll(const std::filesystem::path& root, const std::filesystem::path& preview = {});

} // namespace olvane::artgen
