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
// is as it was. When replacing, what `path` names is respected: a symbolic
// link is followed (its target is replaced, the link kept), a pipe or
// character device is written into, and a link to nothing, a block device,
// a socket or a folder is refused; none is ever replaced by a file.
std::optional<FileError> writeFileAtomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes,
                                             AtomicWrite how = {});

// Where a write that replaces `path` goes: a regular file (or none yet) at
// the returned path, which is `path` with any symbolic link followed; a
// stream (pipe, character device) to write into; or why neither. A `folder`
// (a package) replaces a folder or a file and never writes into a stream.
struct OutputPlace {
    enum class Kind { file, stream };
    Kind kind = Kind::file;
    std::string path;
};
std::optional<FileError> placeOutput(const std::string& path, OutputPlace& place,
                                     bool folder = false);

// Writes `bytes` into the pipe or character device at `path`; a pipe no
// program reads is refused at once rather than waited on.
std::optional<FileError> writeIntoStream(const std::string& path,
                                         std::span<const std::uint8_t> bytes);

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
