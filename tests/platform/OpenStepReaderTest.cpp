#include "TestSupport.h"
#include "formats/plist/PropertyList.h"

#include <gtest/gtest.h>

namespace scrivlette::plist {
namespace {

using test::bytesOf;

TEST(OpenStepReader, ReadsDictionariesArraysStringsAndData) {
    const auto result = parse(bytesOf(R"(
        // a comment
        {
            plain = word.with-punctuation/and:colons_$;
            "quoted key" = "tab\there, quote \" and \\ backslash";
            single = 'it\'s "quoted"';
            escapes = "\101\U00e9\Ud83c\Udf89\n";
            /* block
               comment */
            list = (one, "two", <0aFF 10>, (), {}, );
            empty = "";
            data = < 00 01 >;
        }
    )"));
    ASSERT_TRUE(result) << result.error().describe();
    const Dictionary& root = *(*result)->asDictionary();
    ASSERT_EQ(root.size(), 7u);
    EXPECT_EQ(root.entries()[0].keyString(), "plain");
    EXPECT_EQ(*root.find("plain")->asString(), "word.with-punctuation/and:colons_$");
    EXPECT_EQ(*root.find("quoted key")->asString(), "tab\there, quote \" and \\ backslash");
    EXPECT_EQ(*root.find("single")->asString(), "it's \"quoted\"");
    EXPECT_EQ(*root.find("escapes")->asString(), "Aé🎉\n");
    const Array& list = *root.find("list")->asArray();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[2]->asData()->view(), std::string_view("\x0a\xff\x10", 3));
    EXPECT_TRUE(list[3]->asArray()->empty());
    EXPECT_TRUE(list[4]->asDictionary()->empty());
    EXPECT_EQ(root.find("data")->asData()->size(), 2u);
}

// A strings file and a braced dictionary, each in every encoding the Mac
// writes them in: UTF-16 is the usual form of .strings files.
TEST(OpenStepReader, StringsFilesAndDictionariesInEveryEncoding) {
    using test::Endian;
    struct Form {
        const char* name;
        std::size_t unitSize;
        Endian endian;
        bool withMark;
    };
    const Form forms[] = {
        {"UTF-16 little-endian with mark", 2, Endian::Little, true},
        {"UTF-16 big-endian without mark", 2, Endian::Big, false},
        {"UTF-32 little-endian with mark", 4, Endian::Little, true},
        {"UTF-32 big-endian without mark", 4, Endian::Big, false},
    };
    const std::string texts[] = {
        "URL = \"http://a.example/\";\n\"second\" = two;\n",
        "/* made by hand */ { URL = \"http://a.example/\"; second = two; }",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const auto utf8 = parse(bytesOf(text));
        ASSERT_TRUE(utf8) << utf8.error().describe();
        for (const Form& form : forms) {
            SCOPED_TRACE(form.name);
            const auto result =
                parse(bytesOf(test::wideText(text, form.unitSize, form.endian, form.withMark)));
            ASSERT_TRUE(result) << result.error().describe();
            const Dictionary& root = *(*result)->asDictionary();
            ASSERT_EQ(root.size(), 2u);
            EXPECT_EQ(*root.find("URL")->asString(), "http://a.example/");
            EXPECT_EQ(*root.find("second")->asString(), "two");
        }
    }
    // Offsets in an error name the UTF-16 bytes, mark included.
    const auto broken = parse(bytesOf(test::wideText("{ a = ; }", 2, Endian::Little, true)));
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().offset, 2u + 2 * 6);
}

// Octal escapes name bytes of the NeXTSTEP character set, not Latin-1.
TEST(OpenStepReader, OctalEscapesAreNextStepCharacters) {
    const struct {
        const char* escape;
        const char* expected;
    } cases[] = {
        {"\\101", "A"},      // ASCII stays ASCII
        {"\\200", "\u00A0"}, // no-break space
        {"\\251", "\u2019"}, // quoteright
        {"\\252", "\u201C"}, // quotedblleft
        {"\\321", "\u00B1"}, // plusminus
        {"\\341", "\u00C6"}, // AE
        {"\\350", "\u0141"}, // Lslash
        {"\\376", "\uFFFD"}, // unmapped
        {"\\541", "a"},      // past \377 the low byte counts, as on the Mac
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.escape);
        const auto result = parse(bytesOf(std::string("\"") + c.escape + "\""));
        ASSERT_TRUE(result) << result.error().describe();
        EXPECT_EQ(*(*result)->asString(), c.expected);
    }
}

TEST(OpenStepReader, NestingAtTheBoundParsesAndOneDeeperFails) {
    auto nested = [](std::size_t depth) {
        return std::string(depth, '(') + std::string(depth, ')');
    };
    EXPECT_TRUE(parse(bytesOf(nested(maxNestingDepth))));
    const auto tooDeep = parse(bytesOf(nested(maxNestingDepth + 1)));
    ASSERT_FALSE(tooDeep);
    EXPECT_EQ(tooDeep.error().kind, ErrorKind::TooDeep);
    EXPECT_EQ(parse(bytesOf(std::string(1000000, '('))).error().kind, ErrorKind::TooDeep);
}

TEST(OpenStepReader, MalformedTextGivesCleanErrors) {
    const struct {
        const char* name;
        std::string text;
        ErrorKind kind;
    } cases[] = {
        {"unterminated string", "{ a = \"abc", ErrorKind::Truncated},
        {"unterminated dictionary", "{ a = b;", ErrorKind::Truncated},
        {"unterminated array", "(a, b", ErrorKind::Truncated},
        {"unterminated data", "<00", ErrorKind::Truncated},
        {"unterminated comment", "{ /* never closed", ErrorKind::Truncated},
        {"missing semicolon", "{ a = b }", ErrorKind::Malformed},
        {"missing equals", "{ a b; }", ErrorKind::Malformed},
        {"missing comma", "(a b)", ErrorKind::Malformed},
        {"odd hex digits", "<abc>", ErrorKind::InvalidData},
        {"bad hex digit", "<zz>", ErrorKind::InvalidData},
        {"dictionary as key", "{ {} = a; }", ErrorKind::Malformed},
        {"text after the value", "(a) (b)", ErrorKind::Malformed},
        {"unpaired surrogate escape", "\"\\Ud800x\"", ErrorKind::InvalidText},
        {"lone low surrogate escape", "\"\\Udc00\"", ErrorKind::InvalidText},
        {"short \\U escape", "\"\\U12\"", ErrorKind::Malformed},
        {"invalid UTF-8", "\"\xC3\x28\"", ErrorKind::InvalidText},
        {"stray character", "{ a = ?; }", ErrorKind::Malformed},
        {"only a comment", "// nothing", ErrorKind::Empty},
        {"a word and then more", "  hello  there", ErrorKind::Malformed},
        {"empty", "", ErrorKind::Empty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = parse(bytesOf(c.text));
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().kind, c.kind) << result.error().describe();
        EXPECT_LE(result.error().offset, c.text.size());
    }
}

} // namespace
} // namespace scrivlette::plist
