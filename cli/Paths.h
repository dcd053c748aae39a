#pragma once

#include <filesystem>
#include <string>

namespace scrivlette::cli {

// A path as the user typed it, made absolute and tidied: what file URLs and
// messages are made from.
inline std::string absolutePath(const std::filesystem::path& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace scrivlette::cli
