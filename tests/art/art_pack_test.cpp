#include "art/bmp_file.h"
#include "art/lettering.h"
#include "art/sheets.h"
#include "art/sounds.h"
#include "state/zone_names.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace olvane::art
{

namespace
{

std::vector<std::uint8_t> Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Generate(const std::filesystem::path& out)
{
    const std::string command = std::string(OLVANE_ARTGEN_PATH) + " --out '" + out.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

/// The pictures and sounds the build generated into its game folder. Drawing them takes many
/// seconds, so the tests read the build's copy and only one of them draws them again, to show
/// that a second run writes the same bytes.
std::filesystem::path BuiltGame()
{
    return OLVANE_GAME_DIR;
}

struct Size
{
    int width;
    int height;
};

/// The size a JPEG's frame header gives, or nothing when the file is not a JPEG.
std::optional<Size> JpegSize(const std::vector<std::uint8_t>& b)
{
    if (b.size() < 4 || b[0] != 0xff || b[1] != 0xd8)
    {
        return std::nullopt;
    }
    std::size_t at = 2;
    while (at + 9 < b.size() && b[at] == 0xff)
    {
        const int marker = b[at + 1];
        const std::size_t length = static_cast<std::size_t>(b[at + 2] << 8 | b[at + 3]);
        if (marker == 0xc0 || marker == 0xc2)
        {
            return Size{b[at + 7] << 8 | b[at + 8], b[at + 5] << 8 | b[at + 6]};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int n)
{
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
    {
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return v;
}

/// Every file the generator is expected to write, relative to the game folder.
std::vector<std::string> ExpectedFiles()
{
    std::vector<std::string> files;
    for (const Sheet* sheet : AllSheets)
    {
        files.emplace_back(sheet->file);
    }
    for (const Picture& p : Pictures)
    {
        files.emplace_back(p.file);
    }
    for (const SoundFile& s : SoundFiles)
    {
        files.emplace_back(s.file);
    }
    return files;
}

} // namespace

TEST(ArtPack, EveryPictureAndSoundIsWrittenWithItsSizeAndTheSameBytesTwice)
{
    const std::filesystem::path first = BuiltGame();
    test::TempDir second;
    Generate(second.Path());

    for (const Sheet* sheet : AllSheets)
    {
        SCOPED_TRACE(std::string(sheet->file));
        const auto image = ReadBmp(first / std::string(sheet->file));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, sheet->Width());
        EXPECT_EQ(image->height, sheet->Height());
    }
    for (const Picture& p : Pictures)
    {
        SCOPED_TRACE(std::string(p.file));
        const std::filesystem::path path = first / std::string(p.file);
        if (p.format == Format::Bmp)
        {
            const auto image = ReadBmp(path);
            ASSERT_TRUE(image.has_value());
            EXPECT_EQ(image->width, p.width);
            EXPECT_EQ(image->height, p.height);
        }
        else
        {
            const auto size = JpegSize(Bytes(path));
            ASSERT_TRUE(size.has_value());
            EXPECT_EQ(size->width, p.width);
            EXPECT_EQ(size->height, p.height);
        }
    }
    for (const SoundFile& s : SoundFiles)
    {
        SCOPED_TRACE(std::string(s.file));
        const auto b = Bytes(first / std::string(s.file));
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(Le(b, 20, 2), 1u) << "PCM";
        EXPECT_EQ(Le(b, 22, 2), 1u) << "mono";
        EXPECT_EQ(Le(b, 24, 4), static_cast<std::uint32_t>(SoundRate));
        EXPECT_EQ(Le(b, 34, 2), 16u);
        const double seconds = Le(b, 40, 4) / 2.0 / SoundRate;
        EXPECT_NEAR(seconds, s.seconds, 0.01);
        // A sound that is silent throughout would pass every header check.
        int loud = 0;
        for (std::size_t at = 44; at + 1 < b.size(); at += 2)
        {
            loud += std::abs(static_cast<std::int16_t>(Le(b, at, 2))) > 3000 ? 1 : 0;
        }
        EXPECT_GT(loud, 50);
    }

    for (const std::string& file : ExpectedFiles())
    {
        SCOPED_TRACE(file);
        EXPECT_EQ(Bytes(first / file), Bytes(second.Path() / file));
    }
}

TEST(ArtPack, UnitPicturesAreDrawnAndTheTwoSidesDiffer)
{
    const std::filesystem::path dir = BuiltGame();
    for (std::size_t file = 0; file < PlayerSpriteSheets.size(); ++file)
    {
        const Sheet& mine = PlayerSpriteSheets[file];
        const Sheet& theirs = ComputerSpriteSheets[file];
        const auto player = ReadBmp(dir / std::string(mine.file));
        const auto computer = ReadBmp(dir / std::string(theirs.file));
        ASSERT_TRUE(player && computer);
        for (int frame = 0; frame < mine.frames; ++frame)
        {
            SCOPED_TRACE(std::string(mine.file) + " frame " + std::to_string(frame));
            // Even a half ship or a fighter seen from above covers a good part of its cell.
            EXPECT_GT(DrawnPixels(*player, mine, frame), 60);
            EXPECT_GT(DrawnPixels(*computer, theirs, frame), 60);
            int differing = 0;
            for (int y = 0; y < mine.frameHeight; ++y)
            {
                for (int x = 0; x < mine.frameWidth; ++x)
                {
                    const Rgb a = player->At(mine.FrameX(frame) + x, mine.FrameY(frame) + y);
                    const Rgb b = computer->At(mine.FrameX(frame) + x, mine.FrameY(frame) + y);
                    differing += a.r != b.r || a.g != b.g || a.b != b.b ? 1 : 0;
                }
            }
            EXPECT_GT(differing, 30);
        }
    }

    // Facings differ: a ship heading east is not the ship heading south.
    const auto sheet = ReadBmp(dir / std::string(PlayerSpriteSheets[0].file));
    ASSERT_TRUE(sheet);
    const Sheet& s = PlayerSpriteSheets[0];
    const int destroyerEast = 4 * FacingCount;
    const int destroyerSouth = destroyerEast + 2;
    int differing = 0;
    for (int y = 0; y < CellSize; ++y)
    {
        for (int x = 0; x < CellSize; ++x)
        {
            const Rgb a = sheet->At(s.FrameX(destroyerEast) + x, s.FrameY(destroyerEast) + y);
            const Rgb b = sheet->At(s.FrameX(destroyerSouth) + x, s.FrameY(destroyerSouth) + y);
            differing += IsKey(a) != IsKey(b) ? 1 : 0;
        }
    }
    EXPECT_GT(differing, 100);

    for (const Sheet* big : {&PlayerBigSheet, &ComputerBigSheet, &IconSheet, &ClassPictureSheet})
    {
        const auto image = ReadBmp(dir / std::string(big->file));
        ASSERT_TRUE(image);
        for (int frame = 0; frame < big->frames; ++frame)
        {
            SCOPED_TRACE(std::string(big->file) + " frame " + std::to_string(frame));
            // A submarine's side view is a low sliver; everything else shows far more.
            EXPECT_GT(DrawnPixels(*image, *big, frame), 40);
        }
    }
}

TEST(ArtPack, MapTilesMarkersAndEmblemsAreDrawn)
{
    const std::filesystem::path dir = BuiltGame();
    auto load = [&](const Sheet& sheet) {
        auto image = ReadBmp(dir / std::string(sheet.file));
        EXPECT_TRUE(image) << sheet.file;
        return image.value_or(Image{});
    };

    // Opaque sheets and the opaque rows of the land sets never show the key colour, which
    // would punch a magenta hole into the map.
    for (const Sheet* sheet : {&SeaSheet, &BlankSeaSheet, &PortSheet, &TintSheet, &FlagSheet, &SmallFlagSheet})
    {
        const Image image = load(*sheet);
        for (int frame = 0; frame < sheet->frames; ++frame)
        {
            EXPECT_EQ(DrawnPixels(image, *sheet, frame), sheet->frameWidth * sheet->frameHeight)
                << sheet->file << " frame " << frame;
        }
    }
    for (const Sheet& land : LandSheets)
    {
        const Image image = load(land);
        for (int frame = 0; frame < LandNotchFrame; ++frame)
        {
            EXPECT_EQ(DrawnPixels(image, land, frame), CellSize * CellSize) << land.file << " frame " << frame;
        }
        for (int corner = 0; corner < 4; ++corner)
        {
            const int drawn = DrawnPixels(image, land, LandNotchFrame + corner);
            EXPECT_GT(drawn, 20) << land.file << " notch " << corner;
            EXPECT_LT(drawn, CellSize * CellSize / 4) << land.file << " notch " << corner;
        }
        for (int k = 0; k < LandReliefCount; ++k)
        {
            EXPECT_GT(DrawnPixels(image, land, LandReliefFrame(k)), 10) << land.file << " relief " << k;
        }
        for (int frame = LandShallowsFrame; frame < LandShallowsFrame + 8; ++frame)
        {
            EXPECT_GT(DrawnPixels(image, land, frame), 20) << land.file << " frame " << frame;
        }
    }

    // Every land code a map file can write has a feature column, and no two share one.
    std::vector<int> seen(TerrainColumnCount, 0);
    for (int objectCode = 8; objectCode <= 59; ++objectCode)
    {
        const int code = objectCode <= 12 ? (objectCode + 2) * 3700 : (objectCode + 542) * 100;
        const int column = TerrainColumn(code / 100);
        ASSERT_GE(column, 0) << objectCode;
        ASSERT_LT(column, TerrainColumnCount);
        ++seen[static_cast<std::size_t>(column)];
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), TerrainColumnCount);
    EXPECT_EQ(TerrainColumn(37), -1);
    const Image terrain = load(TerrainSheet);
    for (int frame = 0; frame < TerrainSheet.frames; ++frame)
    {
        EXPECT_GT(DrawnPixels(terrain, TerrainSheet, frame), 8) << "MR_TEX frame " << frame;
    }

    const Image lastSeen = load(LastSeenSheet);
    for (const MarkerClass& m : MarkerClasses)
    {
        EXPECT_GT(DrawnPixels(lastSeen, LastSeenSheet, m.marker + 36 - FirstLastSeenBase), 40) << m.marker;
    }
    for (const Sheet* sheet : {&SeaMarkSheet, &CoastCornerSheet, &PlayerMarkSheet, &ComputerMarkSheet,
                               &ExplosionSheet, &MedalSheet, &SmallMedalSheet, &AttackMarkSheet, &TechMarkSheet,
                               &LevelLabelSheet})
    {
        const Image image = load(*sheet);
        for (int frame = 0; frame < sheet->frames; ++frame)
        {
            // The armour bar for 0 points is an empty rail; everything else shows more.
            EXPECT_GT(DrawnPixels(image, *sheet, frame), 15) << sheet->file << " frame " << frame;
        }
    }
    // The explosion grows over the hit frames.
    const Image boom = load(ExplosionSheet);
    EXPECT_LT(DrawnPixels(boom, ExplosionSheet, 0), DrawnPixels(boom, ExplosionSheet, 4));
}

TEST(ArtSheets, FramesAndSoundCodesResolve)
{
    // Sprite frames run across the three files of a side without gaps.
    EXPECT_EQ(LocateSprite(0).file, 0);
    EXPECT_EQ(LocateSprite(19 * 8 + 7).frame, 19 * 8 + 7);
    EXPECT_EQ(LocateSprite(20 * 8).file, 1);
    EXPECT_EQ(LocateSprite(20 * 8).frame, 0);
    EXPECT_EQ(LocateSprite(54 * 8 + 7).file, 2);
    EXPECT_LT(LocateSprite(54 * 8 + 7).frame, PlayerSpriteSheets[2].frames);

    // Medals sit 71 across and 101 down, with a one-pixel gap.
    EXPECT_EQ(MedalSheet.FrameX(2), 142);
    EXPECT_EQ(MedalSheet.FrameY(3), 101);
    EXPECT_EQ(MedalSheet.Width(), 213);

    // Coasts: a lone islet is the all-sea shape; a cape gets its beach on the sea sides only and
    // a notch where the sea reaches in diagonally; open sea beside it gets the shallows.
    EXPECT_EQ(LandLayers(true, 0, 5, 5, true).ground, LandShapeFrame(SeaNorth | SeaEast | SeaSouth | SeaWest));
    const CellLayers cape = LandLayers(true, LandS | LandW | LandN | LandNW | LandSW, 5, 5, true);
    EXPECT_EQ(cape.ground, LandShapeFrame(SeaEast));
    ASSERT_EQ(cape.overlayCount, 0);
    const CellLayers bay = LandLayers(true, 0xff & ~LandNE, 5, 5, false);
    EXPECT_EQ(bay.ground, 0);
    ASSERT_EQ(bay.overlayCount, 1);
    EXPECT_EQ(bay.overlays[0], LandNotchFrame + 1);
    const CellLayers shore = LandLayers(false, LandW | LandSE, 5, 5, true);
    EXPECT_EQ(shore.ground, -1);
    ASSERT_EQ(shore.overlayCount, 2);
    EXPECT_EQ(shore.overlays[0], LandShallowsFrame + 3);
    EXPECT_EQ(shore.overlays[1], LandShallowsCornerFrame + 2);
    EXPECT_EQ(LandLayers(false, 0, 5, 5, true).overlayCount, 0);
    // Varied inland cells use every variant and some reliefs; unvaried ones never do.
    std::vector<int> variants(8, 0);
    int reliefs = 0;
    for (int x = 1; x <= 40; ++x)
    {
        for (int y = 1; y <= 40; ++y)
        {
            const CellLayers inland = LandLayers(true, 0xff, x, y, true);
            ++variants[static_cast<std::size_t>(inland.ground)];
            reliefs += inland.overlayCount;
            EXPECT_EQ(LandLayers(true, 0xff, x, y, false).overlayCount, 0);
        }
    }
    EXPECT_EQ(std::count(variants.begin(), variants.end(), 0), 0);
    EXPECT_GT(reliefs, 100);
    EXPECT_LT(reliefs, 800);

    EXPECT_EQ(SoundFileForCode(13), "EFF/SIR_SON.WAV");
    EXPECT_EQ(SoundFileForCode(185), "EFF/BUM_AV.WAV");
    EXPECT_EQ(SoundFileForCode(175), "EFF/BUM_AV.WAV");
    EXPECT_EQ(SoundFileForCode(130), "EFF/BUM_FRCO.WAV");
    for (int none : {0, 1, 100, 101, 131, 139, 210, 249, 251, 252, 255})
    {
        EXPECT_EQ(SoundFileForCode(none), "") << none;
    }
    EXPECT_EQ(SoundFileForCode(254), "EFF/1CLICK.wav");
}

TEST(ArtSheets, EveryLetteredNameHasAPlaceOnItsChart)
{
    const auto names = MapLetteringNames();
    for (std::string_view name : names)
    {
        EXPECT_TRUE(std::any_of(MapLabels.begin(), MapLabels.end(),
                                [&](const MapLabel& l) { return l.text == name; }))
            << name;
    }
    for (const MapLabel& l : MapLabels)
    {
        SCOPED_TRACE(std::string(l.text));
        // Only the game's own list of names is lettered, spaced as it is written there.
        EXPECT_NE(std::find(names.begin(), names.end(), l.text), names.end());
        EXPECT_GE(l.picture, 1);
        EXPECT_LE(l.picture, MapPictureCount);
        EXPECT_GE(l.x, 1);
        EXPECT_LE(l.x, 96);
        EXPECT_GE(l.y, 1);
        EXPECT_LE(l.y, 96);
        // Two labels of one chart never share a cell.
        EXPECT_EQ(std::count_if(MapLabels.begin(), MapLabels.end(),
                                [&](const MapLabel& o) { return o.picture == l.picture && o.x == l.x && o.y == l.y; }),
                  1);
    }
}

} // namespace olvane::art
