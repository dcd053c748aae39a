#pragma once

#include "platform/Bytes.h"
#include "platform/plist/Error.h"

namespace scrivlette::plist {

// Reads an XML property list in UTF-8 (with or without a byte-order mark) or
// UTF-16. The document type declaration is ignored, so no entity can be
// declared and nothing is ever fetched.
ParseResult parseXml(const Bytes& input);

} // namespace scrivlette::plist
