#include "TestSupport.h"
#include "platform/files/FileReading.h"
#include "platform/files/FileWrapper.h"
#include "platform/files/FileWriting.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
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

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What is at an output path decides what a write does: a regular file is
// replaced, a link is followed and kept, a pipe or character device is
// written into, and nothing else is ever replaced by a file.
TEST_F(Files, WritesRespectWhatIsAtTheOutputPath) {
    const Bytes bytes = test::bytesOf("new");
    FileWrapper file;
    file.kind = FileWrapper::Kind::regularFile;
    file.contents = bytes;
    file.mode = 0600;
    using Write = std::function<std::optional<FileError>(const std::string&)>;
    const std::vector<std::pair<std::string, Write>> writes = {
        {"atomic",
         [&](const std::string& path) { return writeFileAtomically(path, bytes.span()); }},
        {"plain", [&](const std::string& path) { return writeFilePlain(path, bytes.span()); }},
        {"file wrapper",
         [&](const std::string& path) { return writeWrapperAtomically(file, path); }},
    };
    for (const auto& [how, write] : writes) {
        SCOPED_TRACE(how);
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        const std::string target = make("target", "old");
        fs::create_symlink("target", directory_ / "link");
        fs::create_symlink("nowhere", directory_ / "dangling");
        ASSERT_EQ(::mkfifo((directory_ / "fifo").c_str(), 0600), 0);
        fs::create_directory(directory_ / "folder");

        EXPECT_FALSE(write((directory_ / "link").string()));
        EXPECT_TRUE(fs::is_symlink(directory_ / "link"));
        EXPECT_EQ(contentOf(target), "new");

        EXPECT_TRUE(write((directory_ / "dangling").string()));
        EXPECT_TRUE(fs::is_symlink(directory_ / "dangling"));
        EXPECT_FALSE(fs::exists(directory_ / "nowhere"));

        // Nobody reads the pipe: refused at once, not waited on.
        const auto unread = write((directory_ / "fifo").string());
        ASSERT_TRUE(unread);
        EXPECT_EQ(unread->code, ENXIO);
        std::string piped;
        std::thread reader([&] { piped = contentOf(directory_ / "fifo"); });
        std::optional<FileError> toReader;
        for (int attempt = 0; attempt < 500; ++attempt) { // until the reader has opened it
            toReader = write((directory_ / "fifo").string());
            if (!toReader || toReader->code != ENXIO) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        reader.join();
        EXPECT_FALSE(toReader);
        EXPECT_EQ(piped, "new");
        EXPECT_TRUE(fs::is_fifo(directory_ / "fifo"));

        EXPECT_FALSE(write("/dev/null"));
        EXPECT_TRUE(fs::is_character_file("/dev/null"));
        EXPECT_EQ(fs::status("/dev/null").permissions() & fs::perms::others_write,
                  fs::perms::others_write); // the wrapper's 0600 is not applied to it

        EXPECT_TRUE(write((directory_ / "folder").string()));
        EXPECT_TRUE(fs::is_directory(directory_ / "folder"));
    }
}

TEST_F(Files, PackagesReplaceFoldersButNeverPipesOrSockets) {
    FileWrapper file;
    file.kind = FileWrapper::Kind::regularFile;
    file.contents = test::bytesOf("text");
    FileWrapper package;
    package.children.push_back({"TXT.rtf", file});
    fs::create_directories(directory_ / "real.rtfd");
    fs::create_symlink("real.rtfd", directory_ / "link.rtfd");
    ASSERT_FALSE(writeWrapperAtomically(package, (directory_ / "link.rtfd").string()));
    EXPECT_TRUE(fs::is_symlink(directory_ / "link.rtfd"));
    EXPECT_EQ(contentOf(directory_ / "real.rtfd" / "TXT.rtf"), "text");

    ASSERT_EQ(::mkfifo((directory_ / "fifo").c_str(), 0600), 0);
    EXPECT_TRUE(writeWrapperAtomically(package, (directory_ / "fifo").string()));
    EXPECT_TRUE(fs::is_fifo(directory_ / "fifo"));

    const std::string socketPath = (directory_ / "socket").string();
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_TRUE(writeWrapperAtomically(package, socketPath));
    EXPECT_TRUE(writeFileAtomically(socketPath, file.contents.span()));
    EXPECT_TRUE(fs::is_socket(socketPath));
    ::close(listener);
}

} // namespace
} // namespace scrivlette
