#pragma once

#include "platform/canvas.h"
#include "platform/picture.h"

#include <SDL.h>
#include <optional>
#include <vector>

namespace olvane::platform
{

/// Where `next` differs from `shown`: one rectangle per band of rows that changed, trimmed to the
/// changed rows and columns, with bands that touch and share columns joined into one. A blinking
/// unit or a changed caption thus costs its own few rows, not the whole window. Both surfaces
/// are 32-bit and of one size.
std::vector<SDL_Rect> ChangedRects(const SDL_Surface& shown, const SDL_Surface& next);

/// The same, looking only within one part of the frame (where it was composed again).
std::vector<SDL_Rect> ChangedRects(const SDL_Surface& shown, const SDL_Surface& next, const Rect& within);

/// Where parts drawn into pictures show on the screen, by where each picture was copied when the
/// frame was last composed whole; parts of pictures not on the screen show nowhere. Nothing when
/// a part was drawn on the screen itself, which only a whole frame composes again.
std::optional<std::vector<Rect>> ScreenAreas(const std::vector<DrawnPart>& parts,
                                             const std::vector<Placement>& placements, const SDL_Surface* screen);

/// Copies the rectangles from `from` to the same places of `to`, both 32-bit and of one size.
void CopyRects(const SDL_Surface& from, SDL_Surface& to, const std::vector<SDL_Rect>& rects);

} // namespace olvane::platform
