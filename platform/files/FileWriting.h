#pragma once

#include "platform/files/FileError.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace scrivlette {

// Each returns nothing on success, or what went wrong.

// Creates or truncates `path` and writes `bytes` into it: a plain write, which
// a failure can leave half done.
std::optional<FileError> writeFilePlain(const std::string& path,
                                        std::span<const std::uint8_t> bytes);

// How an atomic write treats what is there and the disk.
struct AtomicWrite {
    bool replace = true; // false: fail with EEXIST rather than replace a file
    bool flush = true;   // false: leave flushing to the caller (many small files)
};

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On failure the temporary file is removed and `path`
// is as it was.
std::optional<FileError> writeFileAtomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes,
                                             AtomicWrite how = {});

// A mkstemp/mkdtemp template for a temporary name in the folder of `path`.
std::string temporaryBeside(const std::string& path);

// Writes all of `bytes` to an open descriptor.
std::optional<FileError> writeAll(int fd, std::span<const std::uint8_t> bytes);

// The permission bits new files and folders get: 0666 or 0777 less the
// process's umask.
unsigned defaultFileMode();
unsigned defaultDirectoryMode();

FileError lastSystemError(const std::string& context);

} // namespace scrivlette
