#pragma once

#include "formats/fork/AppleDouble.h"
#include "platform/Bytes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette {

// What travels beside a file copied off a Mac: its resource fork and its
// Finder info, from whichever companion file holds them.
struct Companion {
    std::optional<Bytes> resourceFork;
    std::string resourceForkPath;
    std::optional<FinderInfo> finderInfo;
};

// A name only companions have: `._NAME` or `NAME.rsrc`.
bool isCompanionName(std::string_view name);

// A folder only companions live in: `.AppleDouble` or `__MACOSX`.
bool isCompanionFolder(std::string_view name);

// Looks, in this order, for `._NAME` beside the file, `__MACOSX/<path>/._NAME`
// in any folder above it that holds a `__MACOSX` tree, `.AppleDouble/NAME`
// beside it, and `NAME.rsrc` beside it (AppleDouble or a bare fork). Takes the
// first fork and the first Finder info found. `looked`, when given, receives
// every place tried, for telling the user where to look.
Companion findCompanion(const std::string& path, std::vector<std::string>* looked = nullptr);

} // namespace scrivlette
