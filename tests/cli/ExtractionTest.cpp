#include "cli/Extraction.h"

#include "../model/ModelTestSupport.h"
#include "../platform/TestSupport.h"
#include "cli/CommandLine.h"

#include <fcntl.h>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scrivlette::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Extraction : public test::ModelTest {
protected:
    struct Run {
        int status = -1;
        std::map<std::string, Json> bySource; // file name -> its JSON line
        std::string err;
        std::size_t lines = 0;
    };

    Run extractTree(bool dryRun = false, bool all = false) {
        std::ostringstream out;
        std::ostringstream err;
        Run run;
        run.status =
            extract(ExtractOptions{output_, all, dryRun, false, {tree_.string()}}, out, err);
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line); ++run.lines) {
            Json json = Json::parse(line);
            run.bySource[fs::path(json["source"].get<std::string>()).filename().string()] = json;
        }
        run.err = err.str();
        return run;
    }
    void copyReal(const char* name, const fs::path& to) {
        fs::create_directories(to.parent_path());
        fs::copy_file(test::realFile(name), to);
    }
    void SetUp() override {
        ModelTest::SetUp();
        tree_ = directory_ / "tree";
        output_ = directory_ / "out";
        copyReal("Notes.textClipping", tree_ / "Notes.textClipping");
        copyReal("Notes.textClipping", tree_ / "Notes.TEXTCLIPPING"); // its outputs collide
        copyReal("Rich web text.textClipping", tree_ / "deep/er/Rich web text.textClipping");
        copyReal("Picture clipping.pictClipping", tree_ / "Picture clipping.pictClipping");
        copyReal("Donate.webloc", tree_ / "a..b" / ".hidden\nname.webloc");
        copyReal("unicode.textClipping.rsrc", tree_ / "old/Old.textClipping.rsrc");
        std::ofstream(tree_ / "old/Old.textClipping"); // the empty data fork
        std::ofstream(tree_ / "broken.textClipping") << "not a property list";
        std::ofstream(tree_ / "notes.txt") << "not a clipping at all";
        fs::create_symlink(test::realFile("PLAY_ME.webloc"), tree_ / "outside.webloc");
        ::mkfifo((tree_ / "pipe.textClipping").c_str(), 0600);
    }

    fs::path tree_;
    fs::path output_;
};

