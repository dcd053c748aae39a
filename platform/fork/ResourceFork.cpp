#include "ResourceFork.h"

#include "platform/fork/BigEndian.h"

namespace scrivlette {
namespace {

constexpr std::size_t headerSize = 16;
constexpr std::size_t mapHeaderSize = 28; // header copy, handle, file ref, attributes, two offsets
constexpr std::size_t typeItemSize = 8;
constexpr std::size_t referenceSize = 12;

} // namespace

Expected<std::vector<Resource>, std::string> readResourceFork(const Bytes& fork) {
    if (fork.size() < headerSize) {
        return std::string("resource fork too short");
    }
    const std::uint32_t dataOffset = readU32(fork, 0);
    const std::uint32_t mapOffset = readU32(fork, 4);
    const std::uint32_t dataLength = readU32(fork, 8);
    const std::uint32_t mapLength = readU32(fork, 12);
    if (!within(dataOffset, dataLength, fork.size()) ||
        !within(mapOffset, mapLength, fork.size()) || mapLength < mapHeaderSize) {
        return std::string("resource fork areas lie outside the fork");
    }
    const Bytes data = fork.slice(dataOffset, dataLength);
    const Bytes map = fork.slice(mapOffset, mapLength);
    const std::uint16_t typeListOffset = readU16(map, 24);
    if (!within(typeListOffset, 2, map.size())) {
        return std::string("resource type list outside the map");
    }
    const Bytes typeList = map.slice(typeListOffset, map.size() - typeListOffset);
    const std::size_t typeCount = (readU16(typeList, 0) + 1u) & 0xFFFF; // stored as count - 1
    if (!within(2, typeCount * typeItemSize, typeList.size())) {
        return std::string("resource type count larger than the map");
    }
    // Distinct references each take twelve bytes of the map after the type
    // items; more than fit there means lists that overlap.
    const std::size_t referenceBudget =
        (typeList.size() - 2 - typeCount * typeItemSize) / referenceSize;
    std::size_t referenceTotal = 0;
    std::vector<Resource> resources;
    for (std::size_t t = 0; t < typeCount; ++t) {
        const std::size_t item = 2 + t * typeItemSize;
        const std::uint32_t type = readU32(typeList, item);
        const std::size_t count = readU16(typeList, item + 4) + 1u;
        const std::uint16_t listOffset = readU16(typeList, item + 6);
        if (!within(listOffset, count * referenceSize, typeList.size())) {
            return std::string("resource reference list outside the map");
        }
        referenceTotal += count;
        if (referenceTotal > referenceBudget) {
            return std::string("resource reference lists overlap");
        }
        for (std::size_t r = 0; r < count; ++r) {
            const std::size_t reference = listOffset + r * referenceSize;
            const auto id = static_cast<std::int16_t>(readU16(typeList, reference));
            const std::uint32_t offset = readU32(typeList, reference + 4) & 0x00FFFFFF;
            if (!within(offset, 4, data.size()) ||
                !within(offset + 4u, readU32(data, offset), data.size())) {
                return std::string("resource data outside the data area");
            }
            resources.push_back({type, id, data.slice(offset + 4u, readU32(data, offset))});
        }
    }
    return resources;
}

} // namespace scrivlette
