#pragma once

#include <string>

namespace scrivlette {

// What the operating system said when a file could not be read or written.
struct FileError {
    int code = 0; // errno
    std::string message;
};

} // namespace scrivlette
