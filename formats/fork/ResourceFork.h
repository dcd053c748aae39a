#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivlette {

struct Resource {
    std::uint32_t type = 0; // a four-character code
    std::int16_t id = 0;
    Bytes data; // a slice of the fork
};

// Reads every resource of a classic Mac OS resource fork, in the order of
// its type list and each type's reference list. Every offset, count and
// length is checked against the fork; reference lists that overlap (a map
// that loops back on itself) are refused rather than read over and over.
Expected<std::vector<Resource>, ReadError> readResourceFork(const Bytes& fork);

} // namespace scrivlette