// A folder path of more than PATH_MAX bytes, made one level at a time.
fs::path makeOverlongFolder(const fs::path& under) {
    int fd = ::open(under.c_str(), O_RDONLY | O_DIRECTORY);
    fs::path path = under;
    const std::string name(250, 'd');
    while (path.native().size() < PATH_MAX + 100) {
        ::mkdirat(fd, name.c_str(), 0755);
        const int inner = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = inner;
        path /= name;
    }
    const int file = ::openat(fd, "Deep.textClipping", O_WRONLY | O_CREAT, 0644);
    const std::string bytes = contentsOf(test::realFile("Notes.textClipping"));
    EXPECT_EQ(::write(file, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    ::close(file);
    ::close(fd);
    return path;
}

// Every kind of clipping, a broken one, an old one with its companion,
// colliding outputs, hostile names and addresses, links out of the tree and
// in a loop, a pipe, a path too long to open: each gets its line.
TEST_F(Extraction, TurnsATreeIntoFilesAndReportsEach) {
    fs::create_symlink("loop.webloc", tree_ / "loop.webloc");
    std::ofstream(tree_ / "script.webloc")
        << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>URL</key>"
           "<string>javascript:alert(1)</string></dict></plist>";
    copyReal("Notes.textClipping", tree_ / "caf\xE9.textClipping");
    makeOverlongFolder(tree_);
    std::ofstream(tree_ / "huge.textClipping");
    fs::resize_file(tree_ / "huge.textClipping", std::uintmax_t{2} << 30); // sparse: no disk used
    fs::create_symlink(test::realFile(""), tree_ / "elsewhere");
    fs::create_symlink("..", tree_ / "deep/up");
    fs::create_symlink("deep/er", tree_ / "shortcut");
    fs::create_symlink("spin", tree_ / "spin");
    fs::create_symlink("nothing here",
                       tree_ / "gone"); // a link to nothing may be anything: not said

    const Run run = extractTree();
    EXPECT_EQ(run.status, 1) << "one clipping is broken";
    EXPECT_EQ(run.lines, 18u) << run.err;
    EXPECT_NE(run.err.find("14 clippings: 8 extracted, 3 failed, 3 skipped, 4 folder links not "
                           "followed; "),
              std::string::npos)
        << run.err;
    for (const auto& [name, line] : run.bySource) {
        EXPECT_TRUE(line["source"].get<std::string>().starts_with("/")) << name;
        for (const auto& path : line["outputs"]) {
            EXPECT_TRUE(path.get<std::string>().starts_with(output_.string())) << path;
        }
    }

    const auto reasonOf = [&](const char* name) {
        const Json& line = run.bySource.at(name);
        return line["status"].get<std::string>() + ": " + line.value("reason", "");
    };
    EXPECT_TRUE(reasonOf("broken.textClipping").starts_with("failed: "));
    EXPECT_EQ(reasonOf("outside.webloc"), "skipped: a symbolic link out of the tree");
    EXPECT_EQ(reasonOf("loop.webloc"), "skipped: a symbolic link that loops");
    EXPECT_EQ(reasonOf("pipe.textClipping"), "skipped: not a regular file");
    EXPECT_NE(reasonOf("Deep.textClipping").find("failed: its path is longer than"),
              std::string::npos);
    EXPECT_EQ(reasonOf("huge.textClipping"), "failed: too large: 2147483648 bytes");
    EXPECT_EQ(reasonOf("elsewhere"),
              "skipped: a symbolic link to a folder out of the tree, not followed");
    EXPECT_EQ(reasonOf("up"),
              "skipped: a symbolic link to a folder above it, not followed (a loop)");
    EXPECT_EQ(reasonOf("shortcut"),
              "skipped: a symbolic link to a folder, not followed (the folder "
              "is walked where it is)");
    EXPECT_EQ(reasonOf("spin"), "skipped: a symbolic link that loops");

    EXPECT_EQ(contentsOf(output_ / "Notes.txt"), "Notes");
    EXPECT_EQ(contentsOf(output_ / "Notes (2).txt"), "Notes") << "a collision takes the next name";
    EXPECT_EQ(contentsOf(output_ / "old/Old.txt"), "Here is some text, including Üñïçø∂é!");

    const Json& rich = run.bySource.at("Rich web text.textClipping");
    EXPECT_EQ(rich["status"], "ok");
    EXPECT_EQ(rich["outputs"].size(), 5u);
    EXPECT_EQ(contentsOf(output_ / "deep/er/Rich web text.txt"), "index.html");
    EXPECT_TRUE(fs::is_regular_file(output_ / "deep/er/Rich web text.rtfd/TXT.rtf"));

    EXPECT_TRUE(contentsOf(output_ / "Picture clipping.png").starts_with("\x89PNG"));
    EXPECT_TRUE(contentsOf(output_ / "Picture clipping.pdf").starts_with("%PDF"));

    // A leading dot and a newline are made harmless; ".." is only a name part.
    const std::string link = contentsOf(output_ / "a..b/_hidden_name.desktop");
    EXPECT_NE(link.find("Type=Link\n"), std::string::npos);
    EXPECT_NE(link.find("URL=http://cyberduck.ch/donate/\n"), std::string::npos);
    // Only web and mail addresses become links; others are kept as text.
    EXPECT_FALSE(fs::exists(output_ / "script.desktop"));
    EXPECT_EQ(contentsOf(output_ / "script.txt"), "javascript:alert(1)\n");

    // A name that is not UTF-8 is written as it is, and told reversibly.
    EXPECT_EQ(contentsOf(output_ / "caf\xE9.txt"), "Notes");
    bool escaped = false;
    for (const auto& [name, line] : run.bySource) {
        if (line.contains("source_escaped")) {
            escaped = true;
            EXPECT_TRUE(
                line["source_escaped"].get<std::string>().ends_with("/caf%E9.textClipping"));
            EXPECT_TRUE(line["outputs_escaped"][0].get<std::string>().ends_with("/caf%E9.txt"));
        }
    }
    EXPECT_TRUE(escaped);
    EXPECT_FALSE(fs::exists(output_ / "notes.txt")) << "a text file in a folder is passed over";

    // Named on their own, a file that is no clipping and one that is missing fail.
    std::ostringstream out;
    std::ostringstream err;
    const int status = extract(
        ExtractOptions{
            output_, false, true, false, {(tree_ / "notes.txt").string(), "missing.webloc"}},
        out, err);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.str().find("not a clipping file"), std::string::npos);
    EXPECT_NE(out.str().find("no such file or folder"), std::string::npos);
}

// A folder that cannot be read is told, not passed over in silence. (The
// superuser reads every folder, so only an ordinary user can see this.)
TEST_F(Extraction, AnUnreadableFolderIsReported) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads every folder";
    }
    copyReal("Notes.textClipping", tree_ / "locked/Inside.textClipping");
    ::chmod((tree_ / "locked").c_str(), 0);
    const Run run = extractTree();
    ::chmod((tree_ / "locked").c_str(), 0755);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.bySource.at("locked")["status"], "failed");
}

