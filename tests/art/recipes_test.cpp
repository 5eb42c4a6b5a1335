#include "art/bmp_file.h"
#include "art/sounds.h"
#include "artgen/image_io.h"
#include "artgen/sounds.h"
#include "artgen/units.h"
#include "state/class_table.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace olvane::artgen
{

namespace
{

bool IsAircraft(Kind k)
{
    return k == Kind::Fighter || k == Kind::TwinFighter || k == Kind::TorpedoBomber || k == Kind::FlyingBoat ||
           k == Kind::TwinBomber || k == Kind::HeavyBomber;
}

/// Zero crossings per second: a rough pitch.
double Pitch(const std::vector<std::int16_t>& s)
{
    int crossings = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
    {
        crossings += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
    }
    return crossings / 2.0 / (static_cast<double>(s.size()) / art::SoundRate);
}

/// Where the sound's energy sits on average, in seconds.
double EnergyCentre(const std::vector<std::int16_t>& s)
{
    double sum = 0;
    double weighted = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
    {
        const double e = static_cast<double>(s[i]) * s[i];
        sum += e;
        weighted += e * static_cast<double>(i);
    }
    return weighted / sum / art::SoundRate;
}

std::vector<std::int16_t> Sound(std::string_view file)
{
    for (const art::SoundFile& s : art::SoundFiles)
    {
        if (s.file == file)
        {
            return SynthesiseSound(s.file, s.seconds);
        }
    }
    ADD_FAILURE() << "no sound " << file;
    return {};
}

} // namespace

TEST(UnitDesigns, EachClassGroupHasItsOwnShape)
{
    ClassTable table;
    InitShipClasses(table);
    for (int c = 1; c <= ClassCount; ++c)
    {
        if (table.Class(c).Name.Length == 0)
        {
            continue;
        }
        SCOPED_TRACE("class " + std::to_string(c));
        const Design d = DesignForClass(c);
        // Two-cell ships are exactly the classes that own a second cell.
        EXPECT_EQ(IsTwoCell(d), HasSecondUnit(c));
        if (c <= 9)
        {
            EXPECT_EQ(d.kind, Kind::Transport);
        }
        else if (c <= 19)
        {
            EXPECT_EQ(d.kind, Kind::Submarine);
        }
        else if (c <= 30)
        {
            EXPECT_EQ(d.kind, Kind::SmallCombatant);
        }
        else if (c <= 49)
        {
            EXPECT_EQ(d.kind, Kind::Destroyer);
        }
        else if (c <= 59)
        {
            EXPECT_EQ(d.kind, Kind::Cruiser);
        }
        else if (c <= 69)
        {
            EXPECT_EQ(d.kind, Kind::Battleship);
        }
        else if (c <= 79)
        {
            EXPECT_EQ(d.kind, Kind::Carrier);
        }
        else if (c <= 89)
        {
            EXPECT_TRUE(IsAircraft(d.kind));
        }
        else if (c <= 99)
        {
            EXPECT_EQ(d.kind, Kind::Auxiliary);
        }
        else
        {
            EXPECT_EQ(d.kind, c <= 106 ? Kind::Gun : Kind::Radar);
        }
        if (d.kind != Kind::Gun && d.kind != Kind::Radar)
        {
            // Everything fits its cells: one cell is 42 pixels, a two-cell ship 84.
            EXPECT_LE(d.length, IsTwoCell(d) ? 84.0 : 42.0);
            EXPECT_LE(d.beam, 42.0);
        }
    }
    // What tells the groups apart at a glance: size and proportions.
    EXPECT_LT(DesignForClass(80).beam, DesignForClass(86).beam);
    EXPECT_LT(DesignForClass(86).beam, DesignForClass(88).beam);
    EXPECT_LT(DesignForClass(13).beam, DesignForClass(43).beam);
    EXPECT_LT(DesignForClass(43).length, DesignForClass(53).length);
    EXPECT_LT(DesignForClass(53).beam, DesignForClass(63).beam);
    EXPECT_LT(DesignForClass(53).turretSize, DesignForClass(63).turretSize);
    EXPECT_GT(DesignForClass(3).beam / DesignForClass(3).length, DesignForClass(43).beam / DesignForClass(43).length);
    // Port guns carry one, two and three barrels by weight.
    EXPECT_EQ(DesignForClass(100).variant, 1);
    EXPECT_EQ(DesignForClass(106).variant, 3);
}

TEST(Sounds, EachSoundIsDistinctAndShaped)
{
    std::vector<std::vector<std::int16_t>> all;
    for (const art::SoundFile& s : art::SoundFiles)
    {
        SCOPED_TRACE(std::string(s.file));
        const auto samples = SynthesiseSound(s.file, s.seconds);
        EXPECT_EQ(samples.size(), static_cast<std::size_t>(s.seconds * art::SoundRate));
        // Normalised below full scale: loud, but never clipped.
        const auto [lo, hi] = std::minmax_element(samples.begin(), samples.end());
        EXPECT_GT(std::max(-static_cast<int>(*lo), static_cast<int>(*hi)), 20000);
        EXPECT_LT(std::max(-static_cast<int>(*lo), static_cast<int>(*hi)), 32000);
        // Every sound fades out instead of ending in a click.
        EXPECT_LT(std::abs(samples.back()), 200);
        for (const auto& other : all)
        {
            EXPECT_NE(samples, other);
        }
        all.push_back(samples);
    }
    // The radar sirens fall in pitch with the size of the ship.
    EXPECT_GT(Pitch(Sound("EFF/SIR10.WAV")), Pitch(Sound("EFF/SIR20.WAV")));
    EXPECT_GT(Pitch(Sound("EFF/SIR20.WAV")), Pitch(Sound("EFF/SIR30.WAV")));
    // The click is over almost at once; a battleship's magazine goes up well after the first hit.
    EXPECT_LT(EnergyCentre(Sound("EFF/1CLICK.wav")), 0.02);
    EXPECT_GT(EnergyCentre(Sound("EFF/BUM_BB.WAV")), EnergyCentre(Sound("EFF/BUM_FRCO.WAV")) + 0.1);
    // The same recipe gives the same samples every time.
    EXPECT_EQ(Sound("EFF/POTOP.WAV"), Sound("EFF/POTOP.WAV"));
}

TEST(PictureFiles, KeyedPicturesKeepWhatIsDrawnAndOnlyThat)
{
    test::TempDir dir;
    Canvas canvas(8, 4);
    cairo_t* cr = canvas.Cr();
    cairo_set_source_rgba(cr, 1, 0, 0, 0.8); // mostly drawn: kept, at full colour
    cairo_rectangle(cr, 0, 0, 2, 4);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0, 1, 0, 0.3); // mostly transparent: nothing
    cairo_rectangle(cr, 2, 0, 2, 4);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 1, 0, 1); // drawn in the key colour itself: must stay visible
    cairo_rectangle(cr, 4, 0, 2, 2);
    cairo_fill(cr);
    WriteBmp(dir.Path() / "keyed.bmp", canvas, true);
    WriteBmp(dir.Path() / "opaque.bmp", canvas, false);

    const auto keyed = art::ReadBmp(dir.Path() / "keyed.bmp");
    ASSERT_TRUE(keyed);
    EXPECT_EQ(keyed->width, 8);
    EXPECT_EQ(keyed->height, 4);
    EXPECT_EQ(keyed->At(1, 3).r, 255);
    EXPECT_EQ(keyed->At(1, 3).g, 0);
    EXPECT_TRUE(art::IsKey(keyed->At(3, 1)));
    EXPECT_FALSE(art::IsKey(keyed->At(4, 0)));
    EXPECT_TRUE(art::IsKey(keyed->At(4, 3))); // untouched pixels
    EXPECT_TRUE(art::IsKey(keyed->At(7, 0)));

    const auto opaque = art::ReadBmp(dir.Path() / "opaque.bmp");
    ASSERT_TRUE(opaque);
    EXPECT_FALSE(art::IsKey(opaque->At(7, 0)));
    EXPECT_EQ(opaque->At(7, 0).r, 0);

    // Rows are padded to four bytes: an 8 x 4 picture of 24-bit pixels has no padding, a
    // 5-pixel row needs one byte; both must read back at their size.
    Canvas odd(5, 3);
    WriteBmp(dir.Path() / "odd.bmp", odd, false);
    const auto oddBack = art::ReadBmp(dir.Path() / "odd.bmp");
    ASSERT_TRUE(oddBack);
    EXPECT_EQ(oddBack->width, 5);
    EXPECT_EQ(oddBack->height, 3);
    EXPECT_FALSE(art::ReadBmp(dir.Path() / "missing.bmp").has_value());
}

