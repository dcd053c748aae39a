#include "formats/plist/BinaryReader.h"

#include "TestSupport.h"
#include "formats/plist/PropertyList.h"

#include <gtest/gtest.h>

namespace scrivlette::plist {
namespace {

using test::BinaryPlistBuilder;
using test::bytesOf;
using namespace std::string_literals;

ParseResult parseText(const std::string& file) {
    return parse(bytesOf(file));
}

// Builds `depth` arrays, each holding the next, the innermost empty.
std::string nestedArrays(std::size_t depth) {
    BinaryPlistBuilder builder(4);
    for (std::size_t i = 0; i + 1 < depth; ++i) {
        builder.array({i + 1});
    }
    builder.array({});
    return builder.finish(0);
}

TEST(BinaryReader, ReadsEveryScalarKind) {
    BinaryPlistBuilder builder;
    const auto key = [&](std::string_view name) { return builder.ascii(name); };
    std::vector<std::pair<std::size_t, std::size_t>> entries = {
        {key("ascii"), builder.ascii("plain")},
        {key("utf16"), builder.utf16(u"Gr\u00FC\u00DFe \U0001F389")},
        {key("int1"), builder.raw("\x10\xFF")},
        {key("int8"), builder.integer(-5)},
        {key("int16"),
         builder.raw(
             std::string("\x14").append(test::bigEndian(0, 8)).append(test::bigEndian(~0ull, 8)))},
        {key("float"), builder.raw("\x22\x3F\xC0\x00\x00"s)},
        {key("date"), builder.raw("\x33\x41\xD0\x00\x00\x00\x00\x00\x00"s)},
        {key("uid"), builder.raw("\x81\x01\x2C")},
    };
    const auto top = builder.dictionary(entries);
    const auto result = parseText(builder.finish(top));
    ASSERT_TRUE(result) << result.error().describe();
    const Dictionary& root = *(*result)->asDictionary();
    ASSERT_EQ(root.size(), entries.size());
    EXPECT_EQ(*root.find("ascii")->asString(), "plain");
    EXPECT_EQ(*root.find("utf16")->asString(), "Grüße 🎉");
    EXPECT_EQ(root.find("int1")->asInteger()->value, 255);
    EXPECT_EQ(root.find("int8")->asInteger()->value, -5);
    EXPECT_TRUE(root.find("int16")->asInteger()->isUnsigned);
    EXPECT_EQ(static_cast<std::uint64_t>(root.find("int16")->asInteger()->value), ~0ull);
    EXPECT_EQ(*root.find("float")->asReal(), 1.5);
    EXPECT_EQ(root.find("date")->asDate()->secondsSince2001, 1073741824.0);
    EXPECT_EQ(root.find("uid")->asUid()->value, 300u);
}

TEST(BinaryReader, DataIsASliceOfTheInput) {
    BinaryPlistBuilder builder;
    const auto top = builder.dictionary({{builder.ascii("blob"), builder.data("0123456789")}});
    const Bytes input = bytesOf(builder.finish(top));
    const auto result = parse(input);
    ASSERT_TRUE(result);
    const Bytes& blob = *(*result)->asDictionary()->find("blob")->asData();
    EXPECT_EQ(blob.view(), "0123456789");
    EXPECT_TRUE(blob.sharesStorageWith(input));
}

TEST(BinaryReader, DictionaryKeepsFileOrderAndLastValueOfRepeatedKey) {
    BinaryPlistBuilder builder;
    const auto zebra = builder.ascii("zebra");
    const auto apple = builder.ascii("apple");
    const auto zebraAgain = builder.ascii("zebra");
    const auto top = builder.dictionary({{zebra, builder.integer(1)},
                                         {apple, builder.integer(2)},
                                         {zebraAgain, builder.integer(3)}});
    const auto result = parseText(builder.finish(top));
    ASSERT_TRUE(result);
    const auto& entries = (*result)->asDictionary()->entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].keyString(), "zebra");
    EXPECT_EQ(entries[0].value->asInteger()->value, 3);
    EXPECT_EQ(entries[1].keyString(), "apple");
}

