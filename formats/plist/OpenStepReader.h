#pragma once

#include "formats/plist/Error.h"
#include "formats/plist/TextForm.h"
#include "platform/Bytes.h"

namespace scrivlette::plist {

// Reads the old-style ASCII format: { key = value; }, ( a, b ), quoted and
// unquoted strings, <hex data> and comments. A top level of bare
// `key = value;` pairs (a strings file) reads as a dictionary.
// UTF-8, UTF-16 and UTF-32 input all read. Octal escapes above \177 name
// NeXTSTEP characters.
ParseResult parseOpenStep(const Bytes& input);
ParseResult parseOpenStepText(const TextForm& form);

} // namespace scrivlette::plist
