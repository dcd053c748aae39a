#include "TestSupport.h"
#include "formats/plist/PropertyList.h"

#include <gtest/gtest.h>

namespace scrivlette::plist {
namespace {

using test::bytesOf;

constexpr std::string_view appleHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n";

std::string plist(std::string_view body) {
    return std::string(appleHeader) + "<plist version=\"1.0\">" + std::string(body) + "</plist>";
}

std::string stringValue(const ParseResult& result, std::string_view key) {
    const Node* node = (*result)->asDictionary()->find(key);
    return node && node->asString() ? *node->asString() : "<missing>";
}

std::string utf16(std::string_view ascii, bool littleEndian, bool withMark) {
    return test::wideText(ascii, 2, littleEndian ? test::Endian::Little : test::Endian::Big,
                          withMark);
}

TEST(XmlReader, ReadsEveryValueKind) {
    const auto result = parse(bytesOf(plist(R"(<dict>
        <key>string</key><string>a &amp; b &lt;c&gt; &#x41;&#66;</string>
        <key>empty</key><string/>
        <key>integer</key><integer> -42 </integer>
        <key>hex</key><integer>0x1F</integer>
        <key>huge</key><integer>18446744073709551615</integer>
        <key>infinite</key><real>-infinity</real>
        <key>date</key><date>2001-01-02T00:00:01Z</date>
        <key>data</key><data>
            AAEC
            /w==
        </data>
        <key>list</key><array><string>x</string><dict/><array/></array>
        <key>cdata</key><string><![CDATA[<raw> & text]]></string>
    </dict>)")));
    ASSERT_TRUE(result) << result.error().describe();
    const Dictionary& root = *(*result)->asDictionary();
    EXPECT_EQ(stringValue(result, "string"), "a & b <c> AB");
    EXPECT_EQ(stringValue(result, "empty"), "");
    EXPECT_EQ(root.find("integer")->asInteger()->value, -42);
    EXPECT_EQ(root.find("hex")->asInteger()->value, 31);
    EXPECT_TRUE(root.find("huge")->asInteger()->isUnsigned);
    EXPECT_EQ(*root.find("infinite")->asReal(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(root.find("date")->asDate()->secondsSince2001, 86401.0);
    EXPECT_EQ(root.find("data")->asData()->view(), std::string_view("\x00\x01\x02\xFF", 4));
    EXPECT_EQ(root.find("list")->asArray()->size(), 3u);
    EXPECT_EQ(stringValue(result, "cdata"), "<raw> & text");
}

TEST(XmlReader, AcceptsEveryHeaderRealFilesCarry) {
    const std::string body =
        "<plist "
        "version=\"1.0\"><dict><key>URL</key><string>http://a.example/</string></dict></plist>";
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"no prolog", body},
        {"old Apple DOCTYPE",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple "
         "Computer//DTD "
         "PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n" +
             body},
        {"malformed DOCTYPE", "<?xml version=\"1.0\"?><!DOCTYPE plist PUBLIC>" + body},
        {"DOCTYPE with internal subset",
         "<!DOCTYPE plist [ <!ELEMENT plist ANY> <!-- ] > --> ]>" + body},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body},
        {"comment before DOCTYPE",
         "<?xml version=\"1.0\"?><!-- made by hand --><!DOCTYPE plist>" + body},
        {"UTF-16 little-endian with mark",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?><!DOCTYPE plist PUBLIC>" + body, true,
               true)},
        {"UTF-16 big-endian with mark",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, false, true)},
        {"UTF-16 big-endian without mark",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, false, false)},
        {"UTF-16 little-endian without mark",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, true, false)},
        {"Latin-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body},
        {"white space before the declaration", "\n  \t<?xml version=\"1.0\"?>" + body},
        {"UTF-16 with white space first",
         utf16("\n<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, true, true)},
        {"UTF-32 big-endian with mark",
         test::wideText("<?xml version=\"1.0\" encoding=\"UTF-32\"?>" + body, 4, test::Endian::Big,
                        true)},
        {"UTF-32 little-endian without mark", test::wideText(body, 4, test::Endian::Little, false)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = parse(bytesOf(c.file));
        ASSERT_TRUE(result) << result.error().describe();
        EXPECT_EQ(stringValue(result, "URL"), "http://a.example/");
    }
}

TEST(XmlReader, NonAsciiTextInEachEncoding) {
    const std::string latin1 =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><plist><string>\xFC</string></plist>";
    const auto fromLatin1 = parse(bytesOf(latin1));
    ASSERT_TRUE(fromLatin1) << fromLatin1.error().describe();
    EXPECT_EQ(*(*fromLatin1)->asString(), "ü");

    // "<string>随</string>" in UTF-16LE: 随 is U+968F.
    std::string wide = utf16("<string>", true, true) + std::string("\x8F\x96", 2) +
                       utf16("</string>", true, false);
    const auto fromUtf16 = parse(bytesOf(wide));
    ASSERT_TRUE(fromUtf16) << fromUtf16.error().describe();
    EXPECT_EQ(*(*fromUtf16)->asString(), "随");
}

TEST(XmlReader, EntitiesCannotBeDeclaredOrFetched) {
    // Billion laughs: its DOCTYPE is dropped, so &lol9; is undefined.
    const std::string laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
        "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">]>"
        "<plist><string>&lol2;</string></plist>";
    const auto result = parse(bytesOf(laughs));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, ErrorKind::Malformed);

    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]>"
        "<plist><string>&secret;</string></plist>";
    const auto fetched = parse(bytesOf(external));
    ASSERT_FALSE(fetched);
    EXPECT_NE(fetched.error().message.find("undefined entity"), std::string::npos)
        << fetched.error().message;
}

