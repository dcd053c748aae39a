// Feeds arbitrary bytes to a picture decoder: it must give a picture or a
// reason, never crash, hang or allocate past its budget. Built once per
// format: FUZZ_PICT, FUZZ_JPEG, FUZZ_PNG or FUZZ_TIFF.
#include "platform/image/Codecs.h"
#include "platform/image/Pict.h"

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
#else
    const auto result = decodePict({data, size});
#endif
    if (result && (result->rgba.size() != std::size_t{result->width} * result->height * 4 ||
                   std::int64_t{result->width} * result->height > pixelBudget(size))) {
        __builtin_trap();
    }
    return 0;
}
