#include "FileWriting.h"

#include <cerrno>
#include <cstdio>
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

std::optional<FileError> writeFilePlain(const std::string& path,
                                        std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return lastSystemError("");
    }
    auto failure = writeAll(fd, bytes);
    if (::close(fd) != 0 && !failure) {
        failure = lastSystemError("close");
    }
    return failure;
}

std::optional<FileError> writeFileAtomically(const std::string& path,
                                             std::span<const std::uint8_t> bytes, AtomicWrite how) {
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
