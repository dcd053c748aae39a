#pragma once

#include "platform/image/Image.h"

#include <cstdint>
#include <span>

namespace scrivlette::image {

// Draws a QuickDraw picture (PICT, version 1 or 2, without the 512-byte file
// header that clippings leave out): its bitmaps and pixel maps, its
// QuickTime-compressed images ('raw ', 'jpeg', 'png ', 'tiff'), its lines,
// shapes (rectangles, rounded rectangles, ovals, arcs, polygons, regions, in
// all five verbs, with patterns, pen modes and clipping) and its text, in the
// fonts the desktop has; with the ICC profile ColorSync stored in it. A
// picture that draws nothing is refused.
ImageResult decodePict(std::span<const std::uint8_t> bytes, std::optional<Fit> fit = std::nullopt);

} // namespace scrivlette::image