TEST(BinaryReader, NestingAtTheBoundParsesAndOneDeeperFails) {
    const auto atBound = parseText(nestedArrays(maxNestingDepth));
    ASSERT_TRUE(atBound) << atBound.error().describe();
    const auto tooDeep = parseText(nestedArrays(maxNestingDepth + 1));
    ASSERT_FALSE(tooDeep);
    EXPECT_EQ(tooDeep.error().kind, ErrorKind::TooDeep);
    // A very deep file must fail the same way, without exhausting the stack.
    EXPECT_EQ(parseText(nestedArrays(100000)).error().kind, ErrorKind::TooDeep);
}

TEST(BinaryReader, SharedObjectReusedDeeperStillCountsItsDepth) {
    // A chain 300 arrays deep is reached from the root and again from the end
    // of a second chain 300 deep: each path alone is short, together 601.
    BinaryPlistBuilder builder;
    constexpr std::size_t length = 300;
    constexpr std::size_t chain = 1;
    constexpr std::size_t path = chain + length;
    builder.array({chain, path});
    for (std::size_t i = 0; i < length; ++i) {
        builder.array(i + 1 < length ? std::vector<std::size_t>{chain + i + 1}
                                     : std::vector<std::size_t>{});
    }
    for (std::size_t i = 0; i < length; ++i) {
        builder.array({i + 1 < length ? path + i + 1 : chain});
    }
    const auto result = parseText(builder.finish(0));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, ErrorKind::TooDeep);
}

TEST(BinaryReader, SharedReferencesAreBuiltOnce) {
    // Forty levels, each an array holding the level below twice: 2^40 paths.
    BinaryPlistBuilder builder;
    std::size_t level = builder.ascii("leaf");
    for (int i = 0; i < 40; ++i) {
        level = builder.array({level, level});
    }
    // Expanding the references would never finish; building each object once is instant.
    const auto result = parseText(builder.finish(level));
    ASSERT_TRUE(result) << result.error().describe();
    const Node* node = result->get();
    int levels = 0;
    while (const Array* items = node->asArray()) {
        ASSERT_EQ(items->size(), 2u);
        ASSERT_EQ((*items)[0].get(), (*items)[1].get()) << "both references share one node";
        node = (*items)[0].get();
        ++levels;
    }
    EXPECT_EQ(levels, 40);
    EXPECT_EQ(*node->asString(), "leaf");
}

// A file of the objects `add` makes, the first of them at the top.
template <typename Add> std::string fileOf(Add add, BinaryPlistBuilder::Layout layout = {}) {
    BinaryPlistBuilder b;
    add(b);
    return b.finish(0, layout);
}

std::string withByte(std::string file, std::ptrdiff_t fromEnd, char value) {
    file[file.size() - static_cast<std::size_t>(fromEnd)] = value;
    return file;
}

