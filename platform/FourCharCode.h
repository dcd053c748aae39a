#pragma once

#include <cstdint>

namespace scrivlette {

// A classic Mac OS four-character code ('clpt', 'RTF ') as the big-endian
// number the files store.
constexpr std::uint32_t fourCharCode(const char (&code)[5]) {
    return std::uint32_t(static_cast<unsigned char>(code[0])) << 24 |
           std::uint32_t(static_cast<unsigned char>(code[1])) << 16 |
           std::uint32_t(static_cast<unsigned char>(code[2])) << 8 |
           std::uint32_t(static_cast<unsigned char>(code[3]));
}

} // namespace scrivlette
