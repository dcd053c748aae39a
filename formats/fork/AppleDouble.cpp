#include "AppleDouble.h"

#include "platform/ByteReader.h"

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
    const std::uint32_t magic = ByteReader(bytes.span()).u32("magic number");
    return magic == appleDoubleMagic || magic == appleSingleMagic;
}

Expected<AppleDouble, ReadError> readAppleDouble(const Bytes& bytes) {
    if (bytes.size() < headerSize || !looksLikeAppleDouble(bytes)) {
        return ReadError{ErrorKind::UnknownFormat, 0, "not an AppleDouble file"};
    }
    try {
        ByteReader in(bytes.span());
        in.skip(headerSize - 2, "AppleDouble header");
        const std::uint16_t count = in.u16("AppleDouble header");
        if (count > in.remaining() / entrySize) {
            return ReadError{ErrorKind::Truncated, in.position(),
                             "AppleDouble entry table cut short"};
        }
        AppleDouble result;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = in.position();
            const std::uint32_t id = in.u32("AppleDouble entry");
            const std::uint32_t offset = in.u32("AppleDouble entry");
            const std::uint32_t length = in.u32("AppleDouble entry");
            if (offset > bytes.size() || length > bytes.size() - offset) {
                return ReadError{ErrorKind::BadReference, at,
                                 "AppleDouble entry " + std::to_string(id) +
                                     " lies outside the file"};
            }
            const Bytes part = bytes.slice(offset, length);
            if (id == resourceForkEntry) {
                result.resourceFork = part;
            } else if (id == dataForkEntry) {
                result.dataFork = part;
            } else if (id == finderInfoEntry && length >= 8) {
                const ByteReader info(part.span(), Endian::big, offset);
                result.finderInfo =
                    FinderInfo{info.u32At(0, "Finder info"), info.u32At(4, "Finder info")};
            }
        }
        return result;
    } catch (const ReadFailure& failure) {
        return failure.error();
    }
}

} // namespace scrivlette
