#pragma once

#include "formats/formatted/PlainText.h"
#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <optional>
#include <string>
#include <string_view>

namespace scrivlette {
namespace formatted {

// The formatted texts, each with a reader of its own.
enum class Formatting { none, rtf, html, webArchive, rtfd };

// What a reader of the formatted text sees, as plain UTF-8 text. `content` is
// its own text where it has one (RTF and HTML in clippings), `data` its bytes.
Expected<PlainText, ReadError> readableText(Formatting formatting, const std::string& content,
                                            const std::optional<Bytes>& data);

} // namespace formatted

using formatted::Formatting;

} // namespace scrivlette
