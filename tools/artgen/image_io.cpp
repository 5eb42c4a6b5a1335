#include "image_io.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

namespace olvane::artgen
{

namespace
{

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
    {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
    {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Cairo keeps colours premultiplied by alpha; files want them straight.
art::Rgb PixelAt(const std::uint8_t* row, int x, bool keyed)
{
    std::uint32_t argb = 0;
    std::memcpy(&argb, row + 4 * x, 4);
    const std::uint32_t a = argb >> 24;
    auto channel = [&](int shift) {
        const std::uint32_t c = (argb >> shift) & 0xffu;
        if (!keyed || a == 0)
        {
            return static_cast<std::uint8_t>(c);
        }
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
    };
    if (keyed && a < 128)
    {
        return art::KeyColour;
    }
    art::Rgb rgb{channel(16), channel(8), channel(0)};
    if (keyed && rgb.r == art::KeyColour.r && rgb.g == art::KeyColour.g && rgb.b == art::KeyColour.b)
    {
        rgb.g = 1; // a drawn pixel must never read as "nothing here"
    }
    return rgb;
}

} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_.get()))
{
    if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS)
    {
        throw std::runtime_error("cannot create a drawing surface");
    }
}

std::filesystem::path OutputPath(const std::filesystem::path& root, std::string_view file)
{
    const std::filesystem::path path = root / std::filesystem::path(std::string(file));
    std::filesystem::create_directories(path.parent_path());
    return path;
}

void WriteBmp(const std::filesystem::path& path, const Canvas& canvas, bool keyed)
{
    cairo_surface_flush(canvas.Surface());
    const int w = canvas.Width();
    const int h = canvas.Height();
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    const std::uint8_t* data = cairo_image_surface_get_data(canvas.Surface());
    const int rowBytes = (w * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * h);

    std::vector<std::uint8_t> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + imageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(w), 4);
    PutLe(out, static_cast<std::uint32_t>(h), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);
    PutLe(out, imageBytes, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = h - 1; y >= 0; --y)
    {
        const std::uint8_t* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < w; ++x)
        {
            const art::Rgb c = PixelAt(row, x, keyed);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (int pad = w * 3; pad < rowBytes; ++pad)
        {
            out.push_back(0);
        }
    }
    WriteBytes(path, out);
}

void WriteJpeg(const std::filesystem::path& path, const Canvas& canvas, int quality)
{
    cairo_surface_flush(canvas.Surface());
    const int w = canvas.Width();
    const int h = canvas.Height();
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    const std::uint8_t* data = cairo_image_surface_get_data(canvas.Surface());

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(w) * 3);
    while (info.next_scanline < info.image_height)
    {
        const std::uint8_t* row = data + static_cast<std::ptrdiff_t>(info.next_scanline) * stride;
        for (int x = 0; x < w; ++x)
        {
            const art::Rgb c = PixelAt(row, x, false);
            line[3 * x] = c.r;
            line[3 * x + 1] = c.g;
            line[3 * x + 2] = c.b;
        }
        JSAMPROW rows[1] = {line.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    WriteBytes(path, bytes);
}

void WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    for (char c : std::string_view("RIFF"))
    {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    PutLe(out, 36 + dataBytes, 4);
    for (char c : std::string_view("WAVEfmt "))
    {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    PutLe(out, 16, 4);
    PutLe(out, 1, 2); // PCM
    PutLe(out, 1, 2); // mono
    PutLe(out, static_cast<std::uint32_t>(rate), 4);
    PutLe(out, static_cast<std::uint32_t>(rate * 2), 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    for (char c : std::string_view("data"))
    {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples)
    {
        PutLe(out, static_cast<std::uint16_t>(s), 2);
    }
    WriteBytes(path, out);
}

void DrawFrames(const Canvas& canvas, const art::Sheet& sheet, const FrameDrawer& draw)
{
    cairo_t* cr = canvas.Cr();
    for (int frame = 0; frame < sheet.frames; ++frame)
    {
        cairo_save(cr);
        cairo_translate(cr, sheet.FrameX(frame), sheet.FrameY(frame));
        cairo_rectangle(cr, 0, 0, sheet.frameWidth, sheet.frameHeight);
        cairo_clip(cr);
        draw(cr, frame);
        cairo_restore(cr);
    }
}

void DrawSheet(const std::filesystem::path& root, const art::Sheet& sheet, const FrameDrawer& draw)
{
    Canvas canvas(sheet.Width(), sheet.Height());
    DrawFrames(canvas, sheet, draw);
    WriteBmp(OutputPath(root, sheet.file), canvas, sheet.keyed);
}

} // namespace olvane::artgen
