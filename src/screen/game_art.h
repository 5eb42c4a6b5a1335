#pragma once

#include "art/sheets.h"
#include "platform/picture.h"

#include <string>
#include <string_view>

namespace olvane
{

class DataFiles;

// Pictures and sprite sheets of the game folder, as every window loads them. A picture that
// cannot be read stays empty (a sheet gives no frames) and the window paints without it, so a
// damaged folder never stops play.

/// The picture folder of an edition, "BMP/MENI2" for edition 2.
std::string EditionPictureFolder(int edition);

/// Loads a picture of the game folder; keyed pictures leave out the sheets' key colour.
platform::Picture LoadGamePicture(const DataFiles& files, std::string_view name, bool keyed = false);

/// The frames of a sheet, cut in order; empty when the sheet cannot be read. Keyed frames carry
/// the key both for the canvas and for SDL's own keyed copy, which the map view uses.
platform::PictureList LoadSheet(const DataFiles& files, const art::Sheet& sheet);

/// Only the frames of one row of a sheet, reading no more of the file than that row.
platform::PictureList LoadSheetRow(const DataFiles& files, const art::Sheet& sheet, int row);

/// A side's sprite list from its three files, frame = row * 8 + facing; empty when any is missing.
platform::PictureList LoadSpriteList(const DataFiles& files, bool computer);

} // namespace olvane
