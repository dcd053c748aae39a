#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>

namespace scrivlette {

// Memory for a large file or text taken in small pages costs a fault for
// every 4 KB; the kernel's large pages, where it offers them, one for every
// 2 MB. A hint for a buffer about to be filled; nothing when refused.
inline void askForLargePages(void* buffer, std::size_t size) {
    constexpr std::uintptr_t large = std::uintptr_t{2} << 20;
    const auto start = (reinterpret_cast<std::uintptr_t>(buffer) + large - 1) & ~(large - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(buffer) + size) & ~(large - 1);
    if (end > start) {
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
}

} // namespace scrivlette
