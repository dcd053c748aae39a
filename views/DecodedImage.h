#pragma once

#include "platform/Bytes.h"
#include "platform/image/Image.h"

#include <QImage>
#include <string_view>

namespace scrivlette {

// The decoder's RGBA pixels as an image Qt can draw.
QImage toQImage(const image::Image& decoded);

// A file a document carries, as a picture: what our decoder reads (PICT,
// TIFF, PNG, JPEG, known by the name's extension) through it, colour-managed
// and no larger than `fit`; anything else through Qt's readers. Null when
// neither can.
QImage attachedImage(std::string_view name, const Bytes& bytes, image::Fit fit);

} // namespace scrivlette
