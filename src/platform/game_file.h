#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace olvane::platform
{

/// The largest picture or sound file read; a few megabytes hold the largest the game has.
constexpr std::size_t MaxGameFileBytes = std::size_t{64} << 20;

/// Reads a picture or sound file of the game folder whole: a regular file of at most `limit`
/// bytes, never a folder, a FIFO or a device. Nothing, and the reason in `error`, otherwise.
std::optional<std::string> ReadGameFile(const std::filesystem::path& path, std::string& error,
                                        std::size_t limit = MaxGameFileBytes);

} // namespace olvane::platform
