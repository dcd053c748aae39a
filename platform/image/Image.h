#pragma once

// Pictures decoded from clippings, for the window, the command-line tool and
// conversion to PNG. No Qt here.

#include "platform/Expected.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette::image {

// Eight bits a channel, red, green, blue, alpha (not premultiplied), rows
// from the top.
struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgba;
};

using ImageResult = Expected<Image, std::string>;

// Bounds on what any picture may claim before a byte is allocated for it.
inline constexpr std::int64_t maxSide = 32768;
inline constexpr std::int64_t maxPixels = std::int64_t{256} * 1024 * 1024;

// Why a picture of this size is refused, or nothing when it is acceptable.
std::optional<std::string> sizeProblem(std::int64_t width, std::int64_t height);

// A transparent picture; the caller has checked the size.
Image blankImage(std::uint32_t width, std::uint32_t height);

} // namespace scrivlette::image