// Two runs into one folder at once: every file either reports is on disk,
// and nothing is reported twice.
TEST_F(Extraction, ConcurrentRunsLoseNothing) {
    fs::remove_all(tree_);
    copyReal("Rich web text.textClipping", tree_ / "x.textClipping");
    for (int round = 0; round < 15; ++round) {
        fs::remove_all(output_);
        std::vector<std::pair<pid_t, fs::path>> children;
        for (int run = 0; run < 2; ++run) {
            const fs::path log = directory_ / ("run" + std::to_string(run));
            const pid_t child = ::fork();
            if (child == 0) {
                std::ofstream out(log);
                std::ostringstream err;
                const int code = extract(
                    ExtractOptions{output_, false, false, false, {tree_.string()}}, out, err);
                out.close();
                ::_exit(code);
            }
            children.push_back({child, log});
        }
        std::set<std::string> reported;
        for (const auto& [child, log] : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            const Json line = Json::parse(contentsOf(log));
            for (const auto& path : line["outputs"]) {
                EXPECT_TRUE(reported.insert(path.get<std::string>()).second) << path;
            }
        }
        std::size_t onDisk = 0;
        for (const auto& entry : fs::directory_iterator(output_)) {
            ++onDisk;
            EXPECT_TRUE(reported.contains(entry.path().string())) << entry.path();
        }
        EXPECT_EQ(onDisk, reported.size()) << "round " << round;
    }
}

// Each line reaches standard output before the next clipping is written, so
// what is on disk and what was reported agree whenever the run is killed.
TEST_F(Extraction, EachLineIsFlushedAsItIsWritten) {
    struct Watching : std::stringbuf {
        std::vector<std::size_t> linesAtFlush;
        int sync() override {
            const std::string text = str();
            linesAtFlush.push_back(std::size_t(std::count(text.begin(), text.end(), '\n')));
            return 0;
        }
    } buffer;
    std::ostream out(&buffer);
    std::ostringstream err;
    extract(ExtractOptions{output_, false, false, false, {tree_.string()}}, out, err);
    const std::size_t lines = buffer.linesAtFlush.empty() ? 0 : buffer.linesAtFlush.back();
    EXPECT_GE(lines, 8u);
    std::vector<std::size_t> everyLine(lines);
    std::iota(everyLine.begin(), everyLine.end(), 1);
    EXPECT_EQ(buffer.linesAtFlush, everyLine);
}

// A second run writes beside the first, never over it; a dry run writes nothing.
TEST_F(Extraction, NeverOverwritesAndDryRunsWriteNothing) {
    // A name of 255 bytes: its link's name would pass that, and is cut at a
    // character's boundary.
    copyReal("Donate.webloc", tree_ / (std::string(246, 'x') + "é.webloc"));
    const Run dry = extractTree(true, true);
    EXPECT_FALSE(fs::exists(output_));
    // With --all, the plain text and each of the three representations,
    // named by what each holds.
    const Json& notes = dry.bySource.at("Notes.TEXTCLIPPING")["outputs"];
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_TRUE(notes[2].get<std::string>().ends_with("/Notes.public.utf8-plain-text.txt"));
    EXPECT_TRUE(notes[3].get<std::string>().ends_with("/Notes.public.utf16-plain-text.txt"))
        << notes;
    EXPECT_NE(dry.err.find("would be written to"), std::string::npos);

    extractTree();
    std::ofstream(output_ / "Notes.txt") << "changed by the user";
    const Run again = extractTree();
    EXPECT_EQ(contentsOf(output_ / "Notes.txt"), "changed by the user");
    EXPECT_TRUE(fs::exists(output_ / (std::string(246, 'x') + ".desktop")));
    EXPECT_TRUE(fs::exists(output_ / (std::string(243, 'x') + " (2).desktop")));
    for (const auto& [source, line] : again.bySource) {
        for (const auto& path : line["outputs"]) {
            EXPECT_NE(path.get<std::string>().find(" ("), std::string::npos) << path;
        }
    }
    EXPECT_EQ(contentsOf(test::realFile("Notes.textClipping")),
              contentsOf(tree_ / "Notes.textClipping"))
        << "inputs untouched";
}

