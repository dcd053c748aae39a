#pragma once

// Serialized file wrappers spelled out byte by byte, for tests.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace scrivlette::test::flat {

inline std::string u32(std::uint32_t value) {
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}

// A size in the padded form: 0x80000000, the size, a pad count, the padding.
inline std::string paddedSize(std::uint32_t size, std::uint32_t padding) {
    return u32(0x80000000) + u32(size) + u32(padding) + std::string(padding, '\0');
}

inline std::string dataObject(const std::string& bytes) {
    return u32(1) + u32(static_cast<std::uint32_t>(bytes.size())) + bytes;
}

inline std::string dictionary(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string out = u32(3) + u32(static_cast<std::uint32_t>(entries.size()));
    for (const auto& [key, value] : entries) {
        out += u32(static_cast<std::uint32_t>(key.size())) + key;
    }
    for (const auto& [key, value] : entries) {
        out += u32(static_cast<std::uint32_t>(value.size()));
    }
    for (const auto& [key, value] : entries) {
        out += value;
    }
    return out;
}

struct Info {
    std::string name;
    std::uint32_t time = 0;
    std::uint32_t mode = 0644;
    std::uint32_t flags = 0;
};

// The "." entry of a folder.
inline std::string info(const std::vector<Info>& children) {
    std::string out = u32(static_cast<std::uint32_t>(children.size()));
    for (const Info& child : children) {
        out += u32(static_cast<std::uint32_t>(child.name.size())) + child.name;
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        out += u32(16);
    }
    for (const Info& child : children) {
        out += u32(child.time) + u32(child.mode) + u32(child.flags) + u32(0);
    }
    return dataObject(out);
}

inline std::string wrapper(const std::string& object) {
    return "rtfd" + u32(0) + object;
}

} // namespace scrivlette::test::flat
