#pragma once

#include "formats/plist/Error.h"
#include "platform/Bytes.h"

namespace scrivlette::plist {

// Reads a "bplist00" file. Data values are slices of `input`.
ParseResult parseBinary(const Bytes& input);

} // namespace scrivlette::plist
