#pragma once

#include <cairo.h>

#include <filesystem>

namespace olvane::artgen
{

/// The flag of nation 1..8 filling (0, 0, w, h). Nation 2 flies the plain black-white cross.
void DrawFlag(cairo_t* cr, int nation, double w, double h);

/// Flags, medals, attack and technology marks, level labels, masks, logo, emblem and panels.
void WriteEmblems(const std::filesystem::path& root);

} // namespace olvane::artgen
