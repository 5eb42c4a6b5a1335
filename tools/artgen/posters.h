#pragma once

#include <filesystem>

namespace olvane::artgen
{

/// The screens' backgrounds, nation, victory, defeat, message and mission pictures: painterly
/// posters of sea, sky, ships and aircraft, written as JPEG (and the two menu BMPs).
/// With `preview` set, every poster is also written there as PNG, for review.
void WritePosters(const std::filesystem::path& root, const std::filesystem::path& preview = {});

} // namespace olvane::artgen
