#pragma once

#include <cstdint>
#include <span>

namespace scrivlette::image {

// Unpacks Apple's PackBits run-length code into exactly `out.size()` bytes.
// `unit` is 1, or 2 when runs repeat 16-bit words (16-bit direct pixels).
// Throws ReadFailure when the input ends early or overruns `out`.
void unpackBits(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out,
                std::size_t unit = 1);

} // namespace scrivlette::image
