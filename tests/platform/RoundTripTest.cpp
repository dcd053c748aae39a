// Files written by two independent writers, python3's plistlib (committed
// fixtures, see tests/fixtures/make_plist_fixtures.py) and libplist, must read
// back as the values they were given.

#include "TestSupport.h"
#include "formats/plist/PropertyList.h"
#include "platform/text/Base64.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <plist/plist.h>

namespace scrivlette::plist {
namespace {

using nlohmann::json;

// Describes a node as make_plist_fixtures.py describes a Python value.
json describe(const Node& node) {
    switch (node.kind()) {
    case Kind::Dictionary: {
        json entries = json::array();
        for (const auto& entry : node.asDictionary()->entries()) {
            entries.push_back({entry.keyString(), describe(*entry.value)});
        }
        return {{"type", "dictionary"}, {"entries", entries}};
    }
    case Kind::Array: {
        json items = json::array();
        for (const auto& item : *node.asArray()) {
            items.push_back(describe(*item));
        }
        return {{"type", "array"}, {"items", items}};
    }
    case Kind::String:
        return {{"type", "string"}, {"value", *node.asString()}};
    case Kind::Data:
        return {{"type", "data"}, {"base64", encodeBase64(node.asData()->span())}};
    case Kind::Integer: {
        const Integer& integer = *node.asInteger();
        return {{"type", "integer"},
                {"value", integer.isUnsigned
                              ? std::to_string(static_cast<std::uint64_t>(integer.value))
                              : std::to_string(integer.value)}};
    }
    case Kind::Real:
        return {{"type", "real"}, {"value", *node.asReal()}};
    case Kind::Boolean:
        return {{"type", "boolean"}, {"value", *node.asBoolean()}};
    case Kind::Date:
        return {{"type", "date"}, {"value", node.asDate()->secondsSince2001}};
    case Kind::Uid:
        return {{"type", "uid"}, {"value", node.asUid()->value}};
    }
    return nullptr;
}

json loadJson(std::string_view name) {
    std::ifstream in(test::fixture(name));
    return json::parse(in);
}

TEST(RoundTrip, PlistlibFilesReadAsWritten) {
    const struct {
        const char* file;
        const char* expected;
    } cases[] = {
        {"plistlib/sample.binary.plist", "plistlib/sample.expected.json"},
        {"plistlib/sample.xml.plist", "plistlib/sample.expected.json"},
        {"plistlib/uid.binary.plist", "plistlib/uid.expected.json"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto result = parse(test::readBytes(test::fixture(c.file)));
        ASSERT_TRUE(result) << result.error().describe();
        EXPECT_EQ(describe(**result), loadJson(c.expected));
    }
}

TEST(RoundTrip, BinaryAndXmlFromPlistlibAgree) {
    const auto binary = parse(test::readBytes(test::fixture("plistlib/sample.binary.plist")));
    const auto xml = parse(test::readBytes(test::fixture("plistlib/sample.xml.plist")));
    ASSERT_TRUE(binary && xml);
    EXPECT_TRUE(deepEqual(**binary, **xml));
}

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistFree>;

// The same tree built with libplist, written out by libplist itself.
PlistHandle libplistSample() {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "string", plist_new_string("plain"));
    plist_dict_set_item(root, "Grüße", plist_new_string("随后 🎉 ünïcödé"));
    plist_dict_set_item(root, "integer", plist_new_uint(1234567890123ull));
    plist_dict_set_item(root, "real", plist_new_real(-1.25));
    plist_dict_set_item(root, "true", plist_new_bool(1));
    plist_dict_set_item(root, "false", plist_new_bool(0));
    const char blob[] = "\x00\x01\x02binary\xff";
    plist_dict_set_item(root, "data", plist_new_data(blob, sizeof blob - 1));
    plist_dict_set_item(root, "empty data", plist_new_data("", 0));
    plist_dict_set_item(root, "empty string", plist_new_string(""));
    plist_dict_set_item(root, "empty array", plist_new_array());
    plist_dict_set_item(root, "empty dict", plist_new_dict());
    plist_t inner = plist_new_dict();
    plist_t list = plist_new_array();
    plist_array_append_item(list, plist_new_string("x"));
    plist_array_append_item(list, plist_new_uint(7));
    plist_dict_set_item(inner, "list", list);
    plist_t deeper = plist_new_dict();
    plist_dict_set_item(deeper, "ключ", plist_new_string("значение"));
    plist_dict_set_item(inner, "deeper", deeper);
    plist_dict_set_item(root, "nested", inner);
    return PlistHandle(root);
}

// Compares our node with libplist's, walking both.
void expectSame(plist_t theirs, const Node& ours, const std::string& path) {
    SCOPED_TRACE(path);
    switch (plist_get_node_type(theirs)) {
    case PLIST_DICT: {
        ASSERT_EQ(ours.kind(), Kind::Dictionary);
        ASSERT_EQ(ours.asDictionary()->size(), plist_dict_get_size(theirs));
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(theirs, &it);
        for (const auto& entry : ours.asDictionary()->entries()) {
            char* key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(theirs, it, &key, &value);
            ASSERT_NE(key, nullptr);
            EXPECT_EQ(entry.keyString(), key) << "keys keep the writer's order";
            expectSame(value, *entry.value, path + "/" + key);
            free(key);
        }
        free(it);
        break;
    }
    case PLIST_ARRAY: {
        ASSERT_EQ(ours.kind(), Kind::Array);
        ASSERT_EQ(ours.asArray()->size(), plist_array_get_size(theirs));
        for (std::uint32_t i = 0; i < plist_array_get_size(theirs); ++i) {
            expectSame(plist_array_get_item(theirs, i), *(*ours.asArray())[i],
                       path + "/" + std::to_string(i));
        }
        break;
    }
    case PLIST_STRING: {
        char* text = nullptr;
        plist_get_string_val(theirs, &text);
        ASSERT_TRUE(ours.asString());
        EXPECT_EQ(*ours.asString(), text);
        free(text);
        break;
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        std::uint64_t length = 0;
        plist_get_data_val(theirs, &bytes, &length);
        ASSERT_TRUE(ours.asData());
        EXPECT_EQ(ours.asData()->view(), std::string_view(bytes ? bytes : "", length));
        free(bytes);
        break;
    }
    case PLIST_UINT: {
        std::uint64_t value = 0;
        plist_get_uint_val(theirs, &value);
        ASSERT_TRUE(ours.asInteger());
        EXPECT_EQ(static_cast<std::uint64_t>(ours.asInteger()->value), value);
        break;
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(theirs, &value);
        ASSERT_TRUE(ours.asReal());
        EXPECT_EQ(*ours.asReal(), value);
        break;
    }
    case PLIST_BOOLEAN: {
        std::uint8_t value = 0;
        plist_get_bool_val(theirs, &value);
        ASSERT_TRUE(ours.asBoolean());
        EXPECT_EQ(*ours.asBoolean(), value != 0);
        break;
    }
    default:
        FAIL() << "unexpected libplist node type";
    }
}

TEST(RoundTrip, LibplistFilesReadAsWritten) {
    const PlistHandle sample = libplistSample();
    for (const bool binary : {true, false}) {
        SCOPED_TRACE(binary ? "binary" : "XML");
        char* written = nullptr;
        std::uint32_t length = 0;
        if (binary) {
            plist_to_bin(sample.get(), &written, &length);
        } else {
            plist_to_xml(sample.get(), &written, &length);
        }
        ASSERT_NE(written, nullptr);
        const Bytes file = Bytes::copyOf(std::string_view(written, length));
        free(written);
        const auto result = parse(file);
        ASSERT_TRUE(result) << result.error().describe();
        expectSame(sample.get(), **result, "");
    }
}

} // namespace
} // namespace scrivlette::plist
