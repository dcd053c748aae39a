#pragma once

#include "platform/Bytes.h"
#include "platform/image/Image.h"

#include <string_view>

namespace scrivlette {
namespace image {

// The picture formats the decoder reads.
enum class PictureFormat { none, tiff, pict, png, jpeg };

// Decodes a picture to RGBA in sRGB, converted through the profile it
// embeds, or says why not.
// With `fit`, a picture larger than it is drawn smaller, its shape kept, and
// the decoder never holds it at full size where it can avoid it (PICT, JPEG).
ImageResult decodePicture(PictureFormat format, const Bytes& bytes,
                          std::optional<Fit> fit = std::nullopt);

} // namespace image

using image::PictureFormat;

} // namespace scrivlette
