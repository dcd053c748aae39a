#pragma once

#include "formats/plist/Error.h"
#include "formats/plist/TextForm.h"
#include "platform/Bytes.h"

namespace scrivlette::plist {

// Reads an XML property list in UTF-8, UTF-16 or UTF-32, with or without a
// byte-order mark. The document type declaration is ignored, so no entity can
// be declared and nothing is ever fetched.
ParseResult parseXml(const Bytes& input);
ParseResult parseXmlText(const TextForm& form);

} // namespace scrivlette::plist
