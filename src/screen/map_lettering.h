#pragma once

// The place and sea names lettered onto the map. Each cell letters the part of every name that
// falls on it, between its ground and its units: a full redraw and a single cell's redraw then
// leave the same picture, and no name ever covers a unit.

#include "platform/canvas.h"
#include "platform/geometry.h"

#include <vector>

namespace olvane
{

/// Where a name of the map picture lies, in tactical pixels of the whole map (cell (1, 1) starts
/// at (0, 0)).
struct PlacedLabel
{
    int index; ///< into art::MapLabels
    platform::Rect area;
};

/// The names of a map picture with their areas at the current font factor.
const std::vector<PlacedLabel>& PlacedLabels(int picture);

/// Letters the parts of the picture's names that fall on map cell (x, y), whose tactical-size
/// image has its top-left corner at (left, top) of the canvas.
void LetterCell(platform::Canvas& canvas, int left, int top, int picture, int x, int y);

} // namespace olvane
