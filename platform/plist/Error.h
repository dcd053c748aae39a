#pragma once

#include "platform/Expected.h"
#include "platform/plist/Node.h"

#include <cstddef>
#include <string>

namespace scrivlette::plist {

enum class ErrorKind {
    Empty,         // no bytes, or nothing but whitespace
    UnknownFormat, // not binary, XML or OpenStep
    Truncated,     // the bytes end inside an object
    Malformed,     // structure the format does not allow
    BadReference,  // a binary object reference or offset outside the file
    Cycle,         // a binary container that contains itself
    TooDeep,       // containers nested past the bound
    InvalidText,   // a string that is not valid in its encoding
    InvalidData,   // data that is not valid base64 or hex
    Unsupported,   // a valid object that is no property-list type
};

struct Error {
    ErrorKind kind;
    std::size_t offset; // byte offset into the input where the fault was found
    std::string message;

    // One line: "<message> at byte <offset>".
    std::string describe() const;
};

using ParseResult = Expected<NodePtr, Error>;

// Containers nested deeper than this are refused in every format.
inline constexpr std::size_t maxNestingDepth = 512;

} // namespace scrivlette::plist
