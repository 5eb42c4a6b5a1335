#pragma once

#include <cairo.h>

namespace olvane::artgen
{

/// Draws the terrain feature of MR_TEX column `column` (0..51) in the regional style of map
/// picture `picture` (1..18), keyed, into a 42-pixel cell at the origin.
void DrawFeature(cairo_t* cr, int column, int picture);

} // namespace olvane::artgen
