#pragma once

#include "platform/image/Image.h"

#include <cstdint>
#include <span>

namespace scrivlette::image {

// Draws a QuickDraw picture (PICT, version 1 or 2, without the 512-byte file
// header that clippings leave out): its bitmaps, pixel maps and
// QuickTime-compressed images ('raw ', 'jpeg', 'png ', 'tiff'). Lines, shapes
// and text are not drawn; a picture holding nothing else is refused.
ImageResult decodePict(std::span<const std::uint8_t> bytes, std::optional<Fit> fit = std::nullopt);

} // namespace scrivlette::image
