#pragma once

#include <filesystem>

namespace olvane::artgen
{

/// Sea, land sets, map pictures' features, coast corners, ports, sea marks and tints.
void WriteMapSheets(const std::filesystem::path& root);

/// Last-seen markers, unit marks and explosion frames.
void WriteMarkerSheets(const std::filesystem::path& root);

} // namespace olvane::artgen
