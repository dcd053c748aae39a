#pragma once

#include "formats/plist/Node.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <cstddef>
#include <string>

namespace scrivlette::plist {

// The property-list readers' faults, in the terms every reader uses.
using ErrorKind = scrivlette::ErrorKind;
using Error = ReadError;

using ParseResult = Expected<NodePtr, Error>;

// Containers nested deeper than this are refused in every format.
inline constexpr std::size_t maxNestingDepth = 512;

} // namespace scrivlette::plist
