#include "TreeWalk.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace scrivlette::cli {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW;

// The names in the open folder `fd`, sorted; errno is set when not all of
// them could be read.
bool readNames(int fd, std::vector<std::string>& names) {
    const int copy = ::dup(fd);
    DIR* folder = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!folder) {
        if (copy >= 0) {
            ::close(copy);
        }
        return false;
    }
    ::rewinddir(folder);
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            names.emplace_back(entry->d_name);
        }
        errno = 0;
    }
    const int error = errno;
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    errno = error;
    return error == 0;
}

// One folder on the way down: only the folder being read is held open, so
// depth costs no descriptors; going up, ".." is checked to be the folder we
// came from.
struct Level {
    std::vector<std::string> names;
    std::size_t next = 0;
    dev_t device = 0;
    ino_t inode = 0;
    std::size_t pathLength = 0;
    std::size_t relativeLength = 0;
};

std::string reasonOf(int error) {
    return std::strerror(error);
}

} // namespace

namespace {

// Back up to the folder above, which must still be the one come down from:
// false, said to `visitor`, when it is not.
bool ascend(int& fd, const Level& above, const std::string& path, const WalkVisitor& visitor) {
    const int parent = ::openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(fd);
    fd = parent;
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || status.st_dev != above.device ||
        status.st_ino != above.inode) {
        visitor.problem(path.substr(0, above.pathLength),
                        "the folder was moved while it was read; the rest is passed over");
        return false;
    }
    return true;
}

// Down into the folder `entry` is, its names read; false when it cannot be opened.
bool descend(int& fd, std::vector<Level>& levels, WalkEntry& entry, const WalkVisitor& visitor) {
    const int child = ::openat(fd, entry.name.c_str(), folderFlags);
    if (child < 0) {
        visitor.problem(entry.path, "cannot read the folder: " + reasonOf(errno));
        return false;
    }
    Level inner;
    inner.device = entry.status.st_dev;
    inner.inode = entry.status.st_ino;
    inner.pathLength = entry.path.size();
    inner.relativeLength = entry.relativeFolder.size() + entry.name.size() + 1;
    if (!readNames(child, inner.names)) {
        visitor.problem(entry.path, "cannot read the whole folder: " + reasonOf(errno));
    }
    entry.relativeFolder.append(entry.name).append("/");
    ::close(fd);
    fd = child;
    levels.push_back(std::move(inner));
    return true;
}

} // namespace

void walkTree(const std::string& rootPath, const WalkVisitor& visitor) {
    int fd = ::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        visitor.problem(rootPath, "cannot read the folder: " + reasonOf(errno));
        if (fd >= 0) {
            ::close(fd);
        }
        return;
    }
    WalkEntry entry;
    entry.path = rootPath;
    std::vector<Level> levels(1);
    levels.back().device = status.st_dev;
    levels.back().inode = status.st_ino;
    levels.back().pathLength = rootPath.size();
    if (!readNames(fd, levels.back().names)) {
        visitor.problem(rootPath, "cannot read the whole folder: " + reasonOf(errno));
    }
    while (true) {
        Level& level = levels.back();
        if (level.next == level.names.size()) {
            levels.pop_back();
            if (levels.empty() || !ascend(fd, levels.back(), entry.path, visitor)) {
                break;
            }
            continue;
        }
        entry.name = level.names[level.next++];
        entry.path.resize(level.pathLength);
        entry.path.append("/").append(entry.name);
        entry.relativeFolder.resize(level.relativeLength);
        entry.folder = fd;
        if (::fstatat(fd, entry.name.c_str(), &entry.status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) { // gone meanwhile: nothing to pass over
                visitor.problem(entry.path, "cannot examine it: " + reasonOf(errno));
            }
        } else if (!S_ISDIR(entry.status.st_mode)) {
            visitor.visit(entry);
        } else if (visitor.enter(entry)) {
            descend(fd, levels, entry, visitor);
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
}

} // namespace scrivlette::cli
