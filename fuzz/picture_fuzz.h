#pragma once

#include "platform/image_codecs.h"
#include "platform/picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

/// Any bytes behind a picture format's signature decode to a picture no larger than the game
/// loads, or are refused with a reason; never a crash, an exit, or a picture reserved from a
/// lying header. The signature is always put first, so no run is spent on other formats.
inline int FuzzPicture(std::string_view signature, const std::uint8_t* data, std::size_t size)
{
    using namespace olvane::platform;
    std::string bytes(signature);
    if (size > signature.size())
    {
        bytes.append(reinterpret_cast<const char*>(data) + signature.size(), size - signature.size());
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
