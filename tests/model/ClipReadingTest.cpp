#include "model/ClipReading.h"

#include "../platform/TestSupport.h"
#include "ModelTestSupport.h"
#include "platform/text/Base64.h"

#include <algorithm>

namespace scrivlette {
namespace {

using test::xmlPlist;

class ClipReading : public test::ModelTest {
protected:
    std::shared_ptr<ClipInfo> info_ = nullptr;
    void SetUp() override {
        ModelTest::SetUp();
        info_ = ClipInfo::create();
    }
    void TearDown() override {
        info_.reset();
        ModelTest::TearDown();
    }
};

std::string dataElement(std::string_view base64) {
    return "<data>" + std::string(base64) + "</data>";
}

std::string utiData(std::string_view entries) {
    return xmlPlist("<dict><key>UTI-Data</key><dict>" + std::string(entries) + "</dict></dict>");
}

std::vector<std::string> titles(const std::vector<ClipDetail>& clips) {
    std::vector<std::string> out;
    for (const auto& clip : clips) {
        out.push_back(clip.title);
    }
    return out;
}

TEST_F(ClipReading, TextClippingMakesOneEntryPerKeyInOrder) {
    // The Mac OS Roman value is the single byte 0x8E, "é".
    const std::string file =
        utiData("<key>public.utf8-plain-text</key><string>caf\u00E9</string>"
                "<key>public.rtf</key><string>{\\rtf1 x}</string>"
                "<key>com.apple.webarchive</key>" +
                dataElement("YnBsaXN0MDA=") + "<key>public.html</key>" +
                dataElement("PGI+aGk8L2I+") + "<key>public.utf16-external-plain-text</key>" +
                dataElement("//5hAA==") + "<key>public.utf16-plain-text</key>" +
                dataElement("YQBiAA==") + "<key>com.apple.traditional-mac-plain-text</key>" +
                dataElement("jg==") + "<key>com.apple.flat-rtfd</key>" + dataElement("cnRmZA==") +
                "<key>public.empty</key><data></data>");
    ASSERT_TRUE(info_->readClipping(write("Mixed.textClipping", file)));
    const auto clips = info_->clipList();
    EXPECT_EQ(titles(clips),
              (std::vector<std::string>{
                  "public.utf8-plain-text", "public.rtf", "com.apple.webarchive", "public.html",
                  "public.utf16-external-plain-text", "public.utf16-plain-text",
                  "com.apple.traditional-mac-plain-text", "com.apple.flat-rtfd", "public.empty"}));
    const struct {
        const char* content;
        std::optional<std::string> data;
        bool useString;
    } expected[] = {
        {"café", std::nullopt, true},
        {"{\\rtf1 x}", std::nullopt, true},
        {"[data size: 8]", "bplist00", false},
        {"<b>hi</b>", "<b>hi</b>", true},
        {"a", std::string("\xFF\xFE\x61\x00", 4), true},
        {"ab", std::string("a\0b\0", 4), true},
        {"é", "\x8E", true},
        {"[data size: 4]", "rtfd", false},
        {"[data size: 0]", "", false},
    };
    ASSERT_EQ(clips.size(), std::size(expected));
    for (std::size_t i = 0; i < clips.size(); ++i) {
        SCOPED_TRACE(clips[i].title);
        EXPECT_EQ(clips[i].content, expected[i].content);
        EXPECT_EQ(clips[i].useStringForData, expected[i].useString);
        ASSERT_EQ(clips[i].data.has_value(), expected[i].data.has_value());
        if (clips[i].data) {
            EXPECT_EQ(clips[i].data->view(), *expected[i].data);
        }
    }
    EXPECT_EQ(info_->clippingName(), "Mixed.textClipping");

    // Text that does not decode keeps its bytes, with no content.
    const auto broken = ClipInfo::create();
    ASSERT_TRUE(broken->readClipping(write(
        "Broken.textClipping",
        utiData("<key>public.html</key>" + dataElement("w88=") +                // C3 CF
                "<key>public.utf16-plain-text</key>" + dataElement("ANg="))))); // a lone surrogate
    ASSERT_EQ(broken->clipList().size(), 2u);
    for (const ClipDetail& clip : broken->clipList()) {
        EXPECT_EQ(clip.content, "") << clip.title;
        EXPECT_EQ(clip.data->size(), 2u) << clip.title;
    }
}

// A preview decodes only the start of the first text, and must give what
// the whole reading gives, cut at a character: wherever the cut falls in a
// character of two, three or four bytes or a surrogate pair, in each encoding.
TEST_F(ClipReading, TheFirstTextsStartIsTheWholeReadingsStart) {
    std::string text;
    std::u16string wide;
    for (int i = 0; i < 40; ++i) {
        text += "a\u00E9\u65E5\U0001F600\n";
        wide += u"a\u00E9\u65E5\U0001F600\n";
    }
    std::string little, big = "\xFE\xFF";
    for (char16_t unit : wide) {
        little += {char(unit & 0xFF), char(unit >> 8)};
        big += {char(unit >> 8), char(unit & 0xFF)};
    }
    const auto data = [](const std::string& bytes) {
        return dataElement(
            encodeBase64({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
    };
    const std::pair<const char*, std::string> files[] = {
        {"string", "<key>public.utf8-plain-text</key><string>" + text + "</string>"},
        {"UTF-16 little-endian", "<key>public.rtfd</key>" + data("x") +
                                     "<key>public.utf16-plain-text</key>" + data(little)},
        {"UTF-16 with its mark", "<key>public.utf16-external-plain-text</key>" + data(big)},
        {"UTF-8 bytes", "<key>public.html</key>" + data(text)},
        // Found by the thumbnail fuzzer: a UTF-16 text of one byte, whose
        // start was once looked for before its first unit.
        {"one byte of UTF-16 first", "<key>public.utf16-plain-text</key>" + data("R") +
                                         "<key>public.utf8-plain-text</key><string>" + text +
                                         "</string>"},
    };
    for (const auto& [name, entries] : files) {
        const Url url = write(std::string(name) + ".textClipping", utiData(entries));
        const auto whole = ClipInfo::create();
        ASSERT_TRUE(whole->readClipping(url));
        const auto clips = whole->clipList();
        const auto first = std::find_if(clips.begin(), clips.end(), [](const ClipDetail& clip) {
            return clip.useStringForData && !clip.content.empty();
        });
        ASSERT_NE(first, clips.end());
        for (std::size_t maxBytes : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 99, 100, 5000}) {
            SCOPED_TRACE(std::string(name) + ", " + std::to_string(maxBytes) + " bytes");
            const auto start = readFirstText(*url.filePath(), maxBytes);
            ASSERT_TRUE(start) << start.error().message;
            std::size_t cut = std::min(maxBytes, first->content.size());
            while (cut > 0 && cut < first->content.size() &&
                   (static_cast<unsigned char>(first->content[cut]) & 0xC0) == 0x80) {
                --cut;
            }
            EXPECT_EQ(*start, first->content.substr(0, cut));
        }
    }
}

TEST_F(ClipReading, PictureClippingTakesOnlyTiffAndPict) {
    const std::string file =
        utiData("<key>com.adobe.pdf</key><string>never looked at</string>"
                "<key>com.apple.pict</key>" +
                dataElement("AAEC") + "<key>public.png</key>" + dataElement("AA==") +
                "<key>public.tiff</key>" + dataElement("TU0AKg=="));
    ASSERT_TRUE(info_->readClipping(write("P.pictClipping", file)));
    const auto clips = info_->clipList();
    ASSERT_EQ(titles(clips), (std::vector<std::string>{"com.apple.pict", "public.tiff"}));
    EXPECT_EQ(clips[0].content, "[data size: 3]");
    EXPECT_EQ(clips[1].content, "[data size: 4]");
    EXPECT_FALSE(clips[1].useStringForData);

    const auto other = ClipInfo::create();
    EXPECT_TRUE(other->readClipping(
        write("Only.pictClipping", utiData("<key>com.adobe.pdf</key>" + dataElement("AA==")))));
    EXPECT_TRUE(other->clipList().empty());
}

TEST_F(ClipReading, InternetLocationsMakeOneURLEntry) {
    const std::string file =
        xmlPlist("<dict><key>UTI-Data</key><dict><key>public.utf8-plain-text</key><string>ignored</"
                 "string></dict>"
                 "<key>URL</key><string>mailto:someone@example.com</string></dict>");
    for (const char* name : {"Mail.mailloc", "Web.webloc", "WEB.WEBLOC"}) {
        SCOPED_TRACE(name);
        const auto info = ClipInfo::create();
        ASSERT_TRUE(info->readClipping(write(name, file)));
        const auto clips = info->clipList();
        ASSERT_EQ(clips.size(), 1u);
        EXPECT_EQ(clips[0].title, "URL");
        EXPECT_EQ(clips[0].content, "mailto:someone@example.com");
        EXPECT_FALSE(clips[0].data.has_value());
        EXPECT_TRUE(clips[0].useStringForData);
    }
}

TEST_F(ClipReading, FailuresLeaveTheDocumentAsTheTableSays) {
    const std::string goodText = utiData("<key>public.utf8-plain-text</key><string>x</string>");
    struct Case {
        const char* name;
        std::string file;
        std::string contents;
        std::string reason;
    };
    const Case cases[] = {
        {"wrong type", "page.webarchive", goodText,
         "not a clipping file (type com.apple.webarchive)"},
        {"unknown extension", "notes.txt", goodText,
         "not a clipping file (type public.plain-text)"},
        {"no extension", "Clipping", goodText, "not a clipping file (unknown type)"},
        {"not a property list", "a.textClipping", "just words {", "not a property list"},
        {"empty file", "empty.textClipping", "",
         "empty file, and no resource fork beside it (looked for "},
        {"empty root", "b.textClipping", xmlPlist("<dict/>"), "empty property list"},
        {"root an array", "c.textClipping", xmlPlist("<array><string>x</string></array>"),
         "not a dictionary"},
        {"empty URL", "d.webloc", xmlPlist("<dict><key>URL</key><string></string></dict>"),
         "empty URL"},
        {"no URL", "e.webloc", xmlPlist("<dict><key>other</key><string>x</string></dict>"),
         "no \"URL\""},
        {"URL not a string", "f.mailloc",
         xmlPlist("<dict><key>URL</key><integer>3</integer></dict>"), "\"URL\" is a integer"},
        {"empty UTI-Data", "g.textClipping", utiData(""), "empty \"UTI-Data\""},
        {"no UTI-Data", "h.pictClipping", xmlPlist("<dict><key>URL</key><string>x</string></dict>"),
         "no \"UTI-Data\""},
        {"UTI-Data not a dictionary", "i.textClipping",
         xmlPlist("<dict><key>UTI-Data</key><array/></dict>"), "not a dictionary"},
        {"text value mistyped after good ones", "j.textClipping",
         utiData("<key>public.utf8-plain-text</key><string>x</string><key>public.rtf</key>" +
                 dataElement("AA==")),
         "\"public.rtf\" is a data, not string"},
        {"data value given as string", "k.textClipping",
         utiData("<key>public.utf8-plain-text</key><string>x</string><key>public.html</"
                 "key><string>x</string>"),
         "\"public.html\" is a string, not data"},
        {"picture value mistyped", "l.pictClipping",
         utiData("<key>public.tiff</key>" + dataElement("AA==") +
                 "<key>com.apple.pict</key><true/>"),
         "\"com.apple.pict\" is a boolean"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto info = ClipInfo::create();
        info->setClippingName("before");
        test::NoticeCounter notices(*info);
        const auto problem = info->readClippingWithReason(write(c.file, c.contents));
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->message.find(c.reason), std::string::npos) << problem->message;
        const bool notAClipping = std::string_view(c.reason).starts_with("not a clipping");
        const bool damagedBytes = c.contents == "just words {";
        EXPECT_EQ(problem->kind, notAClipping         ? ErrorKind::NotAClipping
                                 : damagedBytes       ? ErrorKind::Malformed
                                 : c.contents.empty() ? ErrorKind::Empty
                                                      : ErrorKind::Malformed);
        EXPECT_EQ(problem->placed(), damagedBytes) << "only the bytes' own faults have a place";
        EXPECT_TRUE(info->clipList().empty());
        EXPECT_EQ(info->clippingName(), c.file);
        EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 0);
    }
}

TEST_F(ClipReading, UnreachableFilesFailWithTheNameSetOrUntouched) {
    const auto info = ClipInfo::create();
    info->setClippingName("kept");
    EXPECT_FALSE(info->readClipping(*Url::fromString("https://example.com/a.textClipping")));
    EXPECT_EQ(info->clippingName(), "kept") << "not a file URL: nothing changes";

    EXPECT_FALSE(info->readClipping(urlOf(directory_ / "missing.textClipping")));
    EXPECT_EQ(info->clippingName(), "missing.textClipping");
    EXPECT_FALSE(info->readClipping(*Url::fromString("file://elsewhere/share/x.webloc")));
    EXPECT_EQ(info->clippingName(), "x.webloc");
    std::filesystem::create_directories(directory_ / "folder.textClipping");
    EXPECT_FALSE(info->readClipping(urlOf(directory_ / "folder.textClipping")));
    EXPECT_TRUE(info->clipList().empty());
}

TEST_F(ClipReading, RealFilesGiveTheEntriesTheyHold) {
    const struct {
        const char* file;
        std::vector<std::pair<std::string, std::string>> entries; // title, content
    } cases[] = {
        {"Text.textClipping",
         {{"public.utf8-plain-text", "随后"},
          {"com.apple.traditional-mac-plain-text", ""},
          {"com.apple.webarchive", "[data size: 906]"},
          {"public.html", ""},
          {"public.utf16-external-plain-text", "随后"},
          {"public.rtf", ""},
          {"public.utf16-plain-text", "随后"}}},
        {"1.textClipping",
         {{"com.apple.traditional-mac-plain-text", ""},
          {"public.utf8-plain-text", "ラハ\u3099ーコースター導入の総合提案"},
          {"public.utf16-plain-text", "ラハ\u3099ーコースター導入の総合提案"}}},
        {"Picture clipping from illustration.pictClipping",
         {{"com.apple.pict", "[data size: 94]"}}},
        {"PLAY_ME.webloc", {{"URL", "https://bit.ly/2YGgKAr"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto info = ClipInfo::create();
        ASSERT_TRUE(info->readClipping(urlOf(test::realFile(c.file))));
        const auto clips = info->clipList();
        ASSERT_EQ(clips.size(), c.entries.size());
        for (std::size_t i = 0; i < clips.size(); ++i) {
            EXPECT_EQ(clips[i].title, c.entries[i].first);
            // HTML and RTF are long; their openings are enough here.
            if (clips[i].title == "public.html") {
                EXPECT_TRUE(clips[i].content.starts_with("<meta charset=\"UTF-8\">"));
            } else if (clips[i].title == "public.rtf") {
                EXPECT_TRUE(clips[i].content.starts_with("{\\rtf1\\ansi"));
            } else {
                EXPECT_EQ(clips[i].content, c.entries[i].second);
            }
        }
        EXPECT_EQ(info->clippingName(), c.file);
    }
}

} // namespace
} // namespace scrivlette
