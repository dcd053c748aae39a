#pragma once

// Pictures decoded from clippings, for the window, the command-line tool and
// conversion to PNG. No Qt here.

#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace scrivlette::image {

// Eight bits a channel, red, green, blue, alpha (not premultiplied), rows
// from the top.
struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgba;
    // The ICC profile the pixels are in, as the file embeds it; empty for
    // sRGB or when the file names none.
    std::vector<std::uint8_t> iccProfile;
};

using ImageResult = Expected<Image, ReadError>;

// The box a picture is to be drawn into: a picture larger than it, either
// way, is drawn smaller, its shape kept; a smaller one at its own size.
struct Fit {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // The most memory a decoder may hold for the picture at full size (a
    // progressive JPEG's coefficients, a PNG's rows), or 0 for its usual
    // budget; past it the picture is refused rather than drawn.
    std::size_t memory = 0;
};

// Why a `width` x `height` picture of `bytesPerPixel` would pass `fit`'s
// memory, or nothing.
std::optional<std::string> memoryProblem(std::int64_t width, std::int64_t height,
                                         std::int64_t bytesPerPixel, std::optional<Fit> fit);

// The size a `width` x `height` picture is drawn at within `fit` (none: its
// own size); never less than one pixel either way.
std::pair<std::int64_t, std::int64_t> fittedSize(std::int64_t width, std::int64_t height,
                                                 std::optional<Fit> fit);

// `image` made no larger than `fit`, with a box filter.
Image shrinkToFit(Image image, std::optional<Fit> fit);

// Bounds on what any picture may claim before a byte is allocated for it.
inline constexpr std::int64_t maxSide = 32768;
inline constexpr std::int64_t maxPixels = std::int64_t{256} * 1024 * 1024;

// A picture may be as large as its bytes can justify, so a few hundred bytes
// that claim a vast frame cost no more than an ordinary picture: anything may
// have 16 Mi pixels (a 4,096-pixel square, larger than any screen), and
// beyond that 128 pixels for each byte of the file. Deflate, the best
// squeezer of flat pictures any of our formats uses, stops near 1,000:1, or
// 258 RGBA pixels a byte; real photographs and screenshots hold well under
// 20 pixels a byte.
inline constexpr std::int64_t freePixels = std::int64_t{16} * 1024 * 1024;
inline constexpr std::int64_t pixelsPerByte = 128;
std::int64_t pixelBudget(std::size_t inputBytes);

// Why a picture of this size, read from `inputBytes` bytes, is refused, or
// nothing when it is acceptable.
std::optional<std::string> sizeProblem(std::int64_t width, std::int64_t height,
                                       std::size_t inputBytes);

// A transparent picture; the caller has checked the size.
Image blankImage(std::uint32_t width, std::uint32_t height);

} // namespace scrivlette::image
