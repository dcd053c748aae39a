#include "cli/Extraction.h"

#include "../model/ModelTestSupport.h"
#include "../platform/TestSupport.h"
#include "cli/CommandLine.h"

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/stat.h>

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

// Every kind of clipping, a broken one, an old one with its companion,
// colliding outputs, hostile names, a link out of the tree and a pipe.
TEST_F(Extraction, TurnsATreeIntoFilesAndReportsEach) {
    const Run run = extractTree();
    EXPECT_EQ(run.status, 1) << "one clipping is broken";
    EXPECT_EQ(run.lines, 7u) << run.err;

    EXPECT_EQ(run.bySource.at("broken.textClipping")["status"], "failed");
    EXPECT_FALSE(run.bySource.at("broken.textClipping")["reason"].get<std::string>().empty());
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

    EXPECT_FALSE(run.bySource.contains("outside.webloc"));
    EXPECT_NE(run.err.find("outside.webloc: skipped: a symbolic link out of the tree"),
              std::string::npos);
    EXPECT_NE(run.err.find("pipe.textClipping: skipped: not a regular file"), std::string::npos);
    EXPECT_NE(run.err.find("7 clippings: 6 extracted, 1 failed; "), std::string::npos) << run.err;
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

// A second run writes beside the first, never over it; a dry run writes nothing.
TEST_F(Extraction, NeverOverwritesAndDryRunsWriteNothing) {
    const Run dry = extractTree(true, true);
    EXPECT_FALSE(fs::exists(output_));
    // With --all, the plain text and each of the three representations.
    const Json& notes = dry.bySource.at("Notes.TEXTCLIPPING")["outputs"];
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_TRUE(notes[3].get<std::string>().ends_with(".txt"));
    EXPECT_NE(dry.err.find("would be written to"), std::string::npos);

    extractTree();
    std::ofstream(output_ / "Notes.txt") << "changed by the user";
    const Run again = extractTree();
    EXPECT_EQ(contentsOf(output_ / "Notes.txt"), "changed by the user");
    for (const auto& [source, line] : again.bySource) {
        for (const auto& path : line["outputs"]) {
            EXPECT_NE(path.get<std::string>().find(" ("), std::string::npos) << path;
        }
    }
    EXPECT_EQ(contentsOf(test::realFile("Notes.textClipping")),
              contentsOf(tree_ / "Notes.textClipping"))
        << "inputs untouched";
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
        {"plain", "plain"},
        {".hidden", "_hidden"},
        {"..", "_"},
        {".", "_"},
        {"", "_"},
        {"a/b", "a_b"},
        {"line\nbreak", "line_break"},
        {"tab\there", "tab_here"},
        {"a..b", "a..b"},
        {"Café 随后", "Café 随后"},
    };
    for (const auto& [name, safe] : names) {
        EXPECT_EQ(safeName(name), safe);
    }
}

} // namespace
} // namespace scrivlette::cli
