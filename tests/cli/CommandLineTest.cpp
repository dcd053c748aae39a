#include "cli/CommandLine.h"

#include "../model/ModelTestSupport.h"
#include "../platform/TestSupport.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace scrivlette::cli {
namespace {

struct Output {
    int status = -1;
    std::string out;
    std::string err;
};

class CommandLine : public test::ModelTest {
protected:
    Output invoke(std::vector<std::string> arguments) {
        Output result;
        const auto invocation = parseArguments(arguments);
        if (!invocation) {
            result.status = usageError;
            result.err = invocation.error().message;
            return result;
        }
        std::ostringstream out;
        std::ostringstream err;
        result.status = run(*invocation, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }
    static std::string real(const char* name) { return test::realFile(name).string(); }
};

TEST_F(CommandLine, ListsEveryEntryOfEveryFileInOrder) {
    const Output result =
        invoke({"list", real("Notes.textClipping"), real("Picture clipping.pictClipping"),
                real("Documentation.webloc")});
    EXPECT_EQ(result.status, allRead);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "1\tcom.apple.traditional-mac-plain-text\tNotes\n"
                          "2\tpublic.utf8-plain-text\tNotes\n"
                          "3\tpublic.utf16-plain-text\tNotes\n"
                          "4\tcom.apple.pict\t[data size: 481762]\n"
                          // Sixty characters of a longer URL.
                          "5\tURL\thttps://roomscan-api.locometric.com/documentation/roomscanap\n");
}

TEST_F(CommandLine, ShowWritesTheEntryExactly) {
    const Output second = invoke({"show", "--entry", "2", real("Text.textClipping")});
    EXPECT_EQ(second.status, allRead);
    EXPECT_EQ(second.out, "");
    const Output fifth = invoke({"show", "--entry=5", real("Text.textClipping")});
    EXPECT_EQ(fifth.out, "随后") << "nothing added, not even a newline";
    const Output first = invoke({"show", real("Donate.webloc")});
    EXPECT_EQ(first.out, "http://cyberduck.ch/donate/");
}

TEST_F(CommandLine, JsonHoldsTheDocumentAndOneResultPerFile) {
    const std::string missing = (directory_ / "gone.textClipping").string();
    const Output result =
        invoke({"json", real("README.textClipping"), missing, real("PLAY_ME.webloc")});
    EXPECT_EQ(result.status, someUnread);
    const auto document = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(document["clippingName"], "PLAY_ME.webloc");
    EXPECT_EQ(document["results"], nlohmann::ordered_json::parse("[true, false, true]"));
    ASSERT_EQ(document["clipList"].size(), 4u);
    const auto decoded = decodeClipDetail(document["clipList"][0]);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->title, "com.apple.traditional-mac-plain-text");
    EXPECT_EQ(decoded->data->view(), "README");
    EXPECT_FALSE(document["clipList"][3].contains("data"));
    EXPECT_EQ(result.err, "scrivlette-cli: " + missing + ": No such file or directory\n");
}

TEST_F(CommandLine, FailuresAreReportedAfterTheRestIsPrinted) {
    const Url notClipping = write("notes.txt", "hello");
    const Url broken = write("broken.textClipping", "<plist><dict><key>x</key></plist>");
    const Output result =
        invoke({"list", *notClipping.filePath(), real("Donate.webloc"), *broken.filePath()});
    EXPECT_EQ(result.status, someUnread);
    EXPECT_EQ(result.out, "1\tURL\thttp://cyberduck.ch/donate/\n");
    const std::string first = "scrivlette-cli: " + *notClipping.filePath() + ": not a clipping";
    const std::string second = "\nscrivlette-cli: " + *broken.filePath() + ": not a property list";
    EXPECT_TRUE(result.err.starts_with(first)) << result.err;
    EXPECT_NE(result.err.find(second), std::string::npos) << result.err;
}

TEST_F(CommandLine, WriteUsesTheWindowsRules) {
    const std::string text = real("Text.textClipping");
    EXPECT_EQ(invoke({"write", "--entry", "3", "--dry-run", text}).out,
              "Untitled.webArchive\tcom.apple.webarchive\n");

    const std::string target = (directory_ / "out.txt").string();
    const Output written = invoke({"write", "--entry", "5", "--output", target, text});
    EXPECT_EQ(written.status, allRead) << written.err;
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "随后");

    // The empty Mac OS Roman text has nothing to write.
    const std::string nothing = (directory_ / "nothing.txt").string();
    const Output empty = invoke({"write", "--entry", "2", "--output", nothing, text});
    EXPECT_EQ(empty.status, someUnread);
    EXPECT_EQ(empty.err, "scrivlette-cli: " + nothing + ": the entry has no text to write\n");
    EXPECT_FALSE(std::filesystem::exists(nothing));

    const std::string blocked = (directory_ / "blocked").string();
    std::filesystem::create_directories(blocked + "/inside");
    const Output failed = invoke({"write", "--output", blocked, real("Donate.webloc")});
    EXPECT_EQ(failed.status, someUnread);
    EXPECT_NE(failed.err.find(blocked), std::string::npos);

    EXPECT_EQ(invoke({"write", text}).status, usageError) << "needs --output or --dry-run";
    EXPECT_EQ(invoke({"write", "--dry-run", "--output", target, text}).status, usageError);
}

