#include "platform/Url.h"

#include <gtest/gtest.h>

namespace scrivlette {
namespace {

TEST(Url, FileUrlsRoundTripThroughPaths) {
    const struct {
        const char* path;
        const char* url;
        const char* lastComponent;
    } cases[] = {
        {"/home/a/My Clip.textClipping", "file:///home/a/My%20Clip.textClipping",
         "My Clip.textClipping"},
        {"/tmp/Grüße 随后.webloc", "file:///tmp/Gr%C3%BC%C3%9Fe%20%E9%9A%8F%E5%90%8E.webloc",
         "Grüße 随后.webloc"},
        {"/a/100%?#x", "file:///a/100%25%3F%23x", "100%?#x"},
        {"/a/b+c;d=e@f", "file:///a/b+c;d=e@f", "b+c;d=e@f"},
        {"/", "file:///", "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto url = Url::fromFilePath(c.path);
        ASSERT_TRUE(url);
        EXPECT_EQ(url->absoluteString(), c.url);
        EXPECT_TRUE(url->isFileURL());
        EXPECT_EQ(url->filePath(), c.path);
        EXPECT_EQ(url->lastPathComponent(), c.lastComponent);
        const auto back = Url::fromDataRepresentation(url->dataRepresentation());
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, *url);
    }
    EXPECT_FALSE(Url::fromFilePath("relative/path"));
}

TEST(Url, DataRepresentationRefusesWhatIsNoUrl) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"no scheme", "/home/a/file.textClipping"},
        {"scheme starting with a digit", "1abc:/x"},
        {"invalid UTF-8", "file:///a/\xFF"},
        {"space", "file:///a b"},
        {"control character", "file:///a\nb"},
        {"empty scheme", ":/x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Url::fromDataRepresentation(
            {reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()}));
    }
}

TEST(Url, SchemesHostsAndComponents) {
    const auto web = Url::fromString("https://example.com/a/b%20c/?q=1#top");
    ASSERT_TRUE(web);
    EXPECT_FALSE(web->isFileURL());
    EXPECT_EQ(web->filePath(), std::nullopt);
    EXPECT_EQ(web->lastPathComponent(), "b c");

    EXPECT_TRUE(Url::fromString("FILE:///x")->isFileURL());
    EXPECT_EQ(Url::fromString("file://localhost/etc/hosts")->filePath(), "/etc/hosts");
    // Another machine's file is a file URL, but not one this machine can open.
    const auto remote = Url::fromString("file://server/share/a.textClipping");
    EXPECT_TRUE(remote->isFileURL());
    EXPECT_EQ(remote->filePath(), std::nullopt);
    EXPECT_EQ(remote->lastPathComponent(), "a.textClipping");
    EXPECT_EQ(Url::fromString("file:///a/%00b")->filePath(), std::nullopt);
    EXPECT_EQ(Url::fromString("mailto:someone@example.com")->lastPathComponent(),
              "someone@example.com");
    EXPECT_EQ(Url::fromString("file:///a/%FF.txt")->lastPathComponent(), "%FF.txt");
    EXPECT_EQ(percentDecode("%41%zz%4"), "A%zz%4");
}

} // namespace
} // namespace scrivlette
