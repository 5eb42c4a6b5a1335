#include "art/bmp_file.h"
#include "art/sheets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace olvane::art
{

namespace
{

struct Centroid
{
    double x = 0;
    double y = 0;
    int pixels = 0;
};

/// The mean position of the drawn pixels of a frame that `counts` takes, relative to the frame's
/// centre.
template <typename Counts>
Centroid CentroidOf(const Image& image, const Sheet& sheet, int frame, Counts counts)
{
    Centroid c;
    for (int y = 0; y < sheet.frameHeight; ++y)
    {
        for (int x = 0; x < sheet.frameWidth; ++x)
        {
            const Rgb p = image.At(sheet.FrameX(frame) + x, sheet.FrameY(frame) + y);
            if (!IsKey(p) && counts(p))
            {
                c.x += x - (sheet.frameWidth - 1) / 2.0;
                c.y += y - (sheet.frameHeight - 1) / 2.0;
                ++c.pixels;
            }
        }
    }
    if (c.pixels > 0)
    {
        c.x /= c.pixels;
        c.y /= c.pixels;
    }
    return c;
}

Centroid DrawnCentroid(const Image& image, const Sheet& sheet, int frame)
{
    return CentroidOf(image, sheet, frame, [](const Rgb&) { return true; });
}

/// The same for the darkest pixels only (barrels and outlines in the side's trim colour).
Centroid DarkCentroid(const Image& image, const Sheet& sheet, int frame)
{
    return CentroidOf(image, sheet, frame,
                      [](const Rgb& p) { return 0.3 * p.r + 0.59 * p.g + 0.11 * p.b < 48; });
}

bool Near(const Rgb& a, const Rgb& b)
{
    return std::abs(a.r - b.r) <= 3 && std::abs(a.g - b.g) <= 3 && std::abs(a.b - b.b) <= 3;
}

bool SameRgb(const Rgb& a, const Rgb& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

constexpr int Dx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int Dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};

} // namespace

TEST(ArtGeometry, PicturesKeepTheLayoutTheMapViewReliesOn)
{
    // The pictures the build generated with the same generator.
    const std::filesystem::path dir = OLVANE_GAME_DIR;
    auto load = [&](const Sheet& s) {
        auto image = ReadBmp(dir / std::string(s.file));
        EXPECT_TRUE(image) << s.file;
        return image.value_or(Image{});
    };
    const Image sprites = load(PlayerSpriteSheets[0]);
    const Image big = load(PlayerBigSheet);
    const Sheet& s = PlayerSpriteSheets[0];

    // A battleship's halves (rows 2 and 3) are cut from the same whole ship as its large
    // picture (number 2): for every facing the bow half is the large picture's quarter where
    // the bow cell lies and the stern half the quarter one step behind it.
    for (int facing = 0; facing < FacingCount; ++facing)
    {
        SCOPED_TRACE("facing " + std::to_string(facing));
        const int blockX = std::min(1, 1 - Dx[facing]);
        const int blockY = std::min(1, 1 - Dy[facing]);
        const int bowQX = 1 - blockX, bowQY = 1 - blockY;
        const int sternQX = bowQX - Dx[facing], sternQY = bowQY - Dy[facing];
        int mismatches = 0;
        for (int y = 0; y < CellSize; ++y)
        {
            for (int x = 0; x < CellSize; ++x)
            {
                const Rgb bow = sprites.At(s.FrameX(2 * 8 + facing) + x, s.FrameY(2 * 8 + facing) + y);
                const Rgb stern = sprites.At(s.FrameX(3 * 8 + facing) + x, s.FrameY(3 * 8 + facing) + y);
                const int frame = 2 * 8 + facing;
                const Rgb bigBow = big.At(PlayerBigSheet.FrameX(frame) + bowQX * CellSize + x,
                                          PlayerBigSheet.FrameY(frame) + bowQY * CellSize + y);
                const Rgb bigStern = big.At(PlayerBigSheet.FrameX(frame) + sternQX * CellSize + x,
                                            PlayerBigSheet.FrameY(frame) + sternQY * CellSize + y);
                mismatches += SameRgb(bow, bigBow) ? 0 : 1;
                mismatches += SameRgb(stern, bigStern) ? 0 : 1;
            }
        }
        // Exact but for a few edge pixels where the rasteriser meets the cut between the cells.
        EXPECT_LT(mismatches, 2 * CellSize * CellSize / 100);
        // The hull runs on across the border between the halves: the bow half touches the side
        // that faces the stern cell.
        const Centroid bowMass = DrawnCentroid(sprites, s, 2 * 8 + facing);
        EXPECT_LT(bowMass.x * Dx[facing] + bowMass.y * Dy[facing], 0.0);
        const Centroid sternMass = DrawnCentroid(sprites, s, 3 * 8 + facing);
        EXPECT_GT(sternMass.x * Dx[facing] + sternMass.y * Dy[facing], 0.0);
    }

    // The facing marks sit on the side of the cell the unit heads to, and port guns point their
    // barrels that way, for every facing: TurnTurret's steps show.
    const Image marks = load(PlayerMarkSheet);
    const Sheet& gunSheet = PlayerSpriteSheets[static_cast<std::size_t>(LocateSprite(FirstGunSpriteRow * 8).file)];
    const Image guns = load(gunSheet);
    for (int facing = 0; facing < FacingCount; ++facing)
    {
        SCOPED_TRACE("facing " + std::to_string(facing));
        const Centroid mark = DrawnCentroid(marks, PlayerMarkSheet, FacingMarkFrame + facing);
        EXPECT_GT(mark.x * Dx[facing] + mark.y * Dy[facing], 10.0);
        for (int gun = 0; gun < 3; ++gun)
        {
            // The emplacement is round; only the dark barrels move.
            const int frame = LocateSprite((FirstGunSpriteRow + gun) * 8 + facing).frame;
            const Centroid g = DarkCentroid(guns, gunSheet, frame);
            EXPECT_GT(g.x * Dx[facing] + g.y * Dy[facing], 2.0) << "gun " << gun;
        }
    }

    // The three radar stations are three different pictures.
    const int radar = LocateSprite(RadarSpriteRow * 8).frame;
    for (int a = 5; a < 8; ++a)
    {
        for (int b = a + 1; b < 8; ++b)
        {
            int differing = 0;
            for (int y = 0; y < CellSize; ++y)
            {
                for (int x = 0; x < CellSize; ++x)
                {
                    differing += SameRgb(guns.At(gunSheet.FrameX(radar + a) + x, gunSheet.FrameY(radar + a) + y),
                                         guns.At(gunSheet.FrameX(radar + b) + x, gunSheet.FrameY(radar + b) + y))
                                     ? 0
                                     : 1;
                }
            }
            EXPECT_GT(differing, 40) << a << " " << b;
        }
    }

    // Nation 2's flag is the plain cross: black, white and grey only, and the same when mirrored
    // either way, which no hooked emblem is.
    const Image flags = load(FlagSheet);
    const int fx = FlagSheet.FrameX(1), fw = FlagSheet.frameWidth, fh = FlagSheet.frameHeight;
    for (int y = 1; y < fh - 1; ++y)
    {
        for (int x = 1; x < fw - 1; ++x)
        {
            const Rgb c = flags.At(fx + x, y);
            EXPECT_LE(std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}), 16) << x << "," << y;
            // Edge smoothing may round a mirrored pixel one or two levels the other way.
            EXPECT_TRUE(Near(c, flags.At(fx + fw - 1 - x, y))) << x << "," << y;
            EXPECT_TRUE(Near(c, flags.At(fx + x, fh - 1 - y))) << x << "," << y;
        }
    }

    // Ports show their owner: navy along the player's, red along the enemy's.
    const Image ports = load(PortSheet);
    for (int frame = 0; frame < 4; ++frame)
    {
        const Rgb edge = ports.At(PortSheet.FrameX(frame) + CellSize / 2, CellSize - 1);
        const bool player = frame % 2 == 0;
        EXPECT_EQ(edge.b > edge.r, player) << frame;
    }
}

} // namespace olvane::art
