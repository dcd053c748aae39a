#pragma once

// The property-list reader: one entry point for all three formats.

#include "formats/plist/Error.h"
#include "formats/plist/Node.h"
#include "platform/Bytes.h"

namespace scrivlette::plist {

// Parses binary, XML or OpenStep property lists, whichever `input` holds.
// Binary data values are slices of `input`, never copies.
ParseResult parse(const Bytes& input);

} // namespace scrivlette::plist
