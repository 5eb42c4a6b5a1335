#pragma once

#include <SDL.h>
#include <vector>

namespace olvane::platform
{

/// Where `next` differs from `shown`: one rectangle per band of rows that changed, trimmed to the
/// changed rows and columns, with bands that touch and share columns joined into one. A blinking
/// unit or a changed caption thus costs its own few rows, not the whole window. Both surfaces
/// are 32-bit and of one size.
std::vector<SDL_Rect> ChangedRects(const SDL_Surface& shown, const SDL_Surface& next);

/// Copies the rectangles from `from` to the same places of `to`, both 32-bit and of one size.
void CopyRects(const SDL_Surface& from, SDL_Surface& to, const std::vector<SDL_Rect>& rects);

} // namespace olvane::platform