TEST(ContactSheet, LaysOutTheSampleChartAndEverySheetOnOnePng)
{
    // Laid out from the pictures the build generated, which are not drawn again for it.
    test::TempDir dir;
    const std::filesystem::path png = dir.Path() / "sheet.png";
    const std::string command = std::string(OLVANE_ARTGEN_PATH) + " --sheet-only --out '" + OLVANE_GAME_DIR +
                                "' --sheet '" + png.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(png, std::ios::binary);
    std::vector<unsigned char> head(24);
    in.read(reinterpret_cast<char*>(head.data()), 24);
    ASSERT_TRUE(in);
    EXPECT_EQ(head[1], 'P');
    const auto be = [&](int at) { return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3]; };
    EXPECT_EQ(be(16), 1560);
    // Tall enough for every frame of every sheet: the sprite and terrain sheets alone need
    // thousands of pixels.
    EXPECT_GT(be(20), 5000);
    // A sheet of a folder without pictures is refused, not an empty PNG.
    const std::string empty = std::string(OLVANE_ARTGEN_PATH) + " --sheet-only --out '" + dir.Path().string() +
                              "/none' --only MR_OBJ --sheet '" + png.string() + "' 2>/dev/null";
    EXPECT_NE(std::system(empty.c_str()), 0);
}

} // namespace olvane::artgen
