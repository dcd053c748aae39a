#pragma once

#include "platform/Bytes.h"
#include "platform/plist/Error.h"

namespace scrivlette::plist {

// Reads a "bplist00" file. Data values are slices of `input`.
ParseResult parseBinary(const Bytes& input);

} // namespace scrivlette::plist
