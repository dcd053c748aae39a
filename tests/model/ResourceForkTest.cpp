#include "formats/fork/ResourceFork.h"

#include "../platform/ForkBuilder.h"
#include "../platform/TestSupport.h"
#include "ModelTestSupport.h"
#include "formats/fork/AppleDouble.h"
#include "model/ClipReading.h"

#include <fstream>

namespace scrivlette {
namespace {

namespace fs = std::filesystem;
namespace fork = test::fork;

constexpr const char* unicodeText = "Here is some text, including Üñïçø∂é!";

class OldClippings : public test::ModelTest {
protected:
    void place(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string realFork() const {
        return std::string(test::readBytes(test::realFile("unicode.textClipping.rsrc")).view());
    }

    std::vector<ClipDetail> read(const fs::path& path, bool expected = true) {
        const auto info = ClipInfo::create();
        const auto problem = info->readClippingWithReason(urlOf(path));
        EXPECT_EQ(!problem, expected) << problem.value_or(ReadError{}).message;
        reason_ = problem ? problem->message : std::string();
        return info->clipList();
    }

    std::string reason_;
};

TEST_F(OldClippings, TheRealForkIsFoundInEveryCompanionLayout) {
    const std::string fork = realFork();
    const std::string wrapped = fork::appleDouble("clpt", "drag", fork);
    const struct {
        const char* name;
        fs::path clipping;
        fs::path companion;
        std::string bytes;
    } layouts[] = {
        {"._NAME beside it", directory_ / "a" / "Unicode.textClipping",
         directory_ / "a" / "._Unicode.textClipping", wrapped},
        {"__MACOSX tree", directory_ / "b" / "Clips" / "Old" / "Unicode.textClipping",
         directory_ / "b" / "__MACOSX" / "Clips" / "Old" / "._Unicode.textClipping", wrapped},
        {".AppleDouble folder", directory_ / "c" / "Unicode.textClipping",
         directory_ / "c" / ".AppleDouble" / "Unicode.textClipping", wrapped},
        {"bare NAME.rsrc", directory_ / "d" / "Unicode.textClipping",
         directory_ / "d" / "Unicode.textClipping.rsrc", fork},
        {"AppleDouble NAME.rsrc", directory_ / "e" / "Unicode.textClipping",
         directory_ / "e" / "Unicode.textClipping.rsrc", wrapped},
        {"no extension, Finder info", directory_ / "f" / "Unicode", directory_ / "f" / "._Unicode",
         wrapped},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.name);
        place(layout.clipping, "");
        place(layout.companion, layout.bytes);
        const auto clips = read(layout.clipping);
        ASSERT_EQ(clips.size(), 3u);
        // In the order of the 'drag' resource: utxt, utf8, TEXT.
        EXPECT_EQ(clips[0].title, "public.utf16-external-plain-text");
        EXPECT_EQ(clips[1].title, "public.utf8-plain-text");
        EXPECT_EQ(clips[2].title, "com.apple.traditional-mac-plain-text");
        for (const ClipDetail& clip : clips) {
            EXPECT_EQ(clip.content, unicodeText) << clip.title;
            EXPECT_TRUE(clip.useStringForData);
        }
        EXPECT_FALSE(clips[1].data.has_value());
        EXPECT_EQ(clips[0].data->size(), 74u);
    }
}

// The one test of what is a clipping, which the window's Go, extract and the
// thumbnailer share: by extension in any case, without one by the Finder
// type its companion carries (found once, and kept for the reading), and
// never a companion or anything but a file.
TEST_F(OldClippings, WhatIsAClippingIsDecidedOnce) {
    place(directory_ / "Old", "");
    place(directory_ / "._Old", fork::appleDouble("ilht", "MACS", ""));
    place(directory_ / "Plain", "");
    place(directory_ / "A.WEBLOC", "");
    place(directory_ / "._A.webloc", "");
    place(directory_ / "A.textClipping.rsrc", "");
    place(directory_ / "__MACOSX" / "B.textClipping", "");
    place(directory_ / "notes.txt", "");
    fs::create_directories(directory_ / "Folder.textClipping");
    fs::create_symlink(directory_ / "A.WEBLOC", directory_ / "Link.pictClipping");
    const struct {
        const char* name;
        std::optional<ClippingKind> kind;
    } cases[] = {
        {"Old", ClippingKind::internetLocation},
        {"A.WEBLOC", ClippingKind::internetLocation},
        {"Link.pictClipping", ClippingKind::picture},
        {"Plain", std::nullopt},
        {"._A.webloc", std::nullopt},
        {"A.textClipping.rsrc", std::nullopt},
        {"__MACOSX/B.textClipping", std::nullopt},
        {"notes.txt", std::nullopt},
        {"Folder.textClipping", std::nullopt},
        {"Missing.textClipping", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto kind = clippingKind((directory_ / c.name).string());
        ASSERT_EQ(kind.has_value(), c.kind.has_value());
        if (kind) {
            EXPECT_EQ(kind->kind, *c.kind);
            EXPECT_EQ(kind->companion.has_value(), std::string_view(c.name) == "Old");
        }
    }
}

TEST_F(OldClippings, LocationsAndPicturesFromForks) {
    const fs::path web = directory_ / "Example";
    place(web, "");
    place(directory_ / "._Example",
          fork::appleDouble("ilht", "MACS",
                            fork::resourceFork({{"url ", 256, "https://example.com/"},
                                                {"TEXT", 256, "ignored"}})));
    const auto location = read(web);
    ASSERT_EQ(location.size(), 1u);
    EXPECT_EQ(location[0].title, "URL");
    EXPECT_EQ(location[0].content, "https://example.com/");

    const fs::path picture = directory_ / "Picture.pictClipping";
    place(picture, "");
    place(directory_ / "Picture.pictClipping.rsrc",
          fork::resourceFork({{"TEXT", 256, "caption"},
                              {"PICT", 256, std::string(10, '\x11')},
                              {"icns", 128, "x"}}));
    const auto pictures = read(picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].title, "com.apple.pict");
    EXPECT_EQ(pictures[0].content, "[data size: 10]");

    const fs::path textless = directory_ / "Nothing.pictClipping";
    place(textless, "");
    place(directory_ / "._Nothing.pictClipping",
          fork::appleDouble("clpp", "drag", fork::resourceFork({{"TEXT", 256, "x"}})));
    EXPECT_TRUE(read(textless, false).empty());
}

TEST_F(OldClippings, AModernClippingIgnoresAStrayCompanion) {
    const fs::path clipping = directory_ / "Notes.textClipping";
    fs::copy_file(test::realFile("Notes.textClipping"), clipping);
    place(directory_ / "._Notes.textClipping",
          fork::appleDouble("clpt", "drag", fork::resourceFork({{"utf8", 256, "from the fork"}})));
    const auto clips = read(clipping);
    ASSERT_EQ(clips.size(), 3u);
    for (const ClipDetail& clip : clips) {
        EXPECT_EQ(clip.content, "Notes");
    }
}

TEST_F(OldClippings, AnEmptyClippingWithNoForkSaysWhereItLooked) {
    const fs::path clipping = directory_ / "Lost.textClipping";
    place(clipping, "");
    EXPECT_TRUE(read(clipping, false).empty());
    EXPECT_NE(reason_.find("empty file, and no resource fork beside it"), std::string::npos)
        << reason_;
    EXPECT_NE(reason_.find("._Lost.textClipping"), std::string::npos);
    EXPECT_NE(reason_.find("__MACOSX"), std::string::npos);
    EXPECT_NE(reason_.find(".AppleDouble/Lost.textClipping"), std::string::npos);
}

TEST_F(OldClippings, HostileForksAreRefused) {
    const std::string good = fork::resourceFork({{"utf8", 256, "text"}, {"TEXT", 256, "text"}});
    auto patched = [&](std::size_t at, const std::string& bytes) {
        std::string copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const std::uint32_t mapOffset = 256 + 8 + 8;
    const std::size_t typeList = mapOffset + 28;
    const struct {
        const char* name;
        std::string fork;
    } cases[] = {
        {"too short", good.substr(0, 10)},
        {"data area past the end", patched(8, fork::u32(0x7FFFFFFF))},
        {"map past the end", patched(4, fork::u32(0xFFFFFFF0))},
        {"type count larger than the map", patched(typeList, fork::u16(0x7FFF))},
        {"reference list outside the map", patched(typeList + 2 + 6, fork::u16(0xFFF0))},
        {"resource data outside the data area",
         patched(typeList + 2 + 16 + 5, std::string("\x7F\xFF\xFF", 3))},
        {"length past the data area", patched(256, fork::u32(0xFFFFFFFF))},
        // Both types point at one reference list that claims many entries: a loop.
        {"map that loops", patched(typeList + 2 + 4, fork::u16(1))
                               .replace(typeList + 2 + 8 + 4, 4, fork::u16(1) + fork::u16(2 + 16))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(readResourceFork(Bytes::copyOf(std::string_view(c.fork))));
        const fs::path clipping = directory_ / (std::string(c.name) + ".textClipping");
        place(clipping, "");
        place(directory_ / (std::string(c.name) + ".textClipping.rsrc"), c.fork);
        EXPECT_TRUE(read(clipping, false).empty());
    }
    EXPECT_TRUE(readResourceFork(Bytes::copyOf(std::string_view(good))));

    const std::string appleDouble = fork::appleDouble("clpt", "drag", good);
    EXPECT_FALSE(readAppleDouble(Bytes::copyOf(std::string_view(appleDouble.substr(0, 40)))));
    std::string lying = appleDouble;
    lying.replace(26 + 12 + 8, 4, fork::u32(0x7FFFFFFF)); // the fork's length
    const auto refused = readAppleDouble(Bytes::copyOf(std::string_view(lying)));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, ErrorKind::BadReference);
    EXPECT_EQ(refused.error().describe(), "AppleDouble entry 2 lies outside the file at byte 38");
}

} // namespace
} // namespace scrivlette
