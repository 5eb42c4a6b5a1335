#pragma once

#include <cairo.h>

#include <filesystem>

namespace olvane::artgen
{

constexpr int SampleColumns = 16;
constexpr int SampleRows = 10;

/// Composes a small made-up chart from the generated pictures under `root`, cell by cell as the
/// map view does (sea, coasts, features, ports, markers, tints, units and their marks), at 42
/// pixels with the same chart shrunk to 30 pixels beside it. Returns the height used.
int DrawSampleChart(cairo_t* cr, const std::filesystem::path& root, double x, double y);

} // namespace olvane::artgen
