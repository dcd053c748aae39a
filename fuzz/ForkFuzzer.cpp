// libFuzzer entry for the AppleDouble and resource-fork readers: whatever
// they accept must lie inside the input.

#include "formats/fork/AppleDouble.h"
#include "formats/fork/ResourceFork.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace scrivlette;

namespace {

void checkInside(const Bytes& part, const Bytes& whole) {
    if (!part.empty() &&
        (part.data() < whole.data() || part.data() + part.size() > whole.data() + whole.size())) {
        __builtin_trap();
    }
}

void readFork(const Bytes& fork, const Bytes& whole) {
    const auto resources = readResourceFork(fork);
    if (resources) {
        for (const Resource& resource : *resources) {
            checkInside(resource.data, whole);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const Bytes input = Bytes::copyOf(std::span<const std::uint8_t>(bytes, size));
    if (looksLikeAppleDouble(input)) {
        const auto contents = readAppleDouble(input);
        if (contents && contents->resourceFork) {
            checkInside(*contents->resourceFork, input);
            readFork(*contents->resourceFork, input);
        }
        return 0;
    }
    readFork(input, input);
    return 0;
}
