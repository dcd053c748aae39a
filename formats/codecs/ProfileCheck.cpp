#include "ProfileCheck.h"

#include "platform/ByteReader.h"

namespace scrivlette::image {
namespace {

constexpr std::uint32_t signature(const char (&text)[5]) {
    return std::uint32_t(std::uint8_t(text[0])) << 24 | std::uint32_t(std::uint8_t(text[1])) << 16 |
           std::uint32_t(std::uint8_t(text[2])) << 8 | std::uint32_t(std::uint8_t(text[3]));
}

// The grid of a colour lookup table: points^inputs entries of `outputs`
// values, or nothing when it passes `limit` bytes.
std::optional<std::uint64_t> gridBytes(const std::uint8_t* points, std::size_t inputs,
                                       std::uint64_t outputs, std::uint64_t bytesPerValue,
                                       std::uint64_t limit) {
    std::uint64_t total = outputs * bytesPerValue;
    for (std::size_t i = 0; i < inputs; ++i) {
        total *= points[i];
        if (total > limit) {
            return std::nullopt;
        }
    }
    return total;
}

// The bytes a lut8 or lut16 table needs: its tables and grid.
std::optional<std::uint64_t> lutNeeds(const ByteReader& tag, bool sixteen) {
    const std::size_t inputs = tag.slice(8, 1, "lut")[0];
    const std::size_t outputs = tag.slice(9, 1, "lut")[0];
    const std::uint8_t points = tag.slice(10, 1, "lut")[0];
    if (inputs == 0 || inputs > 15 || outputs == 0 || outputs > 15) {
        return std::nullopt;
    }
    std::uint64_t tables = 256 * (inputs + outputs);
    std::uint64_t header = 48;
    if (sixteen) {
        tables = (std::uint64_t{tag.u16At(48, "lut")} * inputs +
                  std::uint64_t{tag.u16At(50, "lut")} * outputs) *
                 2;
        header = 52;
    }
    const std::uint8_t grid[15] = {points, points, points, points, points, points, points, points,
                                   points, points, points, points, points, points, points};
    const auto bytes = gridBytes(grid, inputs, outputs, sixteen ? 2 : 1, tag.size());
    return bytes ? std::optional(header + tables + *bytes) : std::nullopt;
}

// The bytes an lutAtoB or lutBtoA table's grid needs, from its offset.
std::optional<std::uint64_t> multiNeeds(const ByteReader& tag) {
    const std::size_t inputs = tag.slice(8, 1, "lut")[0];
    const std::size_t outputs = tag.slice(9, 1, "lut")[0];
    const std::uint32_t clut = tag.u32At(24, "lut");
    if (inputs == 0 || inputs > 15 || outputs == 0 || outputs > 15) {
        return std::nullopt;
    }
    if (clut == 0) {
        return 32;
    }
    const auto points = tag.slice(clut, 20, "lut");
    const std::uint8_t precision = points[16];
    if (precision != 1 && precision != 2) {
        return std::nullopt;
    }
    const auto bytes = gridBytes(points.data(), inputs, outputs, precision, tag.size());
    return bytes ? std::optional(std::uint64_t{clut} + 20 + *bytes) : std::nullopt;
}

// Whether one tag's table fits in its bytes; tags of other types are
// Little CMS's to read, and need no more than they hold.
bool tagFits(const ByteReader& tag) {
    if (tag.size() < 12) {
        return true;
    }
    std::optional<std::uint64_t> needs = 0;
    switch (tag.u32At(0, "tag")) {
    case signature("mft1"):
        needs = lutNeeds(tag, false);
        break;
    case signature("mft2"):
        needs = lutNeeds(tag, true);
        break;
    case signature("mAB "):
    case signature("mBA "):
        needs = multiNeeds(tag);
        break;
    case signature("curv"):
        needs = 12 + std::uint64_t{tag.u32At(8, "curve")} * 2;
        break;
    default:
        break;
    }
    return needs && *needs <= tag.size();
}

} // namespace

std::optional<std::string> implausibleProfile(std::span<const std::uint8_t> profile) {
    try {
        const ByteReader in(profile);
        const std::uint32_t count = in.u32At(128, "tag table");
        if (count > (profile.size() - 132) / 12) {
            return "a tag table longer than the profile";
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = 132 + std::size_t{i} * 12;
            const ByteReader tag(
                in.slice(in.u32At(entry + 4, "tag"), in.u32At(entry + 8, "tag"), "tag"));
            if (!tagFits(tag)) {
                return "a lookup table larger than its tag";
            }
        }
    } catch (const ReadFailure& failure) {
        return failure.what();
    }
    return std::nullopt;
}

} // namespace scrivlette::image
