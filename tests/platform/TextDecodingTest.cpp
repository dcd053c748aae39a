#include "platform/text/TextDecoding.h"

#include "TestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace scrivlette {
namespace {

std::span<const std::uint8_t> raw(std::string_view text) {
    return asBytes(text);
}

TEST(TextDecoding, MacRomanUpperHalfMatchesAnIndependentTable) {
    // Generated with Python's mac_roman codec; 0xC6 and 0xF0 are where
    // glibc's MACINTOSH table goes wrong.
    std::ifstream table(test::fixture("macroman-upper-half.txt"));
    unsigned byte = 0;
    unsigned codePoint = 0;
    int rows = 0;
    while (table >> std::hex >> byte >> codePoint) {
        SCOPED_TRACE(byte);
        std::string expected;
        appendUtf8(expected, codePoint);
        const std::uint8_t input[] = {static_cast<std::uint8_t>(byte)};
        EXPECT_EQ(decodeMacRoman(input), expected);
        ++rows;
    }
    EXPECT_EQ(rows, 128);
    EXPECT_EQ(decodeMacRoman(raw("\xC6\xF0")), "\u2206\uF8FF");
    EXPECT_EQ(decodeMacRoman(raw("plain ASCII\r")), "plain ASCII\r");
}

TEST(TextDecoding, Utf16Variants) {
    using Decoder = std::optional<std::string> (*)(std::span<const std::uint8_t>);
    const struct {
        const char* name;
        Decoder decode;
        std::string bytes;
        std::optional<std::string> expected;
    } cases[] = {
        {"no mark is big-endian", decodeUtf16, std::string("\x96\x8F\x54\x0E", 4), "随后"},
        {"FF FE is little-endian, mark dropped", decodeUtf16,
         std::string("\xFF\xFE\x8F\x96\x0E\x54", 6), "随后"},
        {"odd trailing byte ignored", decodeUtf16, std::string("\x00\x41\x00", 3), "A"},
        {"surrogate pair", decodeUtf16, std::string("\xD8\x3C\xDF\x89", 4), "🎉"},
        {"unpaired high surrogate", decodeUtf16, std::string("\xD8\x3C\x00\x41", 4), std::nullopt},
        {"lone low surrogate", decodeUtf16, std::string("\xDF\x89", 2), std::nullopt},
        {"empty", decodeUtf16, "", ""},
        {"little-endian without mark", decodeUtf16LittleEndian, std::string("\x8F\x96\x0E\x54", 4),
         "随后"},
        {"little-endian mark dropped", decodeUtf16LittleEndian, std::string("\xFF\xFE\x41\x00", 4),
         "A"},
        {"little-endian ignores a big-endian mark", decodeUtf16LittleEndian,
         std::string("\xFE\xFF\x41\x00", 4), "\uFFFEA"},
        {"little-endian unpaired surrogate", decodeUtf16LittleEndian, std::string("\x3C\xD8", 2),
         std::nullopt},
        {"NUL kept", decodeUtf16LittleEndian, std::string("\x00\x00", 2), std::string("\0", 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.decode(raw(c.bytes)), c.expected);
    }
}

TEST(TextDecoding, Utf8Validation) {
    const struct {
        const char* name;
        std::string bytes;
        std::optional<std::string> expected;
    } cases[] = {
        {"ASCII", "abc", "abc"},
        {"mark dropped",
         "\xEF\xBB\xBF"
         "abc",
         "abc"},
        {"only the first mark dropped", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
        {"four-byte sequence", "\xF0\x9F\x8E\x89", "🎉"},
        {"truncated sequence", "\xE9\x9A", std::nullopt},
        {"bad continuation", "\xC3\x28", std::nullopt},
        {"overlong slash", "\xC0\xAF", std::nullopt},
        {"overlong three-byte", "\xE0\x80\xAF", std::nullopt},
        {"encoded surrogate", "\xED\xA0\x80", std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
        {"stray continuation", "\x80", std::nullopt},
        {"invalid lead", "\xFF", std::nullopt},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeUtf8(raw(c.bytes)), c.expected);
    }
}

} // namespace
} // namespace scrivlette
