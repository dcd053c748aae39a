#include "TestSupport.h"
#include "platform/TextDecoding.h"
#include "platform/plist/PropertyList.h"

#include <gtest/gtest.h>

namespace scrivlette::plist {
namespace {

std::vector<std::string> keysOf(const Dictionary& dictionary) {
    std::vector<std::string> keys;
    for (const auto& entry : dictionary.entries()) {
        keys.push_back(entry.keyString());
    }
    return keys;
}

NodePtr parseReal(std::string_view name) {
    const auto result = parse(test::readBytes(test::realFile(name)));
    if (!result) {
        ADD_FAILURE() << name << ": " << result.error().describe();
        return nullptr;
    }
    return *result;
}

TEST(RealFiles, TextClippingsHoldTheirRepresentationsInFileOrder) {
    const NodePtr text = parseReal("Text.textClipping");
    ASSERT_TRUE(text);
    const Dictionary& data = *text->asDictionary()->find("UTI-Data")->asDictionary();
    EXPECT_EQ(keysOf(data), (std::vector<std::string>{"public.utf8-plain-text",
                                                      "com.apple.traditional-mac-plain-text",
                                                      "com.apple.webarchive", "public.html",
                                                      "public.utf16-external-plain-text",
                                                      "public.rtf", "public.utf16-plain-text"}));
    EXPECT_EQ(*data.find("public.utf8-plain-text")->asString(), "随后");
    EXPECT_EQ(data.find("com.apple.traditional-mac-plain-text")->asData()->size(), 0u);
    EXPECT_EQ(data.find("com.apple.webarchive")->asData()->size(), 906u);
    EXPECT_EQ(data.find("public.html")->asData()->size(), 624u);
    EXPECT_EQ(*decodeUtf16(data.find("public.utf16-external-plain-text")->asData()->span()),
              "随后");
    EXPECT_NE(data.find("public.rtf")->asString()->find("\\uc0\\u38543 \\u21518"),
              std::string::npos);
    EXPECT_EQ(*decodeUtf16LittleEndian(data.find("public.utf16-plain-text")->asData()->span()),
              "随后");

    // The web archive is itself a binary property list.
    EXPECT_TRUE(parse(*data.find("com.apple.webarchive")->asData()));

    const struct {
        const char* file;
        const char* text;
    } simple[] = {{"Notes.textClipping", "Notes"},
                  {"README.textClipping", "README"},
                  // macOS stored this バ decomposed, as ハ and a combining mark.
                  {"1.textClipping", "ラハ\u3099ーコースター導入の総合提案"}};
    for (const auto& c : simple) {
        SCOPED_TRACE(c.file);
        const NodePtr root = parseReal(c.file);
        ASSERT_TRUE(root);
        const Dictionary& reps = *root->asDictionary()->find("UTI-Data")->asDictionary();
        EXPECT_EQ(keysOf(reps),
                  (std::vector<std::string>{"com.apple.traditional-mac-plain-text",
                                            "public.utf8-plain-text", "public.utf16-plain-text"}));
        EXPECT_EQ(*reps.find("public.utf8-plain-text")->asString(), c.text);
        EXPECT_EQ(*decodeUtf16LittleEndian(reps.find("public.utf16-plain-text")->asData()->span()),
                  c.text);
    }
}

TEST(RealFiles, PictureClippingsHoldOSTypeAndUTIData) {
    const NodePtr picture = parseReal("Picture clipping.pictClipping");
    ASSERT_TRUE(picture);
    EXPECT_EQ(keysOf(*picture->asDictionary()),
              (std::vector<std::string>{"OSType-Data", "UTI-Data"}));
    const Dictionary& reps = *picture->asDictionary()->find("UTI-Data")->asDictionary();
    EXPECT_EQ(reps.find("com.apple.pict")->asData()->size(), 481762u);
    EXPECT_EQ(reps.find("public.tiff"), nullptr);
    EXPECT_NE(reps.find("com.adobe.pdf"), nullptr);

    const NodePtr illustration = parseReal("Picture clipping from illustration.pictClipping");
    ASSERT_TRUE(illustration);
    const Dictionary& more = *illustration->asDictionary()->find("UTI-Data")->asDictionary();
    EXPECT_EQ(more.size(), 7u);
    EXPECT_EQ(more.find("com.apple.pict")->asData()->size(), 94u);
}

TEST(RealFiles, WeblocsHoldOneURL) {
    const struct {
        const char* file;
        const char* url;
    } cases[] = {
        {"PLAY_ME.webloc", "https://bit.ly/2YGgKAr"},
        {"Donate.webloc", "http://cyberduck.ch/donate/"},
        {"Documentation.webloc", "https://roomscan-api.locometric.com/documentation/roomscanapi/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const NodePtr root = parseReal(c.file);
        ASSERT_TRUE(root);
        ASSERT_EQ(root->asDictionary()->size(), 1u);
        EXPECT_EQ(*root->asDictionary()->find("URL")->asString(), c.url);
    }
}

} // namespace
} // namespace scrivlette::plist
