#pragma once

#include "platform/canvas.h"
#include "screen/game_art.h"

#include <string>
#include <string_view>

namespace olvane
{

// How the menu and the windows of a game's start choose and draw their pictures; loading them is
// the game folder's business (screen/game_art.h).

/// A full-size picture's name for the layout: the "1024" picture in the 1024 x 768 layout, the
/// "1366" one in every other.
std::string LayoutPictureName(std::string_view stem, std::string_view extension, bool layout1024);

/// Darkens a band of a picture to three eighths of its brightness, so texts read on any painting.
void ShadePicture(platform::Picture& picture, const platform::Rect& band);

/// Draws frame `index` of a list when the list holds it.
void DrawFrame(platform::Canvas& canvas, int x, int y, const platform::PictureList& list, int index);

} // namespace olvane
