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

/// The largest picture file read; a few megabytes hold the largest picture of the game.
constexpr std::size_t MaxPictureFileBytes = std::size_t{64} << 20;

/// Reads a picture file whole: a regular file of at most `limit` bytes, never a folder, a FIFO or a
/// device. Nothing, and the reason in `error`, otherwise.
std::optional<std::string> ReadPictureFile(const std::filesystem::path& path, std::string& error,
                                           std::size_t limit = MaxPictureFileBytes);

/// Decodes a BMP or JPEG picture held in memory, choosing by its first bytes. A picture wider or
/// taller than MaxPictureSide is refused from its header, before any pixel is decoded. A damaged
/// picture gives an error text, never an exit.
SurfacePtr DecodePicture(std::string_view bytes, std::string& error);

/// Writes a surface as an 8-bit RGB PNG file; the reason on failure.
std::optional<std::string> EncodePng(SDL_Surface* surface, const std::filesystem::path& path);

} // namespace olvane::platform
