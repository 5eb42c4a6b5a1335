#pragma once

#include "art/sheets.h"
#include "platform/canvas.h"
#include "platform/picture.h"

#include <string>
#include <string_view>

namespace olvane
{

class DataFiles;

// Pictures the menu and the windows of a game's start draw: backgrounds, emblems, flags and
// sprite frames from the game folder. A picture that cannot be read stays empty and the window
// paints without it, so a damaged folder never stops the menu.

/// The picture folder of an edition, "BMP/MENI2" for edition 2.
std::string EditionPictureFolder(int edition);

/// A full-size picture's name for the layout: the "1024" picture in the 1024 x 768 layout, the
/// "1366" one in every other.
std::string LayoutPictureName(std::string_view stem, std::string_view extension, bool layout1024);

/// Loads a picture of the game folder; keyed pictures leave out the sheets' key colour.
platform::Picture LoadGamePicture(const DataFiles& files, std::string_view name, bool keyed = false);

/// The frames of a sheet, cut in order; empty when the sheet cannot be read.
platform::PictureList LoadSheet(const DataFiles& files, const art::Sheet& sheet);

/// A side's sprite list from its three files, frame = row * 8 + facing; empty when any is missing.
platform::PictureList LoadSpriteList(const DataFiles& files, bool computer);

/// Darkens a band of a picture to three eighths of its brightness, so texts read on any painting.
void ShadePicture(platform::Picture& picture, const platform::Rect& band);

/// Draws frame `index` of a list when the list holds it.
void DrawFrame(platform::Canvas& canvas, int x, int y, const platform::PictureList& list, int index);

} // namespace olvane
