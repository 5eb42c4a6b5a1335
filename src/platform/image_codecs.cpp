#include "platform/image_codecs.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace olvane::platform
{

namespace
{

// libjpeg's own error handler ends the program; ours jumps back so a damaged picture is only
// a picture that did not load.
struct JpegErrorManager
{
    jpeg_error_mgr base;
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

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Runs the decoder in a frame that owns nothing with a destructor, because longjmp skips them.
bool DecodeJpegInto(std::FILE* file, SDL_Surface** out, JpegErrorManager& errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegErrorExit;
    errors.base.emit_message = JpegSilence;
    SDL_Surface* surface = nullptr;
    if (setjmp(errors.jump))
    {
        jpeg_destroy_decompress(&info);
        SDL_FreeSurface(surface);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(info.output_width),
                                             static_cast<int>(info.output_height), 24, SDL_PIXELFORMAT_RGB24);
    if (surface == nullptr)
    {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height)
    {
        JSAMPROW row = static_cast<JSAMPROW>(surface->pixels) + info.output_scanline * surface->pitch;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    *out = surface;
    return true;
}

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

SurfacePtr DecodeJpeg(const std::filesystem::path& path, std::string& error)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
    {
        error = "cannot open " + path.string();
        return nullptr;
    }
    JpegErrorManager errors{};
    SDL_Surface* surface = nullptr;
    if (!DecodeJpegInto(file.get(), &surface, errors))
    {
        error = path.string() + ": " + (errors.message[0] != 0 ? errors.message : "not a JPEG picture");
        return nullptr;
    }
    return SurfacePtr(surface);
}

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
