#pragma once

// Walks a folder tree through directory descriptors: linear in the number of
// entries, never following a link, and with no limit on how long a path gets.

#include <functional>
#include <string>
#include <sys/stat.h>

namespace scrivlette::cli {

struct WalkEntry {
    int folder = -1;            // an open descriptor of the folder holding it
    std::string name;           // its name in that folder
    std::string path;           // the whole path, for messages
    std::string relativeFolder; // its folder under the root, "" or "a/b/"
    struct stat status {};      // of the entry itself, not of what it links to
};

struct WalkVisitor {
    // Whether to go into a folder.
    std::function<bool(const WalkEntry&)> enter;
    // Every entry that is not a folder.
    std::function<void(const WalkEntry&)> visit;
    // A folder or entry that could not be read, and why.
    std::function<void(const std::string& path, const std::string& reason)> problem;
};

// Walks the folder at `rootPath` and everything under it, each folder in byte
// order of names.
void walkTree(const std::string& rootPath, const WalkVisitor& visitor);

} // namespace scrivlette::cli
