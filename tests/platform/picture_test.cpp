#include "platform/canvas.h"
#include "platform/picture.h"

#include "platform/platform_test_support.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace olvane::platform
{
namespace
{

void WriteJpeg(const std::filesystem::path& path, int width, int height, Colour colour)
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

TEST(Picture, SheetsCutIntoFramesRowByRow)
{
    Picture sheet(3 * 4, 2 * 5);
    Canvas c(sheet);
    for (int frame = 0; frame < 6; ++frame)
    {
        c.brush.colour = Rgb(frame * 40, 0, 0);
        c.FillRect(Rect{(frame % 3) * 4, (frame / 3) * 5, 4, 5});
    }
    PictureList frames = PictureList::FromSheet(sheet, 4, 5);
    ASSERT_EQ(frames.Count(), 6);
    for (int frame = 0; frame < 6; ++frame)
    {
        EXPECT_EQ(frames[frame].Width(), 4);
        EXPECT_EQ(frames[frame].Pixel(3, 4), Rgb(frame * 40, 0, 0)) << frame;
    }
    EXPECT_THROW(frames[6], std::out_of_range);
}

} // namespace
} // namespace olvane::platform
