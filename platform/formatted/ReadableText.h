#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/Representations.h"
#include "platform/formatted/PlainText.h"

#include <optional>
#include <string>
#include <string_view>

namespace scrivlette::formatted {

// True for the formatted representations: RTF, HTML, web archives, RTFD.
bool isFormattedType(std::string_view typeIdentifier);

// Which reader a representation needs; none for all but the formatted ones.
Formatting formattingOf(std::string_view typeIdentifier);

// What a reader of the formatted representation sees, as plain UTF-8 text.
// `content` is the representation's own text where it has one (RTF and HTML
// in clippings), `data` its bytes.
Expected<PlainText, std::string> readableText(std::string_view typeIdentifier,
                                              const std::string& content,
                                              const std::optional<Bytes>& data);

} // namespace scrivlette::formatted
