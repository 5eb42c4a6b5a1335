#pragma once

#include "platform/sdl_handles.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace olvane::platform
{

/// The widest or tallest picture the game loads. Its largest picture is 1366 wide; a bigger size
/// in a header marks a damaged file, whose decoding would only exhaust memory and time.
constexpr int MaxPictureSide = 4096;

/// Decodes a BMP or JPEG picture held in memory, choosing by its first bytes. A picture wider or
/// taller than MaxPictureSide is refused from its header, before any pixel is decoded. A damaged
/// picture gives an error text, never an exit.
SurfacePtr DecodePicture(std::string_view bytes, std::string& error);

/// A BMP picture holding only the rows top .. top + height - 1 of an uncompressed, bottom-up
/// BMP held in memory: the same header with a smaller height, and just those rows. Nothing for
/// any other picture, or rows outside it; the caller then decodes the whole picture.
std::optional<std::string> BmpRows(std::string_view bytes, int top, int height);

/// Writes a surface as an 8-bit RGB PNG file; the reason on failure.
std::optional<std::string> EncodePng(SDL_Surface* surface, const std::filesystem::path& path);

} // namespace olvane::platform
