// Arbitrary bytes as the thumbnail colour image: the PNG decoder must refuse or decode, never
// crash, overrun or allocate without bound.

#include "images/PngFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto pixels = gr2::decodePngPixels(std::span<const uint8_t>(data, size), 1u << 20);
    if (pixels) {
        volatile uint32_t sum = 0;
        for (uint32_t p : *pixels)
            sum = sum + p;
    }
    return 0;
}
