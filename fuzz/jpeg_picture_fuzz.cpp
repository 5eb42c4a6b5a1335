// JPEG pictures through the game's decoder.
#include "picture_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzPicture("\xFF\xD8", data, size);
}
