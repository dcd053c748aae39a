#include "model/ClipDetail.h"

#include "model/ClipDescription.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace scrivlette {
namespace {

using Json = nlohmann::ordered_json;

ClipDetail sample(std::optional<Bytes> data = Bytes::copyOf(std::string_view("bytes"))) {
    return ClipDetail("public.html", "<b>hi</b>", std::move(data), true);
}

TEST(ClipDetail, EqualityComparesEveryFieldAsUnicodeText) {
    const ClipDetail clip = sample();
    const ClipDetail copy = clip;
    EXPECT_EQ(clip, copy);
    EXPECT_EQ(std::hash<ClipDetail>{}(clip), std::hash<ClipDetail>{}(copy));
    EXPECT_NE(sample(), sample()) << "entries made separately have their own ids";

    const auto variant = [&](auto change) {
        ClipDetail other = clip;
        change(other);
        return other;
    };
    const struct {
        const char* name;
        ClipDetail other;
        bool equal;
    } cases[] = {
        {"different title", variant([](ClipDetail& c) { c.title = "public.rtf"; }), false},
        {"different content", variant([](ClipDetail& c) { c.content = "<i>hi</i>"; }), false},
        {"different bytes",
         variant([](ClipDetail& c) { c.data = Bytes::copyOf(std::string_view("other")); }), false},
        {"absent data", variant([](ClipDetail& c) { c.data.reset(); }), false},
        {"flag", variant([](ClipDetail& c) { c.useStringForData = false; }), false},
        {"new id", variant([](ClipDetail& c) { c.id = Uuid::random(); }), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(clip == c.other, c.equal);
    }

    // "é" precomposed and decomposed: one entry, one hash.
    ClipDetail composed("caf\u00E9", "\u00E9t\u00E9", std::nullopt, true);
    ClipDetail decomposed = composed;
    decomposed.title = "cafe\u0301";
    decomposed.content = "e\u0301te\u0301";
    EXPECT_EQ(composed, decomposed);
    EXPECT_EQ(std::hash<ClipDetail>{}(composed), std::hash<ClipDetail>{}(decomposed));
}

TEST(ClipDetail, EncodesUnderItsKeysInOrderAndDecodesBack) {
    const ClipDetail clip = sample();
    const Json encoded = encode(clip);
    std::vector<std::string> keys;
    for (const auto& item : encoded.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"id", "title", "content", "data", "useStringForData"}));
    EXPECT_EQ(encoded["id"], clip.id.toString());
    EXPECT_EQ(encoded["data"], "Ynl0ZXM=");
    const auto decoded = decodeClipDetail(encoded);
    ASSERT_TRUE(decoded) << decoded.error().message;
    EXPECT_EQ(*decoded, clip);

    const ClipDetail withoutData = sample(std::nullopt);
    const Json lean = encode(withoutData);
    EXPECT_EQ(lean.size(), 4u);
    EXPECT_FALSE(lean.contains("data"));
    EXPECT_EQ(decodeClipDetail(lean).value(), withoutData);

    const auto emptyBack = decodeClipDetail(encode(sample(Bytes())));
    ASSERT_TRUE(emptyBack);
    EXPECT_TRUE(emptyBack->data.has_value()) << "empty bytes are not no bytes";
}

TEST(ClipDetail, DecodingFailsOnMissingOrMistypedKeys) {
    const Json good = encode(sample());
    const auto without = [&](const char* key) {
        Json copy = good;
        copy.erase(key);
        return copy;
    };
    const auto with = [&](const char* key, Json value) {
        Json copy = good;
        copy[key] = std::move(value);
        return copy;
    };
    const struct {
        const char* name;
        Json object;
        bool decodes;
    } cases[] = {
        {"complete", good, true},
        {"null data", with("data", nullptr), true},
        {"no id", without("id"), false},
        {"no title", without("title"), false},
        {"no content", without("content"), false},
        {"no useStringForData", without("useStringForData"), false},
        {"id not a UUID", with("id", "not-a-uuid"), false},
        {"id a number", with("id", 7), false},
        {"title a number", with("title", 1), false},
        {"content null", with("content", nullptr), false},
        {"flag a string", with("useStringForData", "true"), false},
        {"data a number", with("data", 5), false},
        {"data not base64", with("data", "***"), false},
        {"an array", Json::array(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeClipDetail(c.object).hasValue(), c.decodes);
    }
}

TEST(ClipDetail, DescribedInWords) {
    const auto bytes = [](std::size_t size) { return Bytes::copyOf(std::string(size, 'x')); };
    const struct {
        ClipDetail clip;
        ClipWords words;
    } rows[] = {
        {ClipDetail("public.utf16-plain-text", "a", bytes(2), true),
         {"Plain text, UTF-16 little-endian", std::nullopt}},
        {ClipDetail("public.rtf", "{\\rtf1}", std::nullopt, true),
         {"Rich text (RTF)", std::nullopt}},
        {ClipDetail("com.apple.pict", "", bytes(481762), false), {"PICT picture", 481762}},
        {ClipDetail("com.apple.webarchive", "", bytes(0), false), {"Web archive", 0}},
        {ClipDetail("org.example.unknown", "", bytes(1000), false), {"Data", 1000}},
        {ClipDetail("org.example.unknown", "text", std::nullopt, false), {"Text", std::nullopt}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.clip.title);
        EXPECT_EQ(describeClip(row.clip), row.words);
    }
}

} // namespace
} // namespace scrivlette
