// Files written by an independent writer, python3's plistlib (committed
// fixtures, see tests/fixtures/make_plist_fixtures.py), must read back as the
// values they were given.

#include "TestSupport.h"
#include "formats/plist/PropertyList.h"
#include "platform/text/Base64.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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

} // namespace
} // namespace scrivlette::plist
