#pragma once

// Resource forks and AppleDouble files spelled out byte by byte, for tests.

#include "TestSupport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivlette::test::fork {

inline std::string u32(std::uint32_t v) {
    return bigEndian(v, 4);
}
inline std::string u16(std::uint32_t v) {
    return bigEndian(v, 2);
}

struct Item {
    std::string type; // four characters
    std::int16_t id;
    std::string data;
};

// One type list entry per item, in order (items of one type are not merged).
inline std::string resourceFork(const std::vector<Item>& items) {
    std::string data;
    std::vector<std::uint32_t> offsets;
    for (const Item& item : items) {
        offsets.push_back(static_cast<std::uint32_t>(data.size()));
        data += u32(static_cast<std::uint32_t>(item.data.size())) + item.data;
    }
    const std::size_t typeListSize = 2 + 8 * items.size();
    std::string typeList = u16(static_cast<std::uint32_t>(items.size() - 1));
    std::string references;
    for (std::size_t i = 0; i < items.size(); ++i) {
        typeList += items[i].type + u16(0) +
                    u16(static_cast<std::uint32_t>(typeListSize + references.size()));
        references += u16(static_cast<std::uint16_t>(items[i].id)) + u16(0xFFFF) +
                      std::string(1, '\0') + u32(offsets[i]).substr(1) + u32(0);
    }
    const std::uint32_t dataOffset = 256;
    const auto mapOffset = static_cast<std::uint32_t>(dataOffset + data.size());
    std::string map = std::string(16, '\0') + u32(0) + u16(0) + u16(0) + u16(28) +
                      u16(static_cast<std::uint32_t>(28 + typeList.size() + references.size())) +
                      typeList + references;
    const std::string header = u32(dataOffset) + u32(mapOffset) +
                               u32(static_cast<std::uint32_t>(data.size())) +
                               u32(static_cast<std::uint32_t>(map.size()));
    return header + std::string(dataOffset - header.size(), '\0') + data + map;
}

// An AppleDouble file holding a Finder info ('type', 'crea') and a fork.
inline std::string appleDouble(const std::string& fileType, const std::string& creator,
                               const std::string& fork) {
    const std::uint32_t infoOffset = 26 + 2 * 12;
    const std::uint32_t forkOffset = infoOffset + 32;
    return u32(0x00051607) + u32(0x00020000) + std::string(16, '\0') + u16(2) + u32(9) +
           u32(infoOffset) + u32(32) + u32(2) + u32(forkOffset) +
           u32(static_cast<std::uint32_t>(fork.size())) + fileType + creator +
           std::string(24, '\0') + fork;
}

} // namespace scrivlette::test::fork
