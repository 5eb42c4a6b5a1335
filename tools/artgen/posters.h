#pragma once

#include <filesystem>

namespace olvane::artgen
{

/// The screens' backgrounds, nation, victory, defeat, message and mission pictures: painterly
/// posters of sea, sky, ships and aircraft, written as JPEG (and the two menu BMPs).
void WritePosters(const std::filesystem::path& root);

} // namespace olvane::artgen
