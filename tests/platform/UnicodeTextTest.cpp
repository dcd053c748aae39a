#include "platform/text/UnicodeText.h"

#include "platform/text/TextDecoding.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace scrivlette {
namespace {

std::string unicodeFile(const char* relative) {
    return std::string(SCRIVLETTE_UNICODE_DATA) + "/" + relative;
}

TEST(UnicodeText, CanonicalEquivalence) {
    const struct {
        const char* name;
        std::string a;
        std::string b;
        bool equal;
    } cases[] = {
        {"precomposed and decomposed é", "caf\u00E9", "cafe\u0301", true},
        {"Kelvin sign and K", "\u212A", "K", true},
        {"Ångström sign and Å", "\u212B", "\u00C5", true},
        {"reordered combining marks", "a\u0301\u0323", "a\u0323\u0301", true},
        {"different ASCII", "abc", "abd", false},
        {"compatibility is not canonical", "\uFB01", "fi", false},
        {"invalid UTF-8 equals only itself", "\xFF", "\xFF", true},
        {"invalid against valid", "\xFF", "\u00FF", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(canonicallyEqual(c.a, c.b), c.equal);
        EXPECT_EQ(canonicallyEqual(c.b, c.a), c.equal);
        if (c.equal) {
            EXPECT_EQ(canonicalHash(c.a), canonicalHash(c.b));
        }
    }
}

// Each line: code points separated by ÷ (break) or × (no break).
TEST(UnicodeText, GraphemeBreakTestFile) {
    std::ifstream file(unicodeFile("auxiliary/GraphemeBreakTest.txt"));
    ASSERT_TRUE(file) << "install the unicode-data package";
    std::string line;
    int checked = 0;
    while (std::getline(file, line)) {
        const std::string rule = line.substr(0, line.find('#'));
        if (rule.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        std::istringstream tokens(rule);
        std::string token;
        std::string text;
        std::size_t breaks = 0;
        while (tokens >> token) {
            if (token == "\xC3\xB7") { // ÷
                ++breaks;
            } else if (token != "\xC3\x97") { // ×
                appendUtf8(text, static_cast<char32_t>(std::stoul(token, nullptr, 16)));
            }
        }
        // The line starts and ends with ÷, so clusters are breaks minus one.
        EXPECT_EQ(graphemeCount(text), breaks - 1) << line;
        ++checked;
    }
    EXPECT_GT(checked, 500);
}

// Bytes that are not UTF-8 count one each; the file above has none.
TEST(UnicodeText, GraphemeCountOfInvalidText) {
    EXPECT_EQ(graphemeCount(""), 0u);
    EXPECT_EQ(graphemeCount("a\xFF\xFE\r\n"), 4u);
}

} // namespace
} // namespace scrivlette
