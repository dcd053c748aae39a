#pragma once

// The general-purpose codecs, each wrapping its Debian library: libjpeg-turbo,
// libpng and libtiff. Sizes are checked against the bounds in Image.h before
// any pixel buffer is made.

#include "platform/image/Image.h"

#include <span>

namespace scrivlette::image {

ImageResult decodeJpeg(std::span<const std::uint8_t> bytes);
ImageResult decodePng(std::span<const std::uint8_t> bytes);
ImageResult decodeTiff(std::span<const std::uint8_t> bytes);

Expected<std::vector<std::uint8_t>, std::string> encodePng(const Image& image);

} // namespace scrivlette::image