TEST(XmlReader, NestingAtTheBoundParsesAndOneDeeperFails) {
    auto nested = [](std::size_t depth) {
        std::string text = "<plist>";
        for (std::size_t i = 0; i < depth; ++i) {
            text += "<array>";
        }
        for (std::size_t i = 0; i < depth; ++i) {
            text += "</array>";
        }
        return text + "</plist>";
    };
    EXPECT_TRUE(parse(bytesOf(nested(maxNestingDepth))));
    const auto tooDeep = parse(bytesOf(nested(maxNestingDepth + 1)));
    ASSERT_FALSE(tooDeep);
    EXPECT_EQ(tooDeep.error().kind, ErrorKind::TooDeep);
    EXPECT_EQ(parse(bytesOf(nested(200000))).error().kind, ErrorKind::TooDeep);
}

TEST(XmlReader, MalformedDocumentsGiveCleanErrors) {
    const struct {
        const char* name;
        std::string file;
        ErrorKind kind;
    } cases[] = {
        {"invalid base64 character", plist("<data>AB*C</data>"), ErrorKind::InvalidData},
        {"base64 text after padding", plist("<data>AA==AA==</data>"), ErrorKind::InvalidData},
        {"base64 single dangling digit", plist("<data>AAAAA</data>"), ErrorKind::InvalidData},
        {"base64 padding too early", plist("<data>A===</data>"), ErrorKind::InvalidData},
        {"key without value", plist("<dict><key>a</key></dict>"), ErrorKind::Malformed},
        {"value without key", plist("<dict><string>a</string></dict>"), ErrorKind::Malformed},
        {"two keys", plist("<dict><key>a</key><key>b</key></dict>"), ErrorKind::Malformed},
        {"key in array", plist("<array><key>a</key></array>"), ErrorKind::Malformed},
        {"unknown element", plist("<set/>"), ErrorKind::Malformed},
        // Found by the fuzzer: the end of a refused empty element was still handled.
        {"unknown empty top element", std::string(appleHeader) + "<plict/>", ErrorKind::Malformed},
        {"element inside string", plist("<string><true/></string>"), ErrorKind::Malformed},
        {"text inside dict", plist("<dict>stray</dict>"), ErrorKind::Malformed},
        {"text inside true", plist("<true>yes</true>"), ErrorKind::Malformed},
        {"two top-level values", plist("<true/><false/>"), ErrorKind::Malformed},
        {"nested plist", plist("<plist/>"), ErrorKind::Malformed},
        {"bad integer", plist("<integer>12a</integer>"), ErrorKind::Malformed},
        {"integer too large", plist("<integer>18446744073709551616</integer>"),
         ErrorKind::Malformed},
        {"integer too small", plist("<integer>-9223372036854775809</integer>"),
         ErrorKind::Malformed},
        {"bad real", plist("<real>one</real>"), ErrorKind::Malformed},
        {"bad date", plist("<date>yesterday</date>"), ErrorKind::Malformed},
        {"date out of range", plist("<date>2001-13-01T00:00:00Z</date>"), ErrorKind::Malformed},
        {"empty plist", plist(""), ErrorKind::Empty},
        {"unclosed element", "<plist><dict>", ErrorKind::Truncated},
        {"unterminated DOCTYPE", "<!DOCTYPE plist [ <!ELEMENT", ErrorKind::Truncated},
        {"second DOCTYPE", std::string(appleHeader) + "<!DOCTYPE x><plist/>", ErrorKind::Malformed},
        {"invalid UTF-8", "<plist><string>\xC3\x28</string></plist>", ErrorKind::Malformed},
        {"unpaired surrogate in UTF-16",
         utf16("<plist><string>", true, true) + std::string("\x00\xD8", 2) +
             utf16("</string></plist>", true, false),
         ErrorKind::InvalidText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = parse(bytesOf(c.file));
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().kind, c.kind) << result.error().describe();
    }
}

// Offsets count the declaration skipped, and in UTF-16 name the file's bytes.
TEST(XmlReader, ErrorOffsetsNameTheOriginalBytes) {
    const std::string file = std::string(appleHeader) + "<plist><bogus/></plist>";
    EXPECT_EQ(parse(bytesOf(file)).error().offset, file.find("<bogus/>"));
    EXPECT_EQ(parse(bytesOf(utf16("<plist><bogus/></plist>", true, true))).error().offset,
              2u + 2 * 7);

    // Found by the fuzzer: an error in UTF-16 text was placed past the input's end.
    const std::string found("\xFE\xFFx;lkeerml<\x01\x00\x00\xFFtrue\xFF\xFF\x01\xE1", 24);
    const auto fuzzed = parse(bytesOf(found));
    ASSERT_FALSE(fuzzed);
    EXPECT_LE(fuzzed.error().offset, found.size());
}

} // namespace
} // namespace scrivlette::plist
