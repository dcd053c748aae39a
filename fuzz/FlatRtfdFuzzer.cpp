// libFuzzer entry for the serialized file-wrapper reader. Whatever it
// accepts must hold only safe names, all the way down.

#include "formats/rtfd/FlatRtfd.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace scrivlette;

namespace {

void check(const FileWrapper& wrapper, std::size_t depth) {
    if (depth > maxWrapperDepth + 1) {
        __builtin_trap();
    }
    for (const auto& child : wrapper.children) {
        if (isUnsafeName(child.name)) {
            __builtin_trap();
        }
        check(child.wrapper, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const auto wrapper = readFlatRtfd(Bytes::copyOf(std::span<const std::uint8_t>(bytes, size)));
    if (wrapper) {
        check(*wrapper, 0);
    } else if (wrapper.error().message.empty()) {
        __builtin_trap();
    }
    return 0;
}
