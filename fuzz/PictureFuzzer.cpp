// Feeds arbitrary bytes to the PICT decoder: it must give a picture or a
// reason, never crash, hang or allocate past its bounds.
#include "platform/image/Pict.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = scrivlette::image::decodePict({data, size});
    if (result && result->rgba.size() != std::size_t{result->width} * result->height * 4) {
        __builtin_trap();
    }
    return 0;
}
