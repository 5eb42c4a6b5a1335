#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace olvane::artgen
{

/// The samples of one of the game's sound files (by its name under EFF/).
std::vector<std::int16_t> SynthesiseSound(std::string_view file, double seconds);

/// Writes every sound file of the game folder.
void WriteSounds(const std::filesystem::path& root);

} // namespace olvane::artgen
