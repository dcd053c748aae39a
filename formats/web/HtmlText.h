#pragma once

#include "formats/formatted/PlainText.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <string>
#include <string_view>

namespace scrivlette::formatted {

// The text a reader sees in an HTML document: no markup, scripts or styles;
// blocks on lines of their own, runs of white space as one space outside
// <pre>. `encoding` is the document's character set when known ("" lets the
// parser find it). Always valid UTF-8, however deep the nesting: bytes that
// are not of their encoding become U+FFFD. Fails only for an encoding that
// cannot be read. Reads nothing from outside the bytes: no network, no files.
Expected<PlainText, ReadError> htmlText(std::string_view html, const std::string& encoding = "");

} // namespace scrivlette::formatted
