#include "FileWrapper.h"

#include "platform/files/FileWriting.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlette {
namespace {

constexpr unsigned permissionBits = 0777;

void removeTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::optional<FileError> applyAttributes(const std::string& path, const FileWrapper& wrapper) {
    // The archive's modes come from another machine: they may narrow what
    // the user's umask allows, never widen it.
    const unsigned allowed = permissionBits & defaultDirectoryMode();
    if (wrapper.mode && ::chmod(path.c_str(), *wrapper.mode & allowed) != 0) {
        return lastSystemError("chmod");
    }
    if (wrapper.modificationTime) {
        const timespec times[2] = {{0, UTIME_OMIT},
                                   {static_cast<time_t>(*wrapper.modificationTime), 0}};
        if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
            return lastSystemError("set time");
        }
    }
    return std::nullopt;
}

std::optional<FileError> writeRegularFile(const std::string& path, const FileWrapper& wrapper) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                          defaultFileMode());
    if (fd < 0) {
        return lastSystemError("");
    }
    auto failure = writeAll(fd, wrapper.contents.span());
    if (!failure && ::fsync(fd) != 0) {
        failure = lastSystemError("fsync");
    }
    if (::close(fd) != 0 && !failure) {
        failure = lastSystemError("close");
    }
    return failure ? failure : applyAttributes(path, wrapper);
}

// Fills the existing folder `path` with the children of `wrapper`.
std::optional<FileError> writeChildren(const std::string& path, const FileWrapper& wrapper) {
    for (const FileWrapper::Child& child : wrapper.children) {
        if (isUnsafeName(child.name)) {
            return FileError{EINVAL, "unsafe name in package"};
        }
        const std::string childPath = path + "/" + child.name;
        std::optional<FileError> failure;
        switch (child.wrapper.kind) {
        case FileWrapper::Kind::symbolicLink:
            continue; // a link could point anywhere; it is not recreated
        case FileWrapper::Kind::regularFile:
            failure = writeRegularFile(childPath, child.wrapper);
            break;
        case FileWrapper::Kind::directory:
            if (::mkdir(childPath.c_str(), 0777) != 0) {
                return lastSystemError("");
            }
            failure = writeChildren(childPath, child.wrapper);
            if (!failure) {
                failure = applyAttributes(childPath, child.wrapper);
            }
            break;
        }
        if (failure) {
            return failure;
        }
    }
    return std::nullopt;
}

// Puts the finished `temporary` where `path` is, keeping the old one until
// the new one is in place.
std::optional<FileError> moveIntoPlace(const std::string& temporary, const std::string& path) {
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) != 0) {
        if (errno != ENOENT) {
            return lastSystemError("");
        }
        return ::rename(temporary.c_str(), path.c_str()) == 0 ? std::nullopt
                                                              : std::optional(lastSystemError(""));
    }
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        removeTree(temporary); // now holds the old contents
        return std::nullopt;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return lastSystemError("");
    }
    // File systems without the exchange: move the old one aside first.
    const std::string aside = temporary + ".old";
    if (::rename(path.c_str(), aside.c_str()) != 0) {
        return lastSystemError("");
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const FileError failure = lastSystemError("");
        ::rename(aside.c_str(), path.c_str());
        return failure;
    }
    removeTree(aside);
    return std::nullopt;
}

} // namespace

bool isUnsafeName(std::string_view name) {
    return name.empty() || name == "." || name == ".." ||
           name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos;
}

std::optional<FileError> writeWrapperAtomically(const FileWrapper& wrapper, const std::string& path,
                                                AtomicWrite how) {
    switch (wrapper.kind) {
    case FileWrapper::Kind::symbolicLink:
        return FileError{EINVAL, "symbolic links are not written"};
    case FileWrapper::Kind::regularFile: {
        OutputPlace place{OutputPlace::Kind::file, path};
        if (how.replace) {
            if (auto refused = placeOutput(path, place)) {
                return refused;
            }
        }
        if (auto failure = writeFileAtomically(place.path, wrapper.contents.span(), how)) {
            return failure;
        }
        // A stream written into keeps its own modes and times.
        return place.kind == OutputPlace::Kind::file ? applyAttributes(place.path, wrapper)
                                                     : std::nullopt;
    }
    case FileWrapper::Kind::directory:
        break;
    }
    OutputPlace place{OutputPlace::Kind::file, path};
    if (how.replace) {
        if (auto refused = placeOutput(path, place, true)) {
            return refused;
        }
    }
    std::string temporary = temporaryBeside(place.path);
    if (::mkdtemp(temporary.data()) == nullptr) {
        return lastSystemError("");
    }
    auto failure = writeChildren(temporary, wrapper);
    if (!failure && ::chmod(temporary.c_str(), defaultDirectoryMode()) != 0) {
        failure = lastSystemError("chmod");
    }
    if (!failure) {
        failure = applyAttributes(temporary, wrapper);
    }
    if (!failure && !how.replace &&
        ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
        failure = lastSystemError("");
    } else if (!failure && how.replace) {
        failure = moveIntoPlace(temporary, place.path);
    }
    if (failure) {
        removeTree(temporary);
    }
    return failure;
}

} // namespace scrivlette