TEST(BinaryReader, HostileStructureGivesCleanErrors) {
    using B = BinaryPlistBuilder;
    const std::string empty = fileOf([](B& b) { b.array({}); });
    std::string narrow; // references too narrow for the object count
    {
        BinaryPlistBuilder b(1);
        for (int i = 0; i < 300; ++i) {
            b.integer(i);
        }
        narrow = b.finish(0);
    }
    const struct {
        const char* name;
        std::string file;
        ErrorKind kind;
    } cases[] = {
        {"array containing itself", fileOf([](B& b) { b.array({0}); }), ErrorKind::Cycle},
        {"cycle through a dictionary", fileOf([](B& b) {
             b.array({1});
             b.dictionary({{2, 0}});
             b.ascii("k");
         }),
         ErrorKind::Cycle},
        {"reference out of range", fileOf([](B& b) { b.array({5}); }), ErrorKind::BadReference},
        {"top object out of range",
         [] {
             B b;
             b.array({});
             return b.finish(3);
         }(),
         ErrorKind::BadReference},
        {"trailer claims more objects than the table holds",
         fileOf([](B& b) { b.array({}); }, {.objectCount = 1000}), ErrorKind::BadReference},
        {"offset table past the end",
         fileOf([](B& b) { b.array({}); }, {.tableOffset = 0xFFFFFFFFFFFFFFF0ull}),
         ErrorKind::BadReference},
        {"zero offset width", withByte(empty, 32 - 6, 0), ErrorKind::Malformed},
        // The only offset now points into the table.
        {"object offset past the objects", withByte(empty, 33, '\x70'), ErrorKind::BadReference},
        {"array count larger than the file",
         fileOf([](B& b) { b.raw("\xAF\x13" + test::bigEndian(1ull << 62, 8)); }),
         ErrorKind::Truncated},
        {"data length overflowing",
         fileOf([](B& b) { b.raw("\x4F\x13" + test::bigEndian(~0ull, 8)); }), ErrorKind::Truncated},
        {"UTF-16 length overflowing",
         fileOf([](B& b) { b.raw("\x6F\x13" + test::bigEndian(~0ull / 2 + 1, 8)); }),
         ErrorKind::Truncated},
        {"unpaired high surrogate", fileOf([](B& b) { b.utf16(u"a\xD800z"); }),
         ErrorKind::InvalidText},
        {"lone low surrogate", fileOf([](B& b) { b.utf16(u"\xDC00"); }), ErrorKind::InvalidText},
        {"non-ASCII byte in an ASCII string", fileOf([](B& b) { b.raw("\x53\x61\xE9\x62"); }),
         ErrorKind::InvalidText},
        {"dictionary key that is not a string", fileOf([](B& b) {
             b.dictionary({{1, 1}});
             b.integer(3);
         }),
         ErrorKind::Malformed},
        {"dictionary key that is a container", fileOf([](B& b) {
             b.dictionary({{1, 2}});
             b.array({});
             b.integer(3);
         }),
         ErrorKind::Malformed},
        {"null object", fileOf([](B& b) { b.raw(std::string(1, '\0')); }), ErrorKind::Unsupported},
        {"set object", fileOf([](B& b) { b.raw("\xC0"); }), ErrorKind::Unsupported},
        {"unknown marker", fileOf([](B& b) { b.raw("\x7F"); }), ErrorKind::Malformed},
        {"integer of 32 bytes", fileOf([](B& b) { b.raw("\x15\x00"s); }), ErrorKind::Malformed},
        {"integer past 64 bits", fileOf([](B& b) {
             b.raw(std::string("\x14").append(test::bigEndian(1, 8)).append(test::bigEndian(0, 8)));
         }),
         ErrorKind::Unsupported},
        {"length given as a real", fileOf([](B& b) { b.raw("\x4F\x24\x00"s); }),
         ErrorKind::Malformed},
        {"references too narrow for the object count", narrow, ErrorKind::Malformed},
        {"header only", "bplist00", ErrorKind::Truncated},
        {"other version", "bplist01" + std::string(40, '\0'), ErrorKind::UnknownFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = parseText(c.file);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().kind, c.kind) << result.error().describe();
        EXPECT_LE(result.error().offset, c.file.size());
        EXPECT_FALSE(result.error().message.empty());
    }
    EXPECT_EQ(parseText(cases[0].file).error().describe(), "container contains itself at byte 8");
}

TEST(BinaryReader, EveryTruncatedPrefixFailsCleanly) {
    for (const char* name : {"Text.textClipping", "Notes.textClipping"}) {
        const Bytes whole = test::readBytes(test::realFile(name));
        ASSERT_TRUE(parse(whole));
        for (std::size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(length));
            const auto result = parseBinary(whole.slice(0, length));
            ASSERT_FALSE(result);
            EXPECT_LE(result.error().offset, length);
            // Shorter than "bplist", a prefix is a valid OpenStep word.
            if (length >= 6) {
                EXPECT_FALSE(parse(whole.slice(0, length)));
            }
        }
    }
}

} // namespace
} // namespace scrivlette::plist
