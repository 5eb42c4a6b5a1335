#pragma once

// Reads back the 24-bit BMP pictures of the game folder, for checks and the contact sheet. The
// game itself loads pictures through its platform layer; this reader only needs our own files,
// and refuses anything else instead of guessing.

#include "art/sheets.h"
#include "state/data_files.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace olvane::art
{

struct Image
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; ///< top row first

    const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline bool IsKey(const Rgb& c)
{
    return c.r == KeyColour.r && c.g == KeyColour.g && c.b == KeyColour.b;
}

/// The picture, or nothing when the file is missing, is no regular file, or is not an
/// uncompressed 24-bit BMP.
inline std::optional<Image> ReadBmp(const std::filesystem::path& path)
{
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content)
    {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes(content->begin(), content->end());
    auto le = [&](std::size_t at, int n) {
        std::uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i)
        {
            v = v << 8 | bytes[at + static_cast<std::size_t>(i)];
        }
        return v;
    };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || le(28, 2) != 24 || le(30, 4) != 0)
    {
        return std::nullopt;
    }
    const std::uint32_t offset = le(10, 4);
    const std::int64_t rawWidth = static_cast<std::int32_t>(le(18, 4));
    // Widened before the sign is dropped: a height of -2^31 has no positive int32.
    const std::int64_t rawHeight = static_cast<std::int32_t>(le(22, 4));
    const bool bottomUp = rawHeight > 0;
    const std::int64_t absHeight = bottomUp ? rawHeight : -rawHeight;
    if (rawWidth <= 0 || absHeight <= 0 || rawWidth > 16384 || absHeight > 16384)
    {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(rawWidth);
    const auto height = static_cast<std::int32_t>(absHeight);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (offset > bytes.size() || bytes.size() - offset < rowBytes * static_cast<std::size_t>(height))
    {
        return std::nullopt;
    }
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::int32_t y = 0; y < height; ++y)
    {
        const std::int32_t fileRow = bottomUp ? height - 1 - y : y;
        const std::uint8_t* row = bytes.data() + offset + rowBytes * static_cast<std::size_t>(fileRow);
        for (std::int32_t x = 0; x < width; ++x)
        {
            image.pixels[static_cast<std::size_t>(y) * width + x] = Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
        }
    }
    return image;
}

/// How many pixels of one frame of a sheet are drawn (not key colour).
inline int DrawnPixels(const Image& image, const Sheet& sheet, int frame)
{
    int count = 0;
    for (int y = 0; y < sheet.frameHeight; ++y)
    {
        for (int x = 0; x < sheet.frameWidth; ++x)
        {
            count += IsKey(image.At(sheet.FrameX(frame) + x, sheet.FrameY(frame) + y)) ? 0 : 1;
        }
    }
    return count;
}

} // namespace olvane::art
