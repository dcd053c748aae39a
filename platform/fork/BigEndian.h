#pragma once

#include "platform/Bytes.h"

#include <cstdint>

namespace scrivlette {

// Reads big-endian integers from bytes whose bounds the caller has checked.
inline std::uint32_t readU32(const Bytes& bytes, std::size_t at) {
    const std::uint8_t* p = bytes.data() + at;
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

inline std::uint16_t readU16(const Bytes& bytes, std::size_t at) {
    const std::uint8_t* p = bytes.data() + at;
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

// True when [offset, offset + length) lies within [0, size).
inline bool within(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

} // namespace scrivlette
