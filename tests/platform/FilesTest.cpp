#include "TestSupport.h"
#include "platform/files/FileReading.h"
#include "platform/files/FileType.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlette {
namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() / ("scrivlette-files-" + std::to_string(::getpid()));
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::string make(const std::string& name, std::string_view content = "x") {
        const fs::path path = directory_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    fs::path directory_;
};

TEST_F(Files, TypeIdentifierFollowsTheExtensionWithoutRegardToCase) {
    const struct {
        const char* name;
        std::optional<std::string> identifier;
    } cases[] = {
        {"a.textClipping", "com.apple.finder.textclipping"},
        {"A.TEXTCLIPPING", "com.apple.finder.textclipping"},
        {"h.Rtf", "public.rtf"},
        {"no extension", std::nullopt},
        {".webloc", std::nullopt},
        {"o.unknown", std::nullopt},
        {"p.textClipping.bak", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto identifier = typeIdentifierOfFile(make(c.name));
        ASSERT_TRUE(identifier);
        EXPECT_EQ(*identifier, c.identifier);
    }
    fs::create_directories(directory_ / "folder.textClipping");
    EXPECT_EQ(*typeIdentifierOfFile((directory_ / "folder.textClipping").string()),
              "public.folder");
    EXPECT_FALSE(typeIdentifierOfFile((directory_ / "missing.textClipping").string()));
}

TEST_F(Files, ReadsWholeFilesAndRefusesOthers) {
    const std::string content("binary\0bytes\xFF", 13);
    const auto bytes = readWholeFile(make("data.bin", content));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->view(), content);

    const auto empty = readWholeFile(make("empty.textClipping", ""));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());

    EXPECT_FALSE(readWholeFile((directory_ / "missing").string()));
    EXPECT_FALSE(readWholeFile(directory_.string()));
    // A FIFO with no writer would block a reader forever.
    const fs::path fifo = directory_ / "pipe.textClipping";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readWholeFile(fifo.string()));

    const auto real = readWholeFile(test::realFile("Picture clipping.pictClipping").string());
    ASSERT_TRUE(real);
    EXPECT_EQ(real->size(), 611226u);
}

} // namespace
} // namespace scrivlette
