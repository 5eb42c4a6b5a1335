// JPEG pictures: any bytes decode to a picture no larger than the game loads, or are refused
// with a reason; never a crash, never an exit, never a picture reserved from a lying header.
#include "platform/image_codecs.h"
#include "platform/picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace olvane::platform;
    // The first two bytes are always the JPEG signature, so no run is spent on other formats.
    constexpr std::string_view Signature = "\xFF\xD8";
    std::string bytes(Signature);
    if (size > Signature.size())
    {
        bytes.append(reinterpret_cast<const char*>(data) + Signature.size(), size - Signature.size());
    }
    std::string error;
    const SurfacePtr surface = DecodePicture(bytes, error);
    if (!surface)
    {
        if (error.empty())
        {
            std::abort();
        }
        return 0;
    }
    if (surface->w < 1 || surface->h < 1 || surface->w > MaxPictureSide || surface->h > MaxPictureSide)
    {
        std::abort();
    }
    const auto picture = Picture::FromSurface(surface.get());
    if (picture && (picture->Width() != surface->w || picture->Height() != surface->h))
    {
        std::abort();
    }
    return 0;
}
