#include "TextDecoding.h"

#include "platform/LargePages.h"

#include <array>
#include <bit>
#include <cstring>

namespace scrivlette {
namespace {

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The upper half of Mac OS Roman as macOS maps it (glibc's MACINTOSH table
// differs at 0xC6 and 0xF0, so it is spelled out here).
constexpr std::array<char16_t, 128> macRomanUpperHalf = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // F8
};

template <bool littleEndian> char32_t unitAt(const std::uint8_t* bytes, std::size_t i) {
    const std::uint8_t first = bytes[2 * i];
    const std::uint8_t second = bytes[2 * i + 1];
    return littleEndian ? char32_t(first | (second << 8)) : char32_t((first << 8) | second);
}

constexpr std::uint64_t lanes(std::uint16_t value) {
    return value * 0x0001000100010001u;
}

// 1 in each 16-bit lane of `x` that is not zero, 0 in the others.
constexpr std::uint64_t nonzeroLanes(std::uint64_t x) {
    const std::uint64_t low = lanes(0x7FFF);
    return ((((x & low) + low) | x) >> 15) & lanes(1);
}

// How many UTF-8 bytes the units take beyond one each, and whether any is a
// surrogate: a first pass, four units at a time in one 64-bit word, so the
// text is then written once into a string of its size.
template <bool littleEndian>
std::size_t extraUtf8Bytes(const std::uint8_t* bytes, std::size_t units, bool& surrogates) {
    // A unit's masks as its bytes lie in a word read from memory.
    const auto mask = [](std::uint16_t m) {
        return lanes(littleEndian ? m : std::uint16_t(m >> 8 | m << 8));
    };
    std::size_t extra = 0;
    std::uint64_t found = 0;
    std::size_t i = 0;
    while (i + 4 <= units) {
        std::uint64_t counts = 0; // four lanes of counts, summed before they can overflow
        for (std::size_t block = 0; block < 8192 && i + 4 <= units; ++block, i += 4) {
            std::uint64_t four = 0;
            std::memcpy(&four, bytes + 2 * i, 8);
            counts += nonzeroLanes(four & mask(0xFF80)) + nonzeroLanes(four & mask(0xF800));
            found |= lanes(1) ^ nonzeroLanes((four & mask(0xF800)) ^ mask(0xD800));
        }
        for (int lane = 0; lane < 4; ++lane) {
            extra += (counts >> (16 * lane)) & 0xFFFF;
        }
    }
    for (; i < units; ++i) {
        const char32_t unit = unitAt<littleEndian>(bytes, i);
        extra += std::size_t(unit >= 0x80) + std::size_t(unit >= 0x800);
        found |= unsigned((unit & 0xF800) == 0xD800);
    }
    surrogates = found != 0;
    return extra;
}

// Writes `c` as UTF-8 at `at`; returns where it ends.
std::uint8_t* encodeUtf8(char32_t c, std::uint8_t* at) {
    if (c < 0x80) {
        *at++ = static_cast<std::uint8_t>(c);
        return at;
    }
    if (c < 0x800) {
        *at++ = static_cast<std::uint8_t>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        *at++ = static_cast<std::uint8_t>(0xE0 | (c >> 12));
        *at++ = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
    } else {
        *at++ = static_cast<std::uint8_t>(0xF0 | (c >> 18));
        *at++ = static_cast<std::uint8_t>(0x80 | ((c >> 12) & 0x3F));
        *at++ = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
    }
    *at++ = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    return at;
}

// Writes one unit (or a surrogate pair, moving i on) as UTF-8; false for a
// surrogate without its other half.
template <bool littleEndian>
bool writeUnit(const std::uint8_t* bytes, std::size_t units, std::size_t& i, std::uint8_t*& at) {
    char32_t unit = unitAt<littleEndian>(bytes, i);
    if (isHighSurrogate(unit)) {
        if (i + 1 >= units || !isLowSurrogate(unitAt<littleEndian>(bytes, i + 1))) {
            return false;
        }
        unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt<littleEndian>(bytes, i + 1) - 0xDC00);
        ++i;
    } else if (isLowSurrogate(unit)) {
        return false;
    }
    at = encodeUtf8(unit, at);
    return true;
}

// One unit of the Basic Multilingual Plane, not a surrogate, as one to
// three bytes chosen without a branch the text could make mispredict; the
// output has room for four.
inline void writeBmpUnit(char32_t unit, std::uint8_t*& at) {
    const std::uint32_t two = (0xC0 | unit >> 6) | (0x80 | (unit & 0x3F)) << 8;
    const std::uint32_t three =
        (0xE0 | unit >> 12) | (0x80 | ((unit >> 6) & 0x3F)) << 8 | (0x80 | (unit & 0x3F)) << 16;
    const std::size_t longer = std::size_t(unit >= 0x80) + std::size_t(unit >= 0x800);
    const std::uint32_t encodings[3] = {std::uint32_t(unit), two, three};
    std::memcpy(at, &encodings[longer], 4);
    at += 1 + longer;
}

// Writes `units` units, none a surrogate, as UTF-8 from `at` on, which
// has room for their length and three bytes more.
template <bool littleEndian>
std::uint8_t* writeBmpUnits(const std::uint8_t* in, std::size_t units, std::uint8_t* at) {
    static_assert(std::endian::native == std::endian::little, "units are read four at a time");
    // Four units are ASCII when no bit above the low seven is set in any;
    // the low byte of each is then the character.
    constexpr std::uint64_t highBits = littleEndian ? 0xFF80FF80FF80FF80u : 0x80FF80FF80FF80FFu;
    constexpr int low = littleEndian ? 0 : 8;
    std::size_t i = 0;
    for (; i + 4 <= units; i += 4) {
        std::uint64_t four = 0;
        std::memcpy(&four, in + 2 * i, 8);
        if ((four & highBits) == 0) {
            for (int k = 0; k < 4; ++k) {
                at[k] = static_cast<std::uint8_t>(four >> (16 * k + low));
            }
            at += 4;
            continue;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            writeBmpUnit(unitAt<littleEndian>(in, i + k), at);
        }
    }
    for (; i < units; ++i) {
        writeBmpUnit(unitAt<littleEndian>(in, i), at);
    }
    return at;
}

// In pieces that stay in the processor's cache: each is measured, then
// written straight into the string, so the text's bytes are read once from
// memory and the string grows into room set aside (and never moved) for
// the most they could need.
template <bool littleEndian>
std::optional<std::string> decodeUnits(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t piece = 16384; // units
    const std::size_t units = bytes.size() / 2;
    std::string out;
    out.reserve(units * 3 + 3);
    askForLargePages(out.data(), out.capacity());
    for (std::size_t i = 0; i < units;) {
        std::size_t count = std::min(piece, units - i);
        if (i + count < units &&
            isHighSurrogate(unitAt<littleEndian>(bytes.data(), i + count - 1))) {
            ++count; // a pair stays in one piece
        }
        const std::uint8_t* in = bytes.data() + 2 * i;
        bool surrogates = false;
        const std::size_t length = count + extraUtf8Bytes<littleEndian>(in, count, surrogates);
        const std::size_t start = out.size();
        out.resize(start + length + 3);
        auto* at = reinterpret_cast<std::uint8_t*>(out.data()) + start;
        if (!surrogates) {
            at = writeBmpUnits<littleEndian>(in, count, at);
        } else {
            for (std::size_t k = 0; k < count; ++k) {
                if (!writeUnit<littleEndian>(in, count, k, at)) {
                    return std::nullopt;
                }
            }
        }
        out.resize(std::size_t(reinterpret_cast<char*>(at) - out.data()));
        i += count;
    }
    return out;
}

std::optional<std::string> decodeUtf16Units(std::span<const std::uint8_t> bytes,
                                            bool littleEndian) {
    return littleEndian ? decodeUnits<true>(bytes) : decodeUnits<false>(bytes);
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    std::uint8_t bytes[4];
    const std::uint8_t* end = encodeUtf8(c, bytes);
    out.append(reinterpret_cast<const char*>(bytes), std::size_t(end - bytes));
}

std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    while (maxBytes > 0 && (static_cast<unsigned char>(text[maxBytes]) & 0xC0) == 0x80) {
        --maxBytes;
    }
    return text.substr(0, maxBytes);
}

