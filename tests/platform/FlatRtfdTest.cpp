#include "formats/rtfd/FlatRtfd.h"

#include "FlatRtfdBuilder.h"
#include "TestSupport.h"
#include "formats/rtfd/Rtfd.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlette {
namespace {

unsigned umaskNow() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

namespace fs = std::filesystem;
namespace flat = test::flat;

Expected<FileWrapper, ReadError> read(const std::string& bytes) {
    return readFlatRtfd(Bytes::copyOf(std::string_view(bytes)));
}

class FlatRtfd : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() / ("scrivlette-rtfd-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::vector<std::string> listing(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path directory_;
};

TEST_F(FlatRtfd, RealStickiesNoteUnpacksIntoAPackage) {
    const Bytes bytes = test::readBytes(test::realFile("stickies-note.flat-rtfd"));
    const auto wrapper = readFlatRtfd(bytes);
    ASSERT_TRUE(wrapper) << wrapper.error();
    ASSERT_EQ(wrapper->kind, FileWrapper::Kind::directory);
    ASSERT_EQ(wrapper->children.size(), 1u);
    EXPECT_TRUE(wrapper->children[0].wrapper.contents.sharesStorageWith(bytes));

    const fs::path package = directory_ / "Note.rtfd";
    ASSERT_FALSE(writeWrapperAtomically(*wrapper, package.string()));
    EXPECT_EQ(listing(package), std::vector<std::string>{"TXT.rtf"});
    const fs::path text = package / "TXT.rtf";
    EXPECT_EQ(fs::file_size(text), 874u);
    struct stat status {};
    ASSERT_EQ(::stat(text.c_str(), &status), 0);
    EXPECT_EQ(status.st_mtim.tv_sec, 1590403321);
    EXPECT_EQ(status.st_mode & 07777, 0666u & ~umaskNow())
        << "the archive's 0666 narrowed by the umask";
    EXPECT_EQ(listing(directory_), std::vector<std::string>{"Note.rtfd"})
        << "no temporary left behind";
}

TEST_F(FlatRtfd, ReadsEveryFormItCanTake) {
    const std::string nested = flat::wrapper(flat::dictionary({
        {"__@UTF8PreferredName@__", flat::dataObject("Mine.rtfd")},
        {"TXT.rtf", flat::dataObject("{\\rtf1 hi}")},
        {"Pictures", flat::dictionary({{"a.tiff", flat::dataObject("MM")},
                                       {".", flat::info({{"a.tiff", 5, 0600}})}})},
        {"link", flat::dataObject("/etc/passwd")},
        {".", flat::info({{"TXT.rtf", 1, 04755}, {"Pictures", 2, 0755, 1}, {"link", 3, 0777, 4}})},
    }));
    const auto wrapper = read(nested);
    ASSERT_TRUE(wrapper) << wrapper.error();
    EXPECT_EQ(wrapper->preferredName, "Mine.rtfd");
    ASSERT_EQ(wrapper->children.size(), 3u);
    EXPECT_EQ(wrapper->children[1].wrapper.kind, FileWrapper::Kind::directory);
    EXPECT_EQ(wrapper->children[1].wrapper.children[0].wrapper.modificationTime, 5);
    EXPECT_EQ(wrapper->children[2].wrapper.kind, FileWrapper::Kind::symbolicLink);

    const fs::path package = directory_ / "Out.rtfd";
    ASSERT_FALSE(writeWrapperAtomically(*wrapper, package.string()));
    EXPECT_EQ(listing(package), (std::vector<std::string>{"Pictures", "TXT.rtf"}))
        << "no link created";
    struct stat status {};
    ASSERT_EQ(::stat((package / "TXT.rtf").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0755u & ~umaskNow()) << "set-user-ID dropped";
    ASSERT_EQ(::stat((package / "Pictures" / "a.tiff").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(status.st_mtim.tv_sec, 5);

    // The padded size form, for a key and for contents, and the single-file form.
    const std::string padded =
        flat::wrapper(flat::u32(3) + flat::u32(1) + flat::paddedSize(3, 5) + "a.b" +
                      flat::u32(4 + 16 + 2) + flat::u32(1) + flat::paddedSize(2, 4) + "hi");
    const auto paddedWrapper = read(padded);
    ASSERT_TRUE(paddedWrapper) << paddedWrapper.error();
    EXPECT_EQ(paddedWrapper->children[0].name, "a.b");
    EXPECT_EQ(paddedWrapper->children[0].wrapper.contents.view(), "hi");

    const auto single =
        read(flat::wrapper(flat::dictionary({{"..", flat::dataObject("just a file")}})));
    ASSERT_TRUE(single);
    EXPECT_EQ(single->kind, FileWrapper::Kind::regularFile);
    ASSERT_FALSE(writeWrapperAtomically(*single, (directory_ / "single.rtf").string()));
    std::ifstream in(directory_ / "single.rtf");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "just a file");
}

// The Formatted view, readable text and extract all read an RTFD this way:
// a single file is the text itself, a folder keeps it as TXT.rtf beside its
// attachments; a failure says where.
TEST(Rtfd, EitherFormGivesItsTextAndAttachments) {
    const auto single =
        formatted::readRtfd(Bytes::copyOf(flat::wrapper(flat::dataObject("{\\rtf1 a}"))));
    ASSERT_TRUE(single) << single.error();
    EXPECT_EQ(single->rtf, "{\\rtf1 a}");
    EXPECT_TRUE(single->attachments.empty());
    const auto package =
        formatted::readRtfdPackage(Bytes::copyOf(flat::wrapper(flat::dataObject("x"))));
    ASSERT_TRUE(package);
    ASSERT_EQ(package->children.size(), 1u);
    EXPECT_EQ(package->children[0].name, "TXT.rtf");

    const auto folder = formatted::readRtfd(Bytes::copyOf(flat::wrapper(flat::dictionary(
        {{"TXT.rtf", flat::dataObject("{\\rtf1 b}")}, {"pic.tiff", flat::dataObject("II*")}}))));
    ASSERT_TRUE(folder) << folder.error();
    EXPECT_EQ(folder->rtf, "{\\rtf1 b}");
    ASSERT_EQ(folder->attachments.size(), 1u);
    EXPECT_EQ(folder->attachments[0].name, "pic.tiff");
    EXPECT_EQ(formatted::readRtfd(Bytes::copyOf(flat::wrapper(
                                      flat::dictionary({{"a.png", flat::dataObject("x")}}))))
                  .error()
                  .kind,
              ErrorKind::Malformed)
        << "no TXT.rtf";
    const auto cut = read(flat::wrapper(flat::u32(1) + flat::u32(0xFFFFFFF0) + "abc"));
    ASSERT_FALSE(cut);
    EXPECT_EQ(cut.error().kind, ErrorKind::Truncated);
    EXPECT_EQ(cut.error().offset, 16u);
}

TEST_F(FlatRtfd, HostileWrappersAreRefusedWhole) {
    auto deep = [](std::size_t levels) {
        std::string object = flat::dataObject("x");
        for (std::size_t i = 0; i < levels; ++i) {
            object = flat::dictionary({{"d", object}});
        }
        return flat::wrapper(object);
    };
    const std::string valid = flat::wrapper(flat::dictionary({{"a", flat::dataObject("xyz")}}));
    std::string lyingLength = valid;
    lyingLength[8 + 4 + 4 + 4 + 1] = 99; // the value length of "a"
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"wrong magic", "rtfe" + flat::u32(0) + flat::dataObject("x")},
        {"other version", "rtfd" + flat::u32(1) + flat::dataObject("x")},
        {"unknown tag", flat::wrapper(flat::u32(2) + flat::u32(0))},
        {"count past the data", flat::wrapper(flat::u32(3) + flat::u32(0x7FFFFFFF))},
        {"contents past the data", flat::wrapper(flat::u32(1) + flat::u32(0xFFFFFFF0) + "abc")},
        {"padding past the data", flat::wrapper(flat::u32(1) + flat::u32(0x80000000) +
                                                flat::u32(1) + flat::u32(0xFFFFFF00))},
        {"value length disagrees", lyingLength},
        {"trailing bytes", valid + "x"},
        {"parent name", flat::wrapper(flat::dictionary({{"..a", flat::dataObject("ok")},
                                                        {"a/../../b", flat::dataObject("x")}}))},
        {"dot-dot with a folder", flat::wrapper(flat::dictionary({{"..", flat::dictionary({})}}))},
        {"empty name", flat::wrapper(flat::dictionary({{"", flat::dataObject("x")}}))},
        {"slash in a nested name",
         flat::wrapper(
             flat::dictionary({{"d", flat::dictionary({{"/etc", flat::dataObject("x")}})}}))},
        {"NUL in a name",
         flat::wrapper(flat::dictionary({{std::string("a\0b", 3), flat::dataObject("x")}}))},
        {"name twice", flat::wrapper(flat::dictionary(
                           {{"a", flat::dataObject("1")}, {"a", flat::dataObject("2")}}))},
        {"folder flag on a file",
         flat::wrapper(flat::dictionary(
             {{"a", flat::dataObject("1")}, {".", flat::info({{"a", 0, 0, 1}})}}))},
        {"folder information cut short",
         flat::wrapper(flat::dictionary(
             {{"a", flat::dataObject("1")}, {".", flat::dataObject(flat::u32(5))}}))},
        {"nested past the bound", deep(maxWrapperDepth + 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(read(c.bytes));
    }
    EXPECT_TRUE(read(deep(maxWrapperDepth)));

    const Bytes real = test::readBytes(test::realFile("stickies-note.flat-rtfd"));
    for (std::size_t length = 0; length < real.size(); ++length) {
        SCOPED_TRACE(length);
        ASSERT_FALSE(readFlatRtfd(real.slice(0, length)));
    }
}

TEST_F(FlatRtfd, ReplacesTheOldPackageOnlyWhenTheNewOneIsComplete) {
    const fs::path package = directory_ / "Old.rtfd";
    fs::create_directories(package);
    std::ofstream(package / "old.txt") << "old";

    // Two children with one name: the second cannot be created, mid-way.
    FileWrapper broken;
    broken.children.push_back(
        {"same",
         {FileWrapper::Kind::regularFile, Bytes::copyOf(std::string_view("1")), {}, {}, {}, {}}});
    broken.children.push_back(
        {"same",
         {FileWrapper::Kind::regularFile, Bytes::copyOf(std::string_view("2")), {}, {}, {}, {}}});
    EXPECT_TRUE(writeWrapperAtomically(broken, package.string()));
    EXPECT_EQ(listing(package), std::vector<std::string>{"old.txt"});
    EXPECT_EQ(listing(directory_), std::vector<std::string>{"Old.rtfd"})
        << "the half-built package is gone";

    FileWrapper good;
    good.children.push_back(
        {"new.txt",
         {FileWrapper::Kind::regularFile, Bytes::copyOf(std::string_view("new")), {}, {}, {}, {}}});
    ASSERT_FALSE(writeWrapperAtomically(good, package.string()));
    EXPECT_EQ(listing(package), std::vector<std::string>{"new.txt"});
    EXPECT_EQ(listing(directory_), std::vector<std::string>{"Old.rtfd"})
        << "the old package is gone";

    // A plain file in the way is replaced too.
    std::ofstream(directory_ / "File.rtfd") << "plain";
    ASSERT_FALSE(writeWrapperAtomically(good, (directory_ / "File.rtfd").string()));
    EXPECT_TRUE(fs::is_directory(directory_ / "File.rtfd"));
}

} // namespace
} // namespace scrivlette
