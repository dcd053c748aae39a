#include "AppleDouble.h"

#include "platform/fork/BigEndian.h"

namespace scrivlette {
namespace {

constexpr std::uint32_t appleDoubleMagic = 0x00051607;
constexpr std::uint32_t appleSingleMagic = 0x00051600;
constexpr std::size_t headerSize = 26; // magic, version, 16 filler bytes, entry count
constexpr std::size_t entrySize = 12;
constexpr std::uint32_t dataForkEntry = 1;
constexpr std::uint32_t resourceForkEntry = 2;
constexpr std::uint32_t finderInfoEntry = 9;

} // namespace

bool looksLikeAppleDouble(const Bytes& bytes) {
    if (bytes.size() < 4) {
        return false;
    }
    const std::uint32_t magic = readU32(bytes, 0);
    return magic == appleDoubleMagic || magic == appleSingleMagic;
}

Expected<AppleDouble, std::string> readAppleDouble(const Bytes& bytes) {
    if (bytes.size() < headerSize || !looksLikeAppleDouble(bytes)) {
        return std::string("not an AppleDouble file");
    }
    const std::uint16_t count = readU16(bytes, 24);
    if (!within(headerSize, std::uint64_t{count} * entrySize, bytes.size())) {
        return std::string("AppleDouble entry table cut short");
    }
    AppleDouble result;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = headerSize + i * entrySize;
        const std::uint32_t id = readU32(bytes, at);
        const std::uint32_t offset = readU32(bytes, at + 4);
        const std::uint32_t length = readU32(bytes, at + 8);
        if (!within(offset, length, bytes.size())) {
            return "AppleDouble entry " + std::to_string(id) + " lies outside the file";
        }
        const Bytes part = bytes.slice(offset, length);
        if (id == resourceForkEntry) {
            result.resourceFork = part;
        } else if (id == dataForkEntry) {
            result.dataFork = part;
        } else if (id == finderInfoEntry && length >= 8) {
            result.finderInfo = FinderInfo{readU32(part, 0), readU32(part, 4)};
        }
    }
    return result;
}

} // namespace scrivlette
