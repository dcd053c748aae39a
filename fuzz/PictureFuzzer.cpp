// Feeds arbitrary bytes to a picture decoder: it must give a picture or a
// reason, never crash, hang or allocate past its budget. Built once per
// format: FUZZ_PICT, FUZZ_JPEG, FUZZ_PNG or FUZZ_TIFF; FUZZ_PICT_FULL draws
// PICTs at full size, for the budget's own paths.
//
// FUZZ_PICT draws into a box of 128 pixels, as thumbnails do: the drawing
// engine's logic is the same at any size, and a canvas of 16 Mi pixels
// painted over 16 times would let it try a hundred inputs a second rather
// than over a thousand.
#include "formats/codecs/Codecs.h"
#include "formats/pict/Pict.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scrivlette::image;
#if defined(FUZZ_JPEG)
    const auto result = decodeJpeg({data, size});
#elif defined(FUZZ_PNG)
    const auto result = decodePng({data, size});
#elif defined(FUZZ_TIFF)
    const auto result = decodeTiff({data, size});
#elif defined(FUZZ_PICT_FULL)
    const auto result = decodePict({data, size});
#else
    const auto result = decodePict({data, size}, Fit{128, 128, 0});
#endif
    if (result && (result->rgba.size() != std::size_t{result->width} * result->height * 4 ||
                   std::int64_t{result->width} * result->height > pixelBudget(size))) {
        __builtin_trap();
    }
#if defined(FUZZ_PICT)
    if (result && (result->width > 128 || result->height > 128)) {
        __builtin_trap(); // drawn larger than the box it was given
    }
#endif
    return 0;
}
