#include "FileReading.h"

#include "platform/LargePages.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlette {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileError systemError() {
    return FileError{errno, std::strerror(errno)};
}

} // namespace

Expected<Bytes, FileError> readWholeFile(const std::string& path) {
    // O_NONBLOCK keeps open() itself from waiting on a FIFO with no writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) {
        return systemError();
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return systemError();
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError{S_ISDIR(status.st_mode) ? EISDIR : EINVAL, "not a regular file"};
    }
    // The size can change while we read; read to the end whatever it becomes.
    std::size_t capacity = static_cast<std::size_t>(status.st_size) + 1;
    auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
    askForLargePages(buffer.get(), capacity);
    std::size_t size = 0;
    while (true) {
        if (size == capacity) {
            const std::size_t grown = capacity * 2;
            auto larger = std::make_unique_for_overwrite<std::uint8_t[]>(grown);
            std::memcpy(larger.get(), buffer.get(), size);
            buffer = std::move(larger);
            capacity = grown;
        }
        const ssize_t got = ::read(file.get(), buffer.get() + size, capacity - size);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemError();
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
    }
    return Bytes::adopt(std::shared_ptr<const std::uint8_t[]>(std::move(buffer)), size);
}

} // namespace scrivlette