// --all names each representation by its kind's one extension, the one the
// default plan uses.
TEST_F(Extraction, AllNamesEveryRepresentationByItsKindsExtension) {
    const Run run = extractTree(true, true);
    std::set<std::string> names;
    for (const auto& path : run.bySource.at("Rich web text.textClipping")["outputs"]) {
        names.insert(fs::path(path.get<std::string>()).filename().string());
    }
    for (const char* name : {"Rich web text.webarchive", "Rich web text.rtf",
                             "Rich web text.com.apple.webarchive.webarchive",
                             "Rich web text.public.rtf.rtf", "Rich web text.public.html.html"}) {
        EXPECT_TRUE(names.contains(name)) << name;
    }
    EXPECT_FALSE(names.contains("Rich web text.com.apple.webarchive.webArchive"));
    // A flat RTFD only as its unpacked package, written once.
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& name) { return name.ends_with(".rtfd"); }),
              1);
    EXPECT_TRUE(names.contains("Rich web text.rtfd"));

    // One that does not unpack is kept as it is stored, as data.
    fs::remove_all(tree_);
    fs::create_directories(tree_);
    std::ofstream(tree_ / "Damaged.textClipping")
        << test::xmlPlist("<dict><key>UTI-Data</key><dict><key>com.apple.flat-rtfd</key>"
                          "<data>AAAA</data></dict></dict>");
    const Json damaged = extractTree(false, true).bySource.at("Damaged.textClipping");
    ASSERT_EQ(damaged["outputs"].size(), 1u) << damaged;
    const fs::path kept = damaged["outputs"][0].get<std::string>();
    EXPECT_EQ(kept.filename(), "Damaged.com.apple.flat-rtfd.bin");
    EXPECT_EQ(contentsOf(kept), std::string(3, '\0'));
    EXPECT_NE(damaged["reason"].get<std::string>().find("RTFD not unpacked"), std::string::npos);
}

// A binary property list can point thousands of keys at one stored object.
TEST_F(Extraction, AClippingThatNamesMoreThanItHoldsIsBounded) {
    test::BinaryPlistBuilder builder(2);
    const std::size_t blob = builder.data(std::string(16 * 1024, 'x'));
    std::vector<std::pair<std::size_t, std::size_t>> representations;
    for (int i = 0; i < 400; ++i) {
        representations.push_back({builder.ascii("org.example.kind" + std::to_string(i)), blob});
    }
    const std::size_t inner = builder.dictionary(representations);
    const std::size_t top = builder.dictionary({{builder.ascii("UTI-Data"), inner}});
    fs::remove_all(tree_);
    fs::create_directories(tree_);
    std::ofstream(tree_ / "bomb.textClipping", std::ios::binary) << builder.finish(top);

    const Run run = extractTree(false, true);
    EXPECT_EQ(run.status, 1);
    const Json& line = run.bySource.at("bomb.textClipping");
    EXPECT_EQ(line["status"], "failed");
    EXPECT_NE(line["reason"].get<std::string>().find("16 times"), std::string::npos);
    EXPECT_TRUE(line["outputs"].empty());

    // json streams the entries, one at a time, whatever their sum.
    std::ostringstream out;
    std::ostringstream err;
    const auto invocation = parseArguments({"json", (tree_ / "bomb.textClipping").string()});
    ASSERT_TRUE(invocation);
    EXPECT_EQ(cli::run(*invocation, out, err), 0) << err.str();
    const Json document = Json::parse(out.str());
    EXPECT_EQ(document["clipList"].size(), 400u);
}

TEST(ExtractionNames, AreSafe) {
    const std::pair<const char*, const char*> names[] = {
        {"..", "_"},
        {".", "_"},
        {"", "_"},
        {"a/b", "a_b"},
        {"tab\there", "tab_here"},
        {"Café 随后", "Café 随后"},
    };
    for (const auto& [name, safe] : names) {
        EXPECT_EQ(safeName(name), safe);
    }
}

} // namespace
} // namespace scrivlette::cli
