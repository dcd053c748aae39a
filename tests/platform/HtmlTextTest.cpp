#include "formats/web/HtmlText.h"

#include "TestSupport.h"
#include "platform/text/TextDecoding.h"

#include <gtest/gtest.h>

namespace scrivlette::formatted {
namespace {

std::string utf32(std::u32string_view text, bool littleEndian) {
    std::string out;
    for (char32_t c : text) {
        for (int i = 0; i < 4; ++i) {
            const int shift = littleEndian ? 8 * i : 8 * (3 - i);
            out.push_back(static_cast<char>(c >> shift & 0xFF));
        }
    }
    return out;
}

// Pages as old web archives hold them: nested past any tree's limit,
// mislabelled, in encodings libxml2 does not read. All text is kept, the
// result is always UTF-8, and libxml2 says nothing on our stderr.
TEST(HtmlText, KeepsAllTextOfAwkwardPages) {
    std::string deep;
    for (int i = 0; i < 3000; ++i) {
        deep += "<font size=2>";
    }
    deep += "bottom</p><p>after";
    const struct {
        const char* name;
        std::string html;
        std::string encoding;
        std::string text;
    } cases[] = {
        {"nested 3,000 deep", deep, "UTF-8", "bottom\nafter"},
        {"not the UTF-8 it claims", "<p>caf\xE9 ok</p>", "UTF-8", "caf\uFFFD ok"},
        {"UTF-32 with a mark", utf32(U"\uFEFF<p>\u00E9t\u00E9</p>", true), "UTF-32",
         "\u00E9t\u00E9"},
        {"UTF-32 big-endian", utf32(U"<b>\U0001F600</b>", false), "utf-32BE", "\U0001F600"},
        {"Latin-1", "<p>caf\xE9</p>", "ISO-8859-1", "caf\u00E9"},
        {"hidden and pre", "<head><title>t</title></head><pre>a\n  b</pre><script>x</script>c", "",
         "a\n  b\nc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        const auto result = htmlText(c.html, c.encoding);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(result) << result.error();
        EXPECT_EQ(result->text, c.text);
        EXPECT_TRUE(isValidUtf8(result->text));
    }
    const auto unknown = htmlText("<p>x</p>", "x-no-such-encoding");
    ASSERT_FALSE(unknown);
    EXPECT_NE(unknown.error().describe().find("x-no-such-encoding"), std::string::npos);
}

} // namespace
} // namespace scrivlette::formatted
