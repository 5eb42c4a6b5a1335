#pragma once

// The painter's kit of the posters: light, sea and sky, ships and aircraft in silhouette, fire
// and smoke.

#include "draw_util.h"

#include <cstdint>

namespace olvane::artgen
{

/// The light of a poster: sky from top to horizon, sea from horizon to bottom, and the sun.
struct Mood
{
    Colour skyTop, skyHorizon, seaNear, seaFar, sun, ink;
    double sunX, sunY; ///< as fractions of the picture
};

constexpr Mood Dusk{Hex(0x2a1f4a), Hex(0xf0965a), Hex(0x14243c), Hex(0x6a4a5a), Hex(0xffd890), Hex(0x140e18), 0.7, 0.55};
constexpr Mood Night{Hex(0x050a18), Hex(0x1c2a4a), Hex(0x060c18), Hex(0x1a2a44), Hex(0xdde6f0), Hex(0x02040a), 0.2, 0.2};
constexpr Mood Storm{Hex(0x2a3038), Hex(0x6a747c), Hex(0x1a2630), Hex(0x4a5a66), Hex(0xc0c8cc), Hex(0x101418), 0.5, 0.3};
constexpr Mood Day{Hex(0x3a78c0), Hex(0xbcd8ec), Hex(0x163e6a), Hex(0x5a8ab4), Hex(0xfff6d0), Hex(0x1a2430), 0.8, 0.2};
constexpr Mood Dawn{Hex(0x3a4a7a), Hex(0xf4c890), Hex(0x1a3050), Hex(0x8a9ab0), Hex(0xfff0c0), Hex(0x1a1a28), 0.3, 0.6};
constexpr Mood Fire{Hex(0x1a0a08), Hex(0xc8502a), Hex(0x180c0a), Hex(0x6a2a1a), Hex(0xffb060), Hex(0x0a0404), 0.5, 0.6};

/// A vertical gradient over the band y0..y1 of a picture w wide.
void FillGradient(cairo_t* cr, double y0, double y1, Colour a, Colour b, double w);

/// Sky, sun glow, clouds and sea with brushed waves: the ground of every poster.
void Seascape(cairo_t* cr, double w, double h, const Mood& m, double horizon, Noise& n);

/// A ship's side view in one colour, keel on `baseline`, with foam along it unless `wake` is off.
void Silhouette(cairo_t* cr, int shipClass, double x, double baseline, double length, Colour c, bool wake = true);

/// An aircraft from below, `span` wide, turned by `angle`.
void PosterAircraft(cairo_t* cr, int shipClass, double x, double y, double span, double angle, Colour c);

void Smoke(cairo_t* cr, double x, double y, double size, Noise& n, Colour c);

void Flames(cairo_t* cr, double x, double y, double size, Noise& n);

/// Paints over a finished picture with short strokes in the colours already there, so the
/// flat shapes read as brushwork. One stroke per `spacing` squared pixels.
void Brushwork(cairo_surface_t* surface, double spacing, std::uint32_t seed);

/// The mission pictures, one subject each (see MissionPictureCodes).
void PaintMission(cairo_t* cr, int number, double w, double h, Noise& n);

} // namespace olvane::artgen
