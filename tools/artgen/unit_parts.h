#pragma once

// Drawing pieces shared by the ship, aircraft and shore-installation pictures.

#include "units.h"

namespace olvane::artgen
{

constexpr Colour White = Hex(0xffffff);
constexpr Colour Black = Hex(0x000000);
constexpr Colour Concrete = Hex(0x9c9a8e);

/// Light on one side, shade on the other, across a shape of the given half width.
void ShadeAcross(cairo_t* cr, Colour base, double halfWidth);

/// An aircraft seen from above, heading +x, centred on the origin.
void DrawAircraft(cairo_t* cr, const Design& d, const SidePalette& pal);

/// A port gun's emplacement with its turret turned to `facing`, centred on the origin.
void DrawGunSite(cairo_t* cr, const Design& d, const SidePalette& pal, int facing);

/// A radar station: frames 0..4 the dish turning, 5..7 the three stations.
void DrawRadarSite(cairo_t* cr, const SidePalette& pal, int frame);

} // namespace olvane::artgen
