#pragma once

#include <string>
#include <string_view>

namespace scrivlette::formatted {

// The text a reader sees in an HTML document: no markup, scripts or styles;
// blocks on lines of their own, runs of white space as one space outside
// <pre>. `encoding` is the document's character set when known ("" lets the
// parser find it). Reads nothing from outside the bytes: no network, no files.
std::string htmlText(std::string_view html, const std::string& encoding = "");

} // namespace scrivlette::formatted
