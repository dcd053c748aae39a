#pragma once

#include "platform/Bytes.h"
#include "platform/plist/Error.h"

namespace scrivlette::plist {

// Reads the old-style ASCII format: { key = value; }, ( a, b ), quoted and
// unquoted strings, <hex data> and comments. A top level of bare
// `key = value;` pairs (a strings file) reads as a dictionary.
ParseResult parseOpenStep(const Bytes& input);

} // namespace scrivlette::plist