TEST_F(CommandLine, WriteAsConvertsOrRefusesWithoutWriting) {
    const std::string picture = real("Picture clipping.pictClipping");
    const std::string png = (directory_ / "picture.png").string();
    const Output written = invoke({"write", "--as", "png", "--output", png, picture});
    EXPECT_EQ(written.status, allRead) << written.err;
    std::ifstream in(png, std::ios::binary);
    std::string signature(8, '\0');
    in.read(signature.data(), 8);
    EXPECT_EQ(signature, "\x89PNG\r\n\x1A\n");

    const Output text = invoke(
        {"write", "--entry=7", "--as=text", "--output", "-", real("Rich web text.textClipping")});
    EXPECT_EQ(text.status, allRead) << text.err;
    EXPECT_EQ(text.out, "index.html");

    const struct {
        std::vector<std::string> arguments;
        const char* says;
    } refusals[] = {
        {{"write", "--as", "text", "--output", png + ".txt", picture}, "does not convert to text"},
        {{"write", "--as", "png", "--output", png + "2", real("Notes.textClipping")},
         "does not convert to PNG"},
    };
    for (const auto& refusal : refusals) {
        const Output failed = invoke(refusal.arguments);
        EXPECT_EQ(failed.status, someUnread);
        EXPECT_NE(failed.err.find(refusal.says), std::string::npos) << failed.err;
        EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << "one line";
        EXPECT_FALSE(std::filesystem::exists(refusal.arguments[4])) << "nothing written";
    }
    EXPECT_EQ(invoke({"write", "--as", "gif", "--output", png, picture}).status, usageError);
    EXPECT_EQ(invoke({"write", "--as", "png", "--dry-run", picture}).status, usageError);
}

// Recoll's filter prints the text; Baloo's extractor answers in JSON, and a
// file that is no clipping, or a request that is no request, fails cleanly.
TEST_F(CommandLine, SearchEnginesGetTheTextAndTheKind) {
    const Output text = invoke({"text", real("Notes.textClipping"), real("Donate.webloc"),
                                real("Picture clipping.pictClipping")});
    EXPECT_EQ(text.status, allRead);
    EXPECT_EQ(text.out, "Notes\nhttp://cyberduck.ch/donate/\n\n");
    const struct {
        std::string request;
        const char* text;
        const char* type; // nullptr: the answer is a failure
    } requests[] = {
        {"{\"path\": \"" + real("Text.textClipping") + "\"}", "随后", "Text"},
        {"{\"path\": \"" + real("Donate.webloc") + "\"}", "http://cyberduck.ch/donate/",
         "Document"},
        {"{\"path\": \"" + real("Picture clipping.pictClipping") + "\"}", "", "Image"},
        {"{\"path\": \"" + real("PROVENANCE.md") + "\"}", nullptr, nullptr},
        {"not JSON", nullptr, nullptr},
    };
    for (const auto& request : requests) {
        SCOPED_TRACE(request.request);
        std::istringstream in(request.request);
        std::ostringstream out;
        std::ostringstream err;
        const int status = run(*parseArguments({"kfilemetadata"}), in, out, err);
        const auto answer = nlohmann::json::parse(out.str());
        EXPECT_EQ(status, request.type ? allRead : someUnread);
        EXPECT_EQ(answer["status"], request.type ? "OK" : "Failed");
        if (request.type) {
            EXPECT_EQ(answer["properties"]["text"], request.text);
            EXPECT_EQ(answer["properties"]["typeInfo"], request.type);
        }
    }
    EXPECT_EQ(invoke({"kfilemetadata", real("Notes.textClipping")}).status, usageError);
}

TEST_F(CommandLine, UsageErrorsAndEntriesOutOfRangeExitWithTwo) {
    const std::vector<std::vector<std::string>> usageErrors = {
        {},
        {"list"},
        {"frobnicate", "x"},
        {"show", "--entry"},
        {"show", "--entry", "0", "x"},
        {"show", "--entry", "two", "x"},
        {"list", "--entry", "1", "x"},
        {"json", "--verbose", "x"},
    };
    for (const auto& arguments : usageErrors) {
        SCOPED_TRACE(arguments.empty() ? "(nothing)" : arguments.front());
        EXPECT_EQ(invoke(arguments).status, usageError);
    }
    const Output outOfRange = invoke({"show", "--entry", "4", real("Notes.textClipping")});
    EXPECT_EQ(outOfRange.status, usageError);
    EXPECT_EQ(outOfRange.out, "");
    EXPECT_NE(outOfRange.err.find("no entry 4"), std::string::npos);

    const Output help = invoke({"--help"});
    EXPECT_EQ(help.status, allRead);
    EXPECT_TRUE(help.out.starts_with("Usage: scrivlette-cli"));
    EXPECT_TRUE(invoke({"--version"}).out.starts_with("scrivlette-cli "));
    // A file named like an option, after "--".
    const Output dashed = invoke({"list", "--", "-odd.webloc"});
    EXPECT_EQ(dashed.status, someUnread);
}

} // namespace
} // namespace scrivlette::cli
