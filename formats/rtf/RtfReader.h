#pragma once

#include "formats/rtf/RtfDocument.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <string>
#include <string_view>

namespace scrivlette::rtf {

// Groups nested deeper than this make the document unreadable.
inline constexpr std::size_t maxGroupDepth = 512;

// Reads Rich Text Format into styled paragraphs, or says why it cannot:
// input that does not start with "{\rtf", or groups nested past the bound.
// Anything else odd (unbalanced braces, unknown words, cut-short escapes)
// is read as far as it makes sense.
Expected<Document, ReadError> parseRtf(std::string_view input);

} // namespace scrivlette::rtf
