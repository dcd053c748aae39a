#pragma once

#include "platform/ReadError.h"

#include <cerrno>
#include <string>

namespace scrivlette {

// What the operating system said when a file could not be read or written.
struct FileError {
    int code = 0; // errno
    std::string message;
};

// The kind of failure a system error is.
inline ErrorKind kindOf(const FileError& error) {
    switch (error.code) {
    case ENOENT:
    case ENOTDIR:
        return ErrorKind::NotFound;
    case EACCES:
    case EPERM:
        return ErrorKind::NoPermission;
    case EISDIR:
    case EINVAL:
    case ENXIO:
        return ErrorKind::NotAFile;
    default:
        return ErrorKind::FileSystem;
    }
}

} // namespace scrivlette
