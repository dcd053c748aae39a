#pragma once

#include "platform/Bytes.h"
#include "platform/files/FileError.h"
#include "platform/files/FileWriting.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette {

// A file or a folder of files, held in memory: what a serialized file
// wrapper ("com.apple.flat-rtfd") unpacks to.
struct FileWrapper {
    enum class Kind { directory, regularFile, symbolicLink };

    struct Child;

    Kind kind = Kind::directory;
    Bytes contents;              // a file's bytes, or a link's target
    std::vector<Child> children; // a directory's entries, in stored order
    std::optional<std::uint32_t> mode;
    std::optional<std::int64_t> modificationTime; // seconds since 1970
    std::string preferredName;
};

struct FileWrapper::Child {
    std::string name;
    FileWrapper wrapper;
};

// A name that could leave the folder it is written into, or that names no
// file at all: empty, ".", "..", or holding "/" or NUL.
bool isUnsafeName(std::string_view name);

// Writes `wrapper` to `path` as a whole: a folder is built beside `path` under
// a temporary name and moved into place only once complete, replacing what was
// there (or, with `how.replace` false, failing with EEXIST if anything is); a
// failure leaves the old file or folder untouched and nothing half written.
// Symbolic links are not created; modes keep only the permission bits the
// process's umask allows, never set-user-ID, set-group-ID or sticky.
std::optional<FileError> writeWrapperAtomically(const FileWrapper& wrapper, const std::string& path,
                                                AtomicWrite how = {});

} // namespace scrivlette
