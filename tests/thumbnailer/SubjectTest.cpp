#include "thumbnailer/Subject.h"

#include "../model/ModelTestSupport.h"
#include "../platform/ForkBuilder.h"
#include "../platform/TestSupport.h"
#include "hostile/HostileFiles.h"
#include "thumbnailer/Pages.h"

#include <fstream>

namespace scrivlette::thumbnail {
namespace {

class Subjects : public test::ModelTest {
protected:
    std::string pictureClipping(const std::string& name, const std::string& pict) {
        test::BinaryPlistBuilder builder(2);
        const std::size_t picture = builder.data(pict);
        const std::size_t inner = builder.dictionary({{builder.ascii("com.apple.pict"), picture}});
        const std::size_t top = builder.dictionary({{builder.ascii("UTI-Data"), inner}});
        const auto path = directory_ / name;
        std::ofstream(path, std::ios::binary) << builder.finish(top);
        return path.string();
    }
};

// Each kind of file gets what its thumbnail shows; anything else a reason.
TEST_F(Subjects, EachKindShowsWhatItHolds) {
    const auto notes = subjectOf(test::realFile("Notes.textClipping").string(), 128);
    ASSERT_TRUE(notes) << notes.error();
    EXPECT_EQ(std::get<Text>(*notes).text, "Notes");

    const auto link = subjectOf(test::realFile("Donate.webloc").string(), 128);
    ASSERT_TRUE(link) << link.error();
    EXPECT_EQ(std::get<Location>(*link).headline, "cyberduck.ch");
    EXPECT_EQ(std::get<Location>(*link).url, "http://cyberduck.ch/donate/");

    // An old location without an extension, known by its companion.
    std::ofstream(directory_ / "Old") << "";
    std::ofstream(directory_ / "._Old", std::ios::binary) << test::fork::appleDouble(
        "ilht", "MACS", test::fork::resourceFork({{"url ", 256, "https://example.com/a"}}));
    const auto old = subjectOf((directory_ / "Old").string(), 128);
    ASSERT_TRUE(old) << old.error();
    EXPECT_EQ(std::get<Location>(*old).headline, "example.com");

    const auto picture =
        subjectOf(test::realFile("Picture clipping with QuickTime pixels.pictClipping"), 128);
    ASSERT_TRUE(picture) << picture.error();
    EXPECT_EQ(std::get<image::Image>(*picture).height, 128u) << "329 high, drawn at 128";
    EXPECT_EQ(std::get<image::Image>(*picture).width, 115u) << "its shape kept";

    // A few hundred bytes claiming a 16,384-pixel square draw at thumbnail size.
    const auto vast = subjectOf(
        pictureClipping("Vast.pictClipping", hostile::pictFrameBomb(16384, 1, 16384)), 256);
    ASSERT_TRUE(vast) << vast.error();
    EXPECT_EQ(std::get<image::Image>(*vast).width, 256u);

    const auto write = [&](const char* name, std::string_view bytes) {
        std::ofstream(directory_ / name, std::ios::binary) << bytes;
        return (directory_ / name).string();
    };
    for (const auto& [path, reason] : std::vector<std::pair<std::string, const char*>>{
             {write("Broken.textClipping", "not a property list"), "property list"},
             {write("notes.txt", "text"), "not a clipping"},
             {pictureClipping("Blank.pictClipping", "hello"), "not decodable"},
             {directory_.string(), "not a regular file"},
         }) {
        SCOPED_TRACE(path);
        const auto none = subjectOf(path, 128);
        ASSERT_FALSE(none);
        EXPECT_NE(none.error().describe().find(reason), std::string::npos) << none.error();
    }
}

TEST(Headline, IsTheHostOrTheAddress) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://www.example.org/a/b?c", "example.org"},
        {"http://user:pw@host.example:8080/", "host.example:8080"},
        {"mailto:someone@example.org?subject=hi", "someone@example.org"},
        {"news:comp.sys.mac", "news:comp.sys.mac"},
        {"https://", "https://"},
    };
    for (const auto& [url, headline] : cases) {
        EXPECT_EQ(headlineOf(url), headline) << url;
    }
}

// Whole at every size: hinting makes a face at a scaled size wider than
// the scale says, which once cut "github.com" to "github.co" at 256.
TEST(Headline, IsDrawnWholeAtEverySize) {
    for (const char* host :
         {"github.com", "paypal.com", "a", "someone.with.a.long.name@example.org",
          "xn--bcher-kva.example.museum.very-long-subdomain.example.com"}) {
        for (std::uint32_t size = 16; size <= 1024; size += size < 128 ? 16 : 64) {
            SCOPED_TRACE(std::string(host) + " at " + std::to_string(size));
            const Headline headline = layOutHeadline(host, size);
            std::string joined;
            const double margin = std::max(3.0, double(size) / 20);
            for (const std::string& line : headline.lines) {
                joined += line;
                EXPECT_LE(textWidth(line, headline.style),
                          double(std::max<std::uint32_t>(8, size * 3 / 4)) - 2 * margin);
            }
            EXPECT_EQ(joined, host);
            if (size >= 128 && std::string_view(host).size() <= 12) {
                EXPECT_EQ(headline.lines.size(), 1u) << "a short host on one line";
            }
        }
    }
}

} // namespace
} // namespace scrivlette::thumbnail
