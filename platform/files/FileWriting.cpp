#include "FileWriting.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlette {

FileError lastSystemError(const std::string& context) {
    const int code = errno;
    return FileError{code,
                     context.empty() ? std::strerror(code) : context + ": " + std::strerror(code)};
}

namespace {

unsigned processUmask() {
    // umask can only be read by setting it; do that once, at first use.
    static const unsigned mask = [] {
        const mode_t current = ::umask(022);
        ::umask(current);
        return static_cast<unsigned>(current);
    }();
    return mask;
}

} // namespace

std::string temporaryBeside(const std::string& path) {
    // Short and fixed in length, so that any name the final file may have
    // can be written, even one of 255 bytes.
    const std::size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
           ".scrivlette-XXXXXX";
}

unsigned defaultFileMode() {
    return 0666u & ~processUmask();
}

unsigned defaultDirectoryMode() {
    return 0777u & ~processUmask();
}

std::optional<FileError> writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastSystemError("write");
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

std::optional<FileError> placeOutput(const std::string& path, OutputPlace& place, bool folder) {
    place = {OutputPlace::Kind::file, path};
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional(lastSystemError(""));
    }
    struct stat target = link;
    if (S_ISLNK(link.st_mode)) {
        if (::stat(path.c_str(), &target) != 0) {
            // Replacing the link would lose it; creating its target is not what was asked.
            return errno == ENOENT ? FileError{ENOENT, "a symbolic link to nothing"}
                                   : lastSystemError("");
        }
        if (S_ISREG(target.st_mode) || (folder && S_ISDIR(target.st_mode))) {
            char* resolved = ::realpath(path.c_str(), nullptr);
            if (resolved == nullptr) {
                return lastSystemError("");
            }
            place.path = resolved;
            std::free(resolved);
        }
    }
    if (S_ISREG(target.st_mode) || (folder && S_ISDIR(target.st_mode))) {
        return std::nullopt;
    }
    // Standard output, /dev/null or a pipe are natural places to write to;
    // a disk, a socket or a folder never are.
    if (!folder && (S_ISFIFO(target.st_mode) || S_ISCHR(target.st_mode))) {
        place.kind = OutputPlace::Kind::stream;
        return std::nullopt;
    }
    const char* what = S_ISDIR(target.st_mode)    ? "a folder"
                       : S_ISBLK(target.st_mode)  ? "a block device"
                       : S_ISSOCK(target.st_mode) ? "a socket"
                                                  : "not a regular file";
    return FileError{S_ISDIR(target.st_mode) ? EISDIR : EINVAL,
                     std::string(what) + " is there; it is not replaced"};
}

std::optional<FileError> writeIntoStream(const std::string& path,
                                         std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno == ENXIO ? FileError{ENXIO, "a pipe that no program reads"}
                              : lastSystemError("");
    }
    struct stat status {};
    std::optional<FileError> failure;
    if (::fstat(fd, &status) != 0) {
        failure = lastSystemError("");
    } else if (!S_ISFIFO(status.st_mode) && !S_ISCHR(status.st_mode)) {
        failure = FileError{EINVAL, "not a pipe or character device"}; // changed meanwhile
    } else if (const int flags = ::fcntl(fd, F_GETFL);
               flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        failure = lastSystemError("fcntl");
    } else {
        failure = writeAll(fd, bytes);
    }
    if (::close(fd) != 0 && !failure) {
        failure = lastSystemError("close");
    }
    return failure;
}

std::optional<FileError> writeFilePlain(const std::string& path,
                                        std::span<const std::uint8_t> bytes) {
    OutputPlace place;
    if (auto refused = placeOutput(path, place)) {
        return refused;
    }
    if (place.kind == OutputPlace::Kind::stream) {
        return writeIntoStream(place.path, bytes);
    }
    const int fd =
        ::open(place.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return lastSystemError("");
    }
    auto failure = writeAll(fd, bytes);
    if (::close(fd) != 0 && !failure) {
        failure = lastSystemError("close");
    }
    return failure;
}

std::optional<FileError> writeFileAtomically(const std::string& given,
                                             std::span<const std::uint8_t> bytes, AtomicWrite how) {
    OutputPlace place{OutputPlace::Kind::file, given};
    if (how.replace) {
        if (auto refused = placeOutput(given, place)) {
            return refused;
        }
        if (place.kind == OutputPlace::Kind::stream) {
            return writeIntoStream(place.path, bytes);
        }
    }
    const std::string& path = place.path;
    std::string temporary = temporaryBeside(path);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return lastSystemError("");
    }
    auto failure = writeAll(fd, bytes);
    if (!failure && ::fchmod(fd, defaultFileMode()) != 0) {
        failure = lastSystemError("chmod");
    }
    if (!failure && how.flush && ::fsync(fd) != 0) {
        failure = lastSystemError("fsync");
    }
    if (::close(fd) != 0 && !failure) {
        failure = lastSystemError("close");
    }
    // renameat2 with RENAME_NOREPLACE refuses to replace in the same step,
    // so a file that appears meanwhile is never lost.
    if (!failure) {
        const int renamed = how.replace ? ::rename(temporary.c_str(), path.c_str())
                                        : ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD,
                                                      path.c_str(), RENAME_NOREPLACE);
        if (renamed != 0) {
            failure = lastSystemError("");
        }
    }
    if (failure) {
        ::unlink(temporary.c_str());
    }
    return failure;
}

} // namespace scrivlette
