#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace scrivlette::cli {

// A path as the user typed it, made absolute and tidied: what file URLs and
// messages are made from. Nothing for a path no file can have (the empty
// one), or when the working folder is gone.
inline std::optional<std::string> absolutePath(const std::filesystem::path& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    if (error || path.empty()) {
        return std::nullopt;
    }
    return absolute.lexically_normal().string();
}

} // namespace scrivlette::cli
