#include "model/ClipContent.h"

#include "../platform/TestSupport.h"
#include "ModelTestSupport.h"
#include "model/ClipConversion.h"
#include "model/ClipInfo.h"

#include <gtest/gtest.h>

namespace scrivlette {
namespace {

std::string squeezed(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            space = !out.empty();
        } else {
            if (space) {
                out.push_back(' ');
                space = false;
            }
            out.push_back(c);
        }
    }
    return out;
}

class ClipConversion : public test::ModelTest {};

// What the formatted entries of a real clipping read as is the clipping's
// own plain text, once runs of white space are one space.
TEST_F(ClipConversion, ReadableTextOfRealClippingsIsTheirPlainText) {
    for (const char* name : {"Text.textClipping", "Rich web text.textClipping"}) {
        SCOPED_TRACE(name);
        const auto info = ClipInfo::create();
        ASSERT_TRUE(info->readClipping(*Url::fromFilePath(test::realFile(name).string())));
        std::string plain;
        for (const ClipDetail& clip : info->clipList()) {
            if (clip.title == "public.utf8-plain-text") {
                plain = clip.content;
            }
        }
        int formatted = 0;
        for (const ClipDetail& clip : info->clipList()) {
            if (conversionFor(clip) != Conversion::text) {
                continue;
            }
            SCOPED_TRACE(clip.title);
            ++formatted;
            const auto text = convertClip(clip, Conversion::text);
            ASSERT_TRUE(text) << text.error();
            EXPECT_EQ(squeezed(text->view()), squeezed(plain));
        }
        EXPECT_GE(formatted, 3);
    }
}

TEST_F(ClipConversion, OnlyWhatConvertsIsOffered) {
    const ClipDetail text("public.utf8-plain-text", "hi", std::nullopt, true);
    const ClipDetail pict("com.apple.pict", "[data size: 3]",
                          Bytes::copyOf(std::string_view("abc")), false);
    const ClipDetail html("public.html", "<p>a &amp; <b>b</b></p><script>x()</script>",
                          Bytes::copyOf(std::string_view("<p>a &amp; <b>b</b></p>")), true);
    EXPECT_EQ(conversionFor(text), std::nullopt);
    EXPECT_EQ(conversionFor(pict), Conversion::png);
    EXPECT_EQ(conversionFor(html), Conversion::text);
    EXPECT_FALSE(convertClip(text, Conversion::text));
    EXPECT_FALSE(convertClip(pict, Conversion::png)) << "three bytes are no picture";
    const auto read = convertClip(html, Conversion::text);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read->view(), "a & b");
    EXPECT_EQ(convertedType(Conversion::png).extensions.front(), "png");
}

TEST(ClipContent, OnlyWebFtpAndMailAddressesMayOpen) {
    for (const char* address : {"http://a.example/", "HTTPS://a.example/x", "ftp://host/file",
                                "mailto:someone@example.com"}) {
        EXPECT_TRUE(mayOpen(address)) << address;
    }
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "smb://host/share",
                                "news:comp.sys.mac", "no address", ""}) {
        EXPECT_FALSE(mayOpen(address)) << address;
    }
}

} // namespace
} // namespace scrivlette
