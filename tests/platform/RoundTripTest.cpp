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

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistFree>;

// Builds with libplist the value a description (as `describe` gives) names.
plist_t build(const json& value) {
    const std::string type = value["type"];
    if (type == "dictionary") {
        plist_t dict = plist_new_dict();
        for (const auto& entry : value["entries"]) {
            plist_dict_set_item(dict, entry[0].get<std::string>().c_str(), build(entry[1]));
        }
        return dict;
    }
    if (type == "array") {
        plist_t array = plist_new_array();
        for (const auto& item : value["items"]) {
            plist_array_append_item(array, build(item));
        }
        return array;
    }
    if (type == "data") {
        Base64Decoder decoder;
        decoder.feed(value["base64"].get<std::string>());
        const std::vector<std::uint8_t> bytes = (decoder.finish(), decoder.take());
        return plist_new_data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    if (type == "integer") {
        return plist_new_uint(std::stoull(value["value"].get<std::string>()));
    }
    if (type == "real") {
        return plist_new_real(value["value"]);
    }
    if (type == "boolean") {
        return plist_new_bool(value["value"].get<bool>());
    }
    return plist_new_string(value["value"].get<std::string>().c_str());
}

json string(const char* value) {
    return {{"type", "string"}, {"value", value}};
}

// A literal's lists of pairs would read as objects: entries are built as arrays.
json dictionary(const std::vector<std::pair<const char*, json>>& entries) {
    json list = json::array();
    for (const auto& [key, value] : entries) {
        list.push_back(json::array({key, value}));
    }
    return {{"type", "dictionary"}, {"entries", list}};
}

TEST(RoundTrip, LibplistFilesReadAsWritten) {
    const json sample = dictionary({
        {"string", string("plain")},
        {"Grüße", string("随后 🎉 ünïcödé")},
        {"integer", {{"type", "integer"}, {"value", "1234567890123"}}},
        {"real", {{"type", "real"}, {"value", -1.25}}},
        {"true", {{"type", "boolean"}, {"value", true}}},
        {"false", {{"type", "boolean"}, {"value", false}}},
        {"data", {{"type", "data"}, {"base64", "AAECYmluYXJ5/w=="}}},
        {"empty data", {{"type", "data"}, {"base64", ""}}},
        {"empty string", string("")},
        {"empty array", {{"type", "array"}, {"items", json::array()}}},
        {"empty dict", dictionary({})},
        {"nested",
         dictionary(
             {{"list",
               {{"type", "array"},
                {"items", json::array({string("x"), {{"type", "integer"}, {"value", "7"}}})}}},
              {"ключ", string("значение")}})},
    });
    const PlistHandle tree(build(sample));
    for (const bool binary : {true, false}) {
        SCOPED_TRACE(binary ? "binary" : "XML");
        char* written = nullptr;
        std::uint32_t length = 0;
        (binary ? plist_to_bin : plist_to_xml)(tree.get(), &written, &length);
        ASSERT_NE(written, nullptr);
        const Bytes file = Bytes::copyOf(std::string_view(written, length));
        free(written);
        const auto result = parse(file);
        ASSERT_TRUE(result) << result.error().describe();
        EXPECT_EQ(describe(**result), sample) << "keys keep the writer's order";
    }
}

} // namespace
} // namespace scrivlette::plist
