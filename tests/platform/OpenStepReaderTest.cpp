#include "TestSupport.h"
#include "platform/plist/PropertyList.h"

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
            single = 'it\'s';
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
    EXPECT_EQ(*root.find("single")->asString(), "it's");
    EXPECT_EQ(*root.find("escapes")->asString(), "Aé🎉\n");
    const Array& list = *root.find("list")->asArray();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[2]->asData()->view(), std::string_view("\x0a\xff\x10", 3));
    EXPECT_TRUE(list[3]->asArray()->empty());
    EXPECT_TRUE(list[4]->asDictionary()->empty());
    EXPECT_EQ(root.find("data")->asData()->size(), 2u);
}

TEST(OpenStepReader, QuotedStringsWithEitherQuote) {
    const auto result = parse(bytesOf("('single', \"double\", 'mixed \" inside')"));
    ASSERT_TRUE(result) << result.error().describe();
    const Array& items = *(*result)->asArray();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(*items[0]->asString(), "single");
    EXPECT_EQ(*items[2]->asString(), "mixed \" inside");
}

TEST(OpenStepReader, StringsFileReadsAsDictionary) {
    const auto result = parse(bytesOf("URL = \"http://a.example/\";\n\"second\" = two;\n"));
    ASSERT_TRUE(result) << result.error().describe();
    const Dictionary& root = *(*result)->asDictionary();
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(*root.find("URL")->asString(), "http://a.example/");
}

TEST(OpenStepReader, TopLevelScalars) {
    const auto word = parse(bytesOf("  hello  "));
    ASSERT_TRUE(word);
    EXPECT_EQ(*(*word)->asString(), "hello");
    const auto data = parse(bytesOf("<cafe>"));
    ASSERT_TRUE(data);
    EXPECT_EQ(data.value()->asData()->view(), "\xca\xfe");
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
