#include "formats/rtf/RtfReader.h"

#include "TestSupport.h"
#include "formats/rtfd/FlatRtfd.h"

#include <gtest/gtest.h>

namespace scrivlette::rtf {
namespace {

std::string textOf(std::string_view rtf) {
    const auto document = parseRtf(rtf);
    if (document) {
        return document->plainText();
    }
    std::string refused = "<";
    refused += document.error().describe();
    return refused + ">";
}

TEST(RtfReader, RealClippingRtfReadsAsItsText) {
    const std::string& rtf =
        *test::realRepresentation("Text.textClipping", "public.rtf").asString();
    const auto document = parseRtf(rtf);
    ASSERT_TRUE(document) << document.error().describe();
    EXPECT_EQ(document->plainText(), "随后");
    const rtf::Run& run = document->paragraphs.front().runs.front();
    EXPECT_EQ(run.style.halfPoints, 32);
    EXPECT_EQ(run.style.foreground, (Color{211, 211, 211}));
    EXPECT_EQ(run.style.background, (Color{26, 26, 26}));
}

TEST(RtfReader, StickiesNoteReadsAsKoreanThroughItsCodePage) {
    const auto wrapper = readFlatRtfd(test::readBytes(test::realFile("stickies-note.flat-rtfd")));
    ASSERT_TRUE(wrapper);
    const auto document = parseRtf(wrapper->children.front().wrapper.contents.view());
    ASSERT_TRUE(document) << document.error().describe();
    const std::string text = document->plainText();
    EXPECT_TRUE(
        text.starts_with("Rush- team project due to Sunday 11:42pm\n\nTerminal -> ssh-keygen"))
        << text;
    EXPECT_NE(text.find("\nMan ; manual\n매뉴얼 검색하는 법\n"), std::string::npos) << text;
    EXPECT_NE(text.find("cd + ‘foldername’ : moved"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\n\nPlum"));
    EXPECT_TRUE(document->paragraphs.front().runs.front().style.bold);
}

TEST(RtfReader, StylesAndParagraphs) {
    const auto document = parseRtf(
        "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "plain {\\b bold} {\\i italic} {\\ul under\\ulnone line} {\\strike gone} {\\fs48 big}"
        " {\\cf1 red}{\\cb2 blue back}\\par\\pard\\qc centred\\line next\\tab tab\\par\\qr right}");
    ASSERT_TRUE(document) << document.error().describe();
    EXPECT_EQ(document->plainText(),
              "plain bold italic underline gone big redblue back\ncentred\nnext\ttab\nright");
    ASSERT_EQ(document->paragraphs.size(), 3u);
    const auto& runs = document->paragraphs[0].runs;
    auto runWith = [&](std::string_view text) -> const rtf::Run& {
        for (const rtf::Run& run : runs) {
            if (run.text.starts_with(text)) {
                return run;
            }
        }
        ADD_FAILURE() << "no run " << text;
        return runs.front();
    };
    EXPECT_TRUE(runWith("bold").style.bold);
    EXPECT_TRUE(runWith("italic").style.italic);
    EXPECT_TRUE(runWith("under").style.underline);
    EXPECT_FALSE(runWith("line").style.underline);
    EXPECT_TRUE(runWith("gone").style.strikethrough);
    EXPECT_EQ(runWith("big").style.halfPoints, 48);
    EXPECT_EQ(runWith("red").style.foreground, (Color{255, 0, 0}));
    EXPECT_EQ(runWith("blue back").style.background, (Color{0, 0, 255}));
    EXPECT_FALSE(runWith("plain ").style.bold);
    EXPECT_EQ(document->paragraphs[1].alignment, Alignment::center);
    EXPECT_EQ(document->paragraphs[2].alignment, Alignment::right);
}

TEST(RtfReader, CharactersThroughCodePagesAndUnicode) {
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"ANSI code page", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'93q\\'94}", "café “q”"},
        {"raw 8-bit byte", "{\\rtf1\\ansi\\ansicpg1252 caf\xe9}", "café"},
        {"Mac character set", "{\\rtf1\\mac caf\\'8e}", "café"},
        {"Cyrillic page", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", "При"},
        {"font character set, double byte",
         "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fnil\\fcharset128 Osaka;}\\f1 "
         "\\'82\\'a0\\f0 x}",
         "あx"},
        {"unicode with fallback", "{\\rtf1\\uc1 a\\u233?b}", "aéb"},
        {"unicode skipping two", "{\\rtf1\\uc2 \\u233\\'e9\\'e9 x}", "é x"},
        {"no fallback", "{\\rtf1\\uc0\\u38543 \\u21518 }", "随后"},
        {"negative value", "{\\rtf1\\u-3966?}", "\uF082"},
        {"surrogate pair", "{\\rtf1\\u-10180?\\u-8311?}", "🎉"},
        {"lone high surrogate", "{\\rtf1\\u-10180?x}", "\uFFFDx"},
        {"symbols", "{\\rtf1 a\\emdash b\\~c\\_d\\-e\\{\\}\\\\}", "a—b\u00A0c\u2011de{}\\"},
        {"backslash-newline", "{\\rtf1 one\\\ntwo\\\r\nthree}", "one\ntwo\nthree"},
        {"skipped destinations",
         "{\\rtf1{\\*\\generator Writer;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\pict "
         "0123}"
         "{\\*\\unknown secret}shown}",
         "shown"},
        {"field result",
         "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt the link}}.}",
         "see the link."},
        {"attachment character",
         "{\\rtf1 {{\\NeXTGraphic a.tiff \\width100 \\height100}\\'ac}after}", "after"},
        {"raw attachment character", "{\\rtf1\\ansi {{\\NeXTGraphic b.png}\xac}next \xac}",
         "next ¬"},
        {"binary data", "{\\rtf1 a{\\bin3 }}}b}", "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textOf(c.rtf), c.text);
    }
}

TEST(RtfReader, HostileInputEndsCleanly) {
    EXPECT_FALSE(parseRtf("plain text"));
    EXPECT_FALSE(parseRtf(""));
    EXPECT_FALSE(parseRtf("{\\rtf1" + std::string(maxGroupDepth + 10, '{')));
    EXPECT_TRUE(parseRtf("{\\rtf1" + std::string(maxGroupDepth - 10, '{') + "x"));
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"unbalanced closing", "{\\rtf1 a}}}} b", "a b"},
        {"never closed", "{\\rtf1 {{{ a", " a"},
        {"huge numbers", "{\\rtf1\\fs99999999999999999999999 \\uc99999999999 x\\u9999999999999}",
         "x"},
        {"cut-short hex", "{\\rtf1 a\\'4", "a"},
        {"bare hex escape", "{\\rtf1 a\\'", "a"},
        {"backslash at the end", "{\\rtf1 a\\", "a"},
        {"binary longer than the file", "{\\rtf1 a\\bin999999999 rest", "a"},
        {"endless word", "{\\rtf1 \\" + std::string(100000, 'a') + " x}", "x"},
        {"colour out of range", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf99 x\\cb-4 y}",
         "xy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textOf(c.rtf), c.text);
    }
}

} // namespace
} // namespace scrivlette::rtf
