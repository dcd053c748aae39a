#pragma once

#include <string>
#include <string_view>

namespace scrivlette::rtf {

// Decodes bytes of a Windows or Mac code page to UTF-8. Double-byte pages
// (932, 936, 949, 950) are decoded as a whole run, so pass a lead byte and
// its trail byte together. Bytes the page cannot map become U+FFFD.
std::string decodeCodePage(std::string_view bytes, int codePage);

// The code page of an RTF \fcharset value, or 0 when it names none.
int codePageOfCharset(int charset);

} // namespace scrivlette::rtf
