#include "platform/canvas.h"
#include "platform/game_file.h"
#include "platform/image_codecs.h"
#include "platform/picture.h"

#include "platform/platform_test_support.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace olvane::platform
{
namespace
{

void WriteJpeg(const std::filesystem::path& path, int width, int height, Colour colour, bool progressive = false)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
    {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x)
    {
        row.push_back(RedOf(colour));
        row.push_back(GreenOf(colour));
        row.push_back(BlueOf(colour));
    }
    for (int y = 0; y < height; ++y)
    {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

bool Near(Colour a, Colour b, int tolerance)
{
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TEST(Picture, LoadsBmpAndJpegAndRefusesDamagedFiles)
{
    test::TempFolder dir;
    Picture source(6, 4, colours::Navy);
    source.SetPixel(5, 3, colours::Yellow);
    ASSERT_EQ(SDL_SaveBMP(source.Surface(), (dir.path / "ship.BMP").c_str()), 0);

    Picture bmp;
    EXPECT_FALSE(bmp.Load(dir.path / "ship.BMP"));
    EXPECT_EQ(bmp.Width(), 6);
    EXPECT_EQ(bmp.Height(), 4);
    EXPECT_EQ(bmp.Pixel(0, 0), colours::Navy);
    EXPECT_EQ(bmp.Pixel(5, 3), colours::Yellow);

    WriteJpeg(dir.path / "sea.jpg", 32, 16, 0x3060A0);
    Picture jpeg;
    EXPECT_FALSE(jpeg.Load(dir.path / "sea.jpg"));
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_EQ(jpeg.Height(), 16);
    EXPECT_TRUE(Near(jpeg.Pixel(10, 10), 0x3060A0, 6));

    // A JPEG cut short must come back as an error, not end the program.
    std::string bytes = test::ReadAll(dir.path / "sea.jpg");
    std::ofstream(dir.path / "cut.jpg", std::ios::binary) << bytes.substr(0, 200);
    Picture damaged(2, 2, colours::Red);
    auto error = damaged.Load(dir.path / "cut.jpg");
    ASSERT_TRUE(error);
    EXPECT_EQ(damaged.Width(), 2) << "a failed load keeps the old picture";

    std::ofstream(dir.path / "text.bmp") << "hello";
    EXPECT_TRUE(damaged.Load(dir.path / "text.bmp"));
    EXPECT_TRUE(damaged.Load(dir.path / "missing.bmp"));
}

/// A BMP file header and info header claiming a 24-bit picture of the given size, with a few
/// bytes of pixels: all a hostile file needs to make a decoder reserve the whole picture.
std::string BmpHeader(std::int32_t width, std::int32_t height)
{
    std::string bmp(54 + 12, '\0');
    const auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
        {
            bmp[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, static_cast<std::uint32_t>(bmp.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bmp;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(Picture, RefusesHugePicturesAndWhatIsNoFile)
{
    test::TempFolder dir;
    Picture kept(3, 2, colours::Red);
    const auto refused = [&](const std::filesystem::path& path, std::string_view words) {
        const auto started = std::chrono::steady_clock::now();
        const auto error = kept.Load(path);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2)) << path;
        EXPECT_EQ(kept.Width(), 3) << "a refused picture keeps the old one";
        return error && error->find(words) != std::string::npos;
    };

    WriteBytes(dir.path / "huge.bmp", BmpHeader(20000, 20000));
    EXPECT_TRUE(refused(dir.path / "huge.bmp", "larger than the game loads"));
    WriteBytes(dir.path / "lowest.bmp", BmpHeader(2, INT_MIN));
    EXPECT_TRUE(refused(dir.path / "lowest.bmp", "larger than the game loads"));
    WriteBytes(dir.path / "wide.bmp", BmpHeader(MaxPictureSide + 1, 1));
    EXPECT_TRUE(refused(dir.path / "wide.bmp", "larger than the game loads"));

    // The widest picture allowed still loads.
    Picture widest(MaxPictureSide, 1, colours::Navy);
    ASSERT_EQ(SDL_SaveBMP(widest.Surface(), (dir.path / "widest.bmp").c_str()), 0);
    Picture loaded;
    EXPECT_FALSE(loaded.Load(dir.path / "widest.bmp"));
    EXPECT_EQ(loaded.Width(), MaxPictureSide);

    // A small progressive JPEG whose frame header claims 65500 x 65500: decoding it would reserve
    // the coefficients of the whole picture before the first row.
    WriteJpeg(dir.path / "small.jpg", 16, 16, colours::Navy, true);
    std::string jpeg = test::ReadAll(dir.path / "small.jpg");
    const auto frame = jpeg.find("\xFF\xC2");
    ASSERT_NE(frame, std::string::npos);
    for (std::size_t at : {frame + 5, frame + 7})
    {
        jpeg[at] = '\xFF';
        jpeg[at + 1] = '\xDC';
    }
    WriteBytes(dir.path / "huge.jpg", jpeg);
    EXPECT_TRUE(refused(dir.path / "huge.jpg", "65500 x 65500 pixels, larger than the game loads"));

    // A FIFO would block a reader for good; a folder and an oversized file are no pictures.
    ASSERT_EQ(::mkfifo((dir.path / "fifo.bmp").c_str(), 0644), 0);
    EXPECT_TRUE(refused(dir.path / "fifo.bmp", "is not a file"));
    std::filesystem::create_directories(dir.path / "folder.jpg");
    EXPECT_TRUE(refused(dir.path / "folder.jpg", "is not a file"));
    WriteBytes(dir.path / "sparse.bmp", BmpHeader(2, 2));
    ASSERT_EQ(::truncate((dir.path / "sparse.bmp").c_str(), static_cast<off_t>(MaxGameFileBytes) + 1), 0);
    EXPECT_TRUE(refused(dir.path / "sparse.bmp", "too large"));
    std::string error;
    EXPECT_FALSE(ReadGameFile(dir.path / "widest.bmp", error, 100));
    EXPECT_TRUE(ReadGameFile(dir.path / "widest.bmp", error));
}

TEST(Picture, SavesPngWithItsSize)
{
    test::TempFolder dir;
    Picture p(40, 30, colours::Green);
    ASSERT_FALSE(p.SavePng(dir.path / "shot.png"));
    std::string bytes = test::ReadAll(dir.path / "shot.png");
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), 40);
    EXPECT_EQ(be32(20), 30);
    EXPECT_TRUE(p.SavePng(dir.path / "no-such-folder" / "shot.png"));
}

TEST(Picture, SheetFramesShowTheSheetsPixelsAndOutliveIt)
{
    PictureList frames;
    {
        Picture sheet(3 * 4, 2 * 5);
        Canvas c(sheet);
        for (int frame = 0; frame < 6; ++frame)
        {
            c.brush.colour = Rgb(frame * 40, 0, 0);
            c.FillRect(Rect{(frame % 3) * 4, (frame / 3) * 5, 4, 5});
        }
        sheet.transparent = true;
        std::vector<Rect> parts;
        for (int frame = 0; frame < 6; ++frame)
        {
            parts.push_back(Rect{(frame % 3) * 4, (frame / 3) * 5, 4, 5});
        }
        parts.push_back(Rect{10, 8, 4, 5}); // reaches past the sheet's corner
        frames = PictureList::FromSheet(std::move(sheet), parts);
    }
    ASSERT_EQ(frames.Count(), 7);
    for (int frame = 0; frame < 6; ++frame)
    {
        EXPECT_EQ(frames[frame].Width(), 4);
        EXPECT_EQ(frames[frame].Pixel(0, 0), Rgb(frame * 40, 0, 0)) << frame;
        EXPECT_EQ(frames[frame].Pixel(3, 4), Rgb(frame * 40, 0, 0)) << frame;
        EXPECT_TRUE(frames[frame].transparent);
    }
    EXPECT_EQ(frames[6].Pixel(1, 1), Rgb(200, 0, 0));
    EXPECT_EQ(frames[6].Pixel(2, 2), colours::Black) << "outside the sheet is black";

    // A frame drawn on stays within its own part; a copy is a picture of its own.
    Picture copy = frames[1];
    Canvas(frames[1]).Draw(0, 0, Picture(4, 5, colours::Blue));
    EXPECT_EQ(frames[1].Pixel(3, 4), colours::Blue);
    EXPECT_EQ(frames[0].Pixel(3, 4), Rgb(0, 0, 0));
    EXPECT_EQ(frames[2].Pixel(0, 0), Rgb(80, 0, 0));
    EXPECT_EQ(frames[4].Pixel(0, 0), Rgb(160, 0, 0));
    EXPECT_EQ(copy.Pixel(3, 4), Rgb(40, 0, 0));
    EXPECT_THROW(frames[7], std::out_of_range);
}

TEST(Picture, LoadsOnlyTheRowsAskedFor)
{
    test::TempFolder dir;
    // Rows 2 px high in four colours, 5 px wide so every BMP row carries padding.
    Picture source(5, 8);
    const Colour bands[] = {colours::Red, colours::Green, colours::Blue, colours::Yellow};
    for (int y = 0; y < 8; ++y)
    {
        for (int x = 0; x < 5; ++x)
        {
            source.SetPixel(x, y, bands[y / 2] - static_cast<Colour>(x));
        }
    }
    ASSERT_EQ(SDL_SaveBMP(source.Surface(), (dir.path / "bands.BMP").c_str()), 0);
    const std::string bytes = test::ReadAll(dir.path / "bands.BMP");
    ASSERT_TRUE(BmpRows(bytes, 2, 4));
    EXPECT_LT(BmpRows(bytes, 2, 4)->size(), bytes.size());
    for (const auto& [top, height] : {std::pair{0, 8}, {2, 4}, {6, 2}, {3, 1}})
    {
        Picture part;
        ASSERT_FALSE(part.LoadRows(dir.path / "bands.BMP", top, height));
        ASSERT_EQ(part.Height(), height);
        for (int y = 0; y < height; ++y)
        {
            for (int x = 0; x < 5; ++x)
            {
                EXPECT_EQ(part.Pixel(x, y), source.Pixel(x, top + y)) << top << " " << x << "," << y;
            }
        }
    }
    // Rows beyond the picture, and pictures that are not plain BMPs, are read whole and cut.
    EXPECT_FALSE(BmpRows(bytes, 6, 3));
    EXPECT_FALSE(BmpRows(bytes, -1, 2));
    EXPECT_FALSE(BmpRows(bytes.substr(0, bytes.size() - 8), 0, 2)) << "pixels cut short";
    EXPECT_FALSE(BmpRows(BmpHeader(4, -4), 0, 2)) << "a top-down picture";
    WriteJpeg(dir.path / "sea.jpg", 32, 16, 0x3060A0);
    Picture jpeg;
    ASSERT_FALSE(jpeg.LoadRows(dir.path / "sea.jpg", 4, 6));
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_EQ(jpeg.Height(), 6);
    EXPECT_TRUE(Near(jpeg.Pixel(10, 3), 0x3060A0, 6));
}

} // namespace
} // namespace olvane::platform
