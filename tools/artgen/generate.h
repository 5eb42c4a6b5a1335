#pragma once

#include <filesystem>

namespace olvane::artgen
{

/// Writes every picture and sound of the game folder under `root`.
void GenerateAll(const std::filesystem::path& root);

} // namespace olvane::artgen
