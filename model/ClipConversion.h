#pragma once

#include "model/ClipDetail.h"
#include "model/ClipWriting.h"
#include "platform/image/Image.h"

#include <optional>
#include <string_view>

namespace scrivlette {

// Files a Linux desktop opens, made from entries it would not: pictures as
// PNG, formatted text (RTF, HTML, web archives, RTFD) as plain UTF-8 text.
enum class Conversion { png, text };

std::optional<Conversion> conversionNamed(std::string_view name); // "png", "text"
// The one conversion an entry offers, if any.
std::optional<Conversion> conversionFor(const ClipDetail& clip);
// The type the converted file has: "public.png" or "public.plain-text".
ContentType convertedType(Conversion conversion);

// The converted bytes, or why the entry does not convert that way.
Expected<Bytes, ReadError> convertClip(const ClipDetail& clip, Conversion conversion);
// A picture as a PNG file's bytes.
Expected<Bytes, ReadError> pngOf(const image::Image& picture);
// Converts and writes atomically; nothing is written when it does not convert.
WriteOutcome writeConvertedTo(const ClipDetail& clip, Conversion conversion,
                              const std::string& path);

} // namespace scrivlette
