#pragma once

#include <cstdint>

namespace scrivlette::image {

// A 16-bit QuickDraw pixel, x RRRRR GGGGG BBBBB (big-endian in `in`), as
// opaque RGBA; each five-bit channel is widened by repeating its top bits.
inline void rgb555ToRgba(const std::uint8_t* in, std::uint8_t* out) {
    const unsigned value = unsigned(in[0]) << 8 | in[1];
    const auto expand = [](unsigned five) {
        return static_cast<std::uint8_t>(five << 3 | five >> 2);
    };
    out[0] = expand(value >> 10 & 0x1F);
    out[1] = expand(value >> 5 & 0x1F);
    out[2] = expand(value & 0x1F);
    out[3] = 255;
}

} // namespace scrivlette::image
