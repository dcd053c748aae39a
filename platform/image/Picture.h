#pragma once

#include "platform/Bytes.h"
#include "platform/image/Image.h"

#include <string_view>

namespace scrivlette::image {

// True for the representations that hold a picture the decoder reads.
bool isPictureType(std::string_view typeIdentifier);

// Decodes a picture representation ("public.tiff", "com.apple.pict",
// "public.png", "public.jpeg") to RGBA in sRGB, converted through the profile
// the picture embeds, or says why not.
// With `fit`, a picture larger than it is drawn smaller, its shape kept, and
// the decoder never holds it at full size where it can avoid it (PICT, JPEG).
ImageResult decodePicture(std::string_view typeIdentifier, const Bytes& bytes,
                          std::optional<Fit> fit = std::nullopt);

} // namespace scrivlette::image