std::size_t utf8SequenceLength(std::string_view text) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t available = text.size();
    if (available == 0) {
        return 0;
    }
    const std::uint8_t lead = *p;
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint8_t min = 0x80;
    std::uint8_t max = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = lead == 0xE0 ? 0xA0 : 0x80; // no overlong forms
        max = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = lead == 0xF0 ? 0x90 : 0x80;
        max = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (available < length || p[1] < min || p[1] > max) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        out.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

std::optional<std::string> decodeUtf8(std::span<const std::uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (!isValidUtf8(text)) {
        return std::nullopt;
    }
    return std::string(text);
}

std::optional<std::string> decodeUtf16(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return decodeUtf16Units(bytes.subspan(2), true);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return decodeUtf16Units(bytes.subspan(2), false);
    }
    return decodeUtf16Units(bytes, false);
}

std::optional<std::string> decodeUtf16LittleEndian(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        bytes = bytes.subspan(2);
    }
    return decodeUtf16Units(bytes, true);
}

std::optional<std::string> decodeUtf16BigEndianStrict(std::span<const std::uint8_t> bytes) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    return decodeUtf16Units(bytes, false);
}

std::string decodeMacRoman(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::uint8_t byte : bytes) {
        if (byte < 0x80) {
            out.push_back(static_cast<char>(byte));
        } else {
            appendUtf8(out, macRomanUpperHalf[byte - 0x80]);
        }
    }
    return out;
}

} // namespace scrivlette
