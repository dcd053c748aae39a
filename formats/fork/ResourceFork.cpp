#include "ResourceFork.h"

#include "platform/ByteReader.h"

namespace scrivlette {
namespace {

constexpr std::size_t headerSize = 16;
constexpr std::size_t mapHeaderSize = 28; // header copy, handle, file ref, attributes, two offsets
constexpr std::size_t typeItemSize = 8;
constexpr std::size_t referenceSize = 12;

} // namespace

namespace {

ReadError outside(std::size_t at, const char* message) {
    return ReadError{ErrorKind::BadReference, at, message};
}

// Whether [offset, offset + length) lies within `size` bytes.
bool within(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

// The resource a reference at `reference` in the type list points to, its
// bytes a slice of the data area.
Expected<Resource, ReadError> readResource(const ByteReader& typeList, std::size_t reference,
                                           const Bytes& data, const ByteReader& dataArea) {
    const std::size_t at = typeList.fileOffset() + reference;
    const auto id = static_cast<std::int16_t>(typeList.u16At(reference, "resource"));
    const std::uint32_t offset = typeList.u32At(reference + 4, "resource") & 0x00FFFFFF;
    if (!within(offset, 4, data.size())) {
        return outside(at, "resource data outside the data area");
    }
    const std::uint32_t length = dataArea.u32At(offset, "resource data");
    if (!within(offset + 4u, length, data.size())) {
        return outside(at, "resource data outside the data area");
    }
    return Resource{0, id, data.slice(offset + 4u, length)};
}

Expected<std::vector<Resource>, ReadError> readResources(const Bytes& fork) {
    ByteReader header(fork.span());
    if (fork.size() < headerSize) {
        return ReadError{ErrorKind::Truncated, 0, "resource fork too short"};
    }
    const std::uint32_t dataOffset = header.u32("resource fork header");
    const std::uint32_t mapOffset = header.u32("resource fork header");
    const std::uint32_t dataLength = header.u32("resource fork header");
    const std::uint32_t mapLength = header.u32("resource fork header");
    if (!within(dataOffset, dataLength, fork.size()) ||
        !within(mapOffset, mapLength, fork.size()) || mapLength < mapHeaderSize) {
        return outside(0, "resource fork areas lie outside the fork");
    }
    const Bytes data = fork.slice(dataOffset, dataLength);
    const ByteReader dataArea(data.span(), Endian::big, dataOffset);
    const ByteReader map(fork.span().subspan(mapOffset, mapLength), Endian::big, mapOffset);
    const std::uint16_t typeListOffset = map.u16At(24, "resource map");
    if (!within(typeListOffset, 2, mapLength)) {
        return outside(mapOffset + 24, "resource type list outside the map");
    }
    const std::size_t listStart = mapOffset + std::size_t{typeListOffset};
    const ByteReader typeList(fork.span().subspan(listStart, mapLength - typeListOffset),
                              Endian::big, listStart);
    const std::size_t typeCount = (typeList.u16At(0, "resource types") + 1u) & 0xFFFF; // count - 1
    if (!within(2, typeCount * typeItemSize, typeList.size())) {
        return outside(listStart, "resource type count larger than the map");
    }
    // Distinct references each take twelve bytes of the map after the type
    // items; more than fit there means lists that overlap.
    const std::size_t referenceBudget =
        (typeList.size() - 2 - typeCount * typeItemSize) / referenceSize;
    std::size_t referenceTotal = 0;
    std::vector<Resource> resources;
    for (std::size_t t = 0; t < typeCount; ++t) {
        const std::size_t item = 2 + t * typeItemSize;
        const std::uint32_t type = typeList.u32At(item, "resource type");
        const std::size_t count = typeList.u16At(item + 4, "resource type") + 1u;
        const std::uint16_t listOffset = typeList.u16At(item + 6, "resource type");
        if (!within(listOffset, count * referenceSize, typeList.size())) {
            return outside(listStart + item, "resource reference list outside the map");
        }
        referenceTotal += count;
        if (referenceTotal > referenceBudget) {
            return outside(listStart + item, "resource reference lists overlap");
        }
        for (std::size_t r = 0; r < count; ++r) {
            const std::size_t reference = listOffset + r * referenceSize;
            auto resource = readResource(typeList, reference, data, dataArea);
            if (!resource) {
                return resource.error();
            }
            Resource found = std::move(resource).value();
            found.type = type;
            resources.push_back(std::move(found));
        }
    }
    return resources;
}

} // namespace

Expected<std::vector<Resource>, ReadError> readResourceFork(const Bytes& fork) {
    try {
        return readResources(fork);
    } catch (const ReadFailure& failure) {
        return failure.error();
    }
}

} // namespace scrivlette
