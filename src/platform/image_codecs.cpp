#include "platform/image_codecs.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace olvane::platform
{

namespace
{

// A progressive JPEG may hold any number of scans, each a pass over the whole picture. The
// game's pictures have one; a long run of them is a damaged file that would decode for minutes.
constexpr int MaxJpegScans = 64;

// Bounds what libjpeg allocates for a damaged header's component and sampling tables, beyond
// what the largest picture side already bounds.
constexpr long MaxJpegMemory = 512L << 20;

// libjpeg's own error handler ends the program; ours jumps back so a damaged picture is only
// a picture that did not load.
struct JpegErrorManager
{
    jpeg_error_mgr base;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void JpegSilence(j_common_ptr, int) {}

void JpegProgress(j_common_ptr info)
{
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (info->is_decompressor && decompress->input_scan_number > MaxJpegScans)
    {
        auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
        std::snprintf(manager->message, sizeof manager->message, "more than %d scans", MaxJpegScans);
        std::longjmp(manager->jump, 1);
    }
}

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Runs the decoder in a frame that owns nothing with a destructor, because longjmp skips them.
// The surface lives in *out, never in a local: a local changed after setjmp may be read back
// stale after the jump, and the surface of a picture that failed halfway would leak.
bool DecodeJpegInto(const unsigned char* data, unsigned long size, SDL_Surface** out, JpegErrorManager& errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegErrorExit;
    errors.base.emit_message = JpegSilence;
    *out = nullptr;
    if (setjmp(errors.jump))
    {
        jpeg_destroy_decompress(&info);
        SDL_FreeSurface(*out);
        *out = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = MaxJpegMemory;
    errors.progress.progress_monitor = JpegProgress;
    info.progress = &errors.progress;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > MaxPictureSide || info.image_height > MaxPictureSide)
    {
        std::snprintf(errors.message, sizeof errors.message, "%u x %u pixels, larger than the game loads",
                      info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *out = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                                          24, SDL_PIXELFORMAT_RGB24);
    if (*out == nullptr)
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height)
    {
        JSAMPROW row = static_cast<JSAMPROW>((*out)->pixels) + info.output_scanline * (*out)->pitch;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

SurfacePtr DecodeJpeg(std::string_view bytes, std::string& error)
{
    JpegErrorManager errors{};
    SDL_Surface* surface = nullptr;
    if (!DecodeJpegInto(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &surface, errors))
    {
        error = errors.message[0] != 0 ? errors.message : "not a JPEG picture";
        return nullptr;
    }
    return SurfacePtr(surface);
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
    {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

/// The size a BMP header claims, read as SDL reads it: 16-bit fields in the old core header,
/// signed 32-bit ones (a negative height marks a top-down picture) in every later one.
std::optional<std::pair<std::int64_t, std::int64_t>> BmpHeaderSize(std::string_view bytes)
{
    constexpr std::size_t HeaderSizeAt = 14;
    constexpr std::uint32_t CoreHeaderSize = 12;
    if (bytes.size() >= 22 && LittleEndian(bytes, HeaderSizeAt, 4) == CoreHeaderSize)
    {
        return std::pair<std::int64_t, std::int64_t>{LittleEndian(bytes, 18, 2), LittleEndian(bytes, 20, 2)};
    }
    if (bytes.size() >= 26)
    {
        return std::pair<std::int64_t, std::int64_t>{static_cast<std::int32_t>(LittleEndian(bytes, 18, 4)),
                                                     static_cast<std::int32_t>(LittleEndian(bytes, 22, 4))};
    }
    return std::nullopt;
}

/// Every picture of the game folder is an uncompressed 24-bit BMP: decoded straight into the
/// frames' own pixel format, so the pixels are written once instead of once per format. Nothing
/// for any other BMP, which SDL decodes.
SurfacePtr DecodePlainBmp(std::string_view bytes)
{
    if (bytes.size() < 54 || LittleEndian(bytes, 14, 4) < 40 || LittleEndian(bytes, 28, 2) != 24 ||
        LittleEndian(bytes, 30, 4) != 0)
    {
        return nullptr;
    }
    const int width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    const int rows = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    const int height = rows < 0 ? -rows : rows;
    const std::size_t pixelsAt = LittleEndian(bytes, 10, 4);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || width > MaxPictureSide || height > MaxPictureSide ||
        pixelsAt > bytes.size() || (bytes.size() - pixelsAt) / stride < static_cast<std::size_t>(height))
    {
        return nullptr;
    }
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888));
    if (!surface)
    {
        return nullptr;
    }
    for (int y = 0; y < height; ++y)
    {
        // Rows are stored bottom row first unless the height is negative.
        const int stored = rows < 0 ? y : height - 1 - y;
        const auto* from = reinterpret_cast<const unsigned char*>(bytes.data() + pixelsAt + stored * stride);
        auto* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < width; ++x, from += 3)
        {
            to[x] = static_cast<Uint32>(from[2]) << 16 | static_cast<Uint32>(from[1]) << 8 | from[0];
        }
    }
    return surface;
}

SurfacePtr DecodeBmp(std::string_view bytes, std::string& error)
{
    const auto size = BmpHeaderSize(bytes);
    if (!size)
    {
        error = "a BMP header cut short";
        return nullptr;
    }
    // Widened before the sign is dropped, so a height of -2^31 is refused like any other.
    const std::int64_t width = size->first < 0 ? -size->first : size->first;
    const std::int64_t height = size->second < 0 ? -size->second : size->second;
    if (width > MaxPictureSide || height > MaxPictureSide)
    {
        error = std::to_string(width) + " x " + std::to_string(height) + " pixels, larger than the game loads";
        return nullptr;
    }
    if (SurfacePtr plain = DecodePlainBmp(bytes))
    {
        return plain;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SurfacePtr surface(SDL_LoadBMP_RW(stream, 1));
    if (!surface)
    {
        error = SDL_GetError();
    }
    return surface;
}

} // namespace

std::optional<std::string> BmpRows(std::string_view bytes, int top, int height)
{
    constexpr std::size_t InfoHeaderEnd = 54;
    if (bytes.size() < InfoHeaderEnd || bytes.substr(0, 2) != "BM" || LittleEndian(bytes, 14, 4) < 40 ||
        LittleEndian(bytes, 30, 4) != 0)
    {
        return std::nullopt;
    }
    const std::int64_t width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    const std::int64_t rows = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    const std::int64_t bits = LittleEndian(bytes, 28, 2);
    const std::int64_t pixelsAt = LittleEndian(bytes, 10, 4);
    if (width <= 0 || width > MaxPictureSide || rows <= 0 || top < 0 || height <= 0 || top + height > rows ||
        bits == 0 || bits > 32 || pixelsAt < static_cast<std::int64_t>(InfoHeaderEnd))
    {
        return std::nullopt;
    }
    // Rows are stored bottom row first, each padded to four bytes.
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    const std::int64_t bandAt = pixelsAt + (rows - top - height) * stride;
    const std::int64_t bandSize = height * stride;
    if (bandAt + bandSize > static_cast<std::int64_t>(bytes.size()))
    {
        return std::nullopt;
    }
    std::string band(bytes.substr(0, static_cast<std::size_t>(pixelsAt)));
    band.append(bytes.substr(static_cast<std::size_t>(bandAt), static_cast<std::size_t>(bandSize)));
    auto put = [&band](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
        {
            band[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
        }
    };
    put(2, static_cast<std::uint32_t>(band.size()));
    put(22, static_cast<std::uint32_t>(height));
    put(34, static_cast<std::uint32_t>(bandSize));
    return band;
}

SurfacePtr DecodePicture(std::string_view bytes, std::string& error)
{
    if (bytes.substr(0, 2) == "BM")
    {
        return DecodeBmp(bytes, error);
    }
    if (bytes.substr(0, 2) == "\xFF\xD8")
    {
        return DecodeJpeg(bytes, error);
    }
    error = "not a BMP or JPEG picture";
    return nullptr;
}

namespace
{

struct PngWriteState
{
    std::jmp_buf jump;
    char message[200];
};

void PngError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<PngWriteState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    std::longjmp(state->jump, 1);
}

void PngWarning(png_structp, png_const_charp) {}

bool EncodePngInto(std::FILE* file, SDL_Surface* rgb, PngWriteState& state)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, PngError, PngWarning);
    if (png == nullptr)
    {
        std::snprintf(state.message, sizeof state.message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (setjmp(state.jump))
    {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgb->w), static_cast<png_uint_32>(rgb->h), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < rgb->h; ++y)
    {
        png_write_row(png, static_cast<png_const_bytep>(rgb->pixels) + y * rgb->pitch);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::optional<std::string> EncodePng(SDL_Surface* surface, const std::filesystem::path& path)
{
    SurfacePtr rgb(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB24, 0));
    if (!rgb)
    {
        return std::string("cannot convert the picture: ") + SDL_GetError();
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
    {
        return "cannot create " + path.string();
    }
    PngWriteState state{};
    if (!EncodePngInto(file.get(), rgb.get(), state))
    {
        return path.string() + ": " + state.message;
    }
    if (std::fflush(file.get()) != 0)
    {
        return "cannot write " + path.string();
    }
    return std::nullopt;
}

} // namespace olvane::platform
