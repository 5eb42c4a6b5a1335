#pragma once

#include "platform/sdl_handles.h"

#include <filesystem>
#include <optional>
#include <string>

namespace olvane::platform
{

/// Decodes a JPEG file into a 24-bit surface. A corrupt file gives an error text, never an exit.
SurfacePtr DecodeJpeg(const std::filesystem::path& path, std::string& error);

/// Writes a surface as an 8-bit RGB PNG file; the reason on failure.
std::optional<std::string> EncodePng(SDL_Surface* surface, const std::filesystem::path& path);

} // namespace olvane::platform
