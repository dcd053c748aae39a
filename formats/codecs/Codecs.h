#pragma once

#include "platform/ReadError.h"

// The general-purpose codecs, each wrapping its Debian library: libjpeg-turbo,
// libpng and libtiff. Sizes are checked against the bounds in Image.h before
// any pixel buffer is made.

#include "platform/image/Image.h"

#include <span>

namespace scrivlette::image {

// With `fit`, libjpeg decodes at 1/2, 1/4 or 1/8 scale where that still
// covers the box, and the rest is shrunk with a box filter.
ImageResult decodeJpeg(std::span<const std::uint8_t> bytes, std::optional<Fit> fit = std::nullopt);
// With `fit`, the picture is decoded whole, then shrunk; its memory is
// checked first.
ImageResult decodePng(std::span<const std::uint8_t> bytes, std::optional<Fit> fit = std::nullopt);
ImageResult decodeTiff(std::span<const std::uint8_t> bytes, std::optional<Fit> fit = std::nullopt);

Expected<std::vector<std::uint8_t>, ReadError> encodePng(const Image& image);

} // namespace scrivlette::image
