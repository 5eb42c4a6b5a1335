#pragma once

#include <span>
#include <string>
#include <string_view>

namespace olvane
{

constexpr int MapPictureCount = 18;
constexpr int ZoneNamesPerPicture = 10;

/// The name of zone `index` (1..10) on map picture `picture` (1..18): ports and home zones are
/// called by it. Empty where the picture names no zone there, and for any index off the table.
std::string ZoneName(int picture, int index);

/// The place and sea names lettered onto the map backgrounds, spaced out as they are drawn.
std::span<const std::string_view> MapLetteringNames();

} // namespace olvane
