#pragma once

#include "platform/ByteReader.h"
#include "platform/image/Budget.h"
#include "platform/image/Canvas.h"

namespace scrivlette::image {

// Draws the image of a PICT's compressed QuickTime opcode (0x8200), whose data
// `in` holds: matrix, matte and mask, image description, then the image in
// one of the codecs clippings use: 'raw ', 'jpeg', 'png ' or 'tiff'.
void drawQuickTimeImage(ByteReader& in, Canvas& canvas);

} // namespace scrivlette::image
