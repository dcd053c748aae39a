#include "../platform/TestSupport.h"
#include "ModelTestSupport.h"
#include "model/ClipConversion.h"
#include "platform/services/Background.h"
#include "platform/services/SavePanel.h"

#include <fstream>
#include <sys/stat.h>

namespace scrivlette {
namespace {

namespace fs = std::filesystem;

// A panel that answers when the test says so.
class ScriptedPanel final : public SavePanel {
public:
    void setCanCreateDirectories(bool allowed) override { canCreateDirectories = allowed; }
    void setNameFieldStringValue(std::string name) override { suggestedName = std::move(name); }
    void setAllowedContentTypes(std::vector<ContentType> types) override {
        allowedTypes = std::move(types);
    }
    void begin(Completion done) override { completion = std::move(done); }
    std::optional<Url> url() const override { return location; }
    std::size_t selectedTypeIndex() const override { return chosenType; }

    void answer(int response, std::optional<Url> chosen, std::size_t type = 0) {
        location = std::move(chosen);
        chosenType = type;
        auto done = std::move(completion);
        completion = nullptr;
        done(response);
    }

    bool canCreateDirectories = false;
    std::string suggestedName;
    std::vector<ContentType> allowedTypes;
    Completion completion;
    std::optional<Url> location;
    std::size_t chosenType = 0;
};

class ClipWriting : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        SavePanel::installFactory([this] {
            panels_.push_back(std::make_shared<ScriptedPanel>());
            return panels_.back();
        });
        info_ = ClipInfo::create();
    }
    void TearDown() override {
        SavePanel::installFactory(nullptr);
        info_.reset();
        ModelTest::TearDown();
    }

    // Writes `clip` through a panel confirmed with `name` in the scratch folder.
    WriteOutcome writeThroughPanel(const ClipDetail& clip, const std::string& name,
                                   std::size_t type = 0) {
        WriteOutcome outcome;
        info_->writeClip(clip, [&](const WriteOutcome& result) { outcome = result; });
        panels_.back()->answer(SavePanel::okResponse, urlOf(directory_ / name), type);
        settle();
        return outcome;
    }

    // The write runs on a worker; its outcome comes back on the main queue.
    void settle() {
        finishBackgroundWork();
        queue_->drain();
    }

    std::string contentsOf(const std::string& name) const {
        std::ifstream in(directory_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::shared_ptr<ClipInfo> info_;
    std::vector<std::shared_ptr<ScriptedPanel>> panels_;
};

TEST_F(ClipWriting, PanelAndWriteRulesFollowTheEntrysType) {
    const Bytes bytes = Bytes::copyOf(std::string_view("BYTES"));
    const struct {
        std::string title;
        bool useString;
        bool hasData;
        const char* name;
        const char* type; // "" for unset
        WriteRule rule;
    } rows[] = {
        {"public.utf8-plain-text", true, false, "Untitled.txt", "public.text", WriteRule::text},
        {"public.utf16-plain-text", false, true, "Untitled.txt", "public.text", WriteRule::text},
        {"URL", true, false, "Untitled.txt", "public.text", WriteRule::text},
        {"public.rtf", true, true, "Untitled.rtf", "public.rtf", WriteRule::text},
        {"public.html", false, true, "Untitled.html", "public.html", WriteRule::text},
        {"com.apple.webarchive", false, true, "Untitled.webArchive", "com.apple.webarchive",
         WriteRule::bytes},
        {"com.apple.webarchive", true, true, "Untitled.txt", "public.text", WriteRule::bytes},
        {"com.apple.webarchive", false, false, "Untitled.webArchive", "com.apple.webarchive",
         WriteRule::text},
        {"com.apple.flat-rtfd", false, true, "Untitled.rtfd", "com.apple.rtfd",
         WriteRule::fileWrapper},
        {"com.apple.flat-rtfd", true, true, "Untitled.txt", "public.text", WriteRule::fileWrapper},
        {"public.tiff", false, true, "Untitled.tiff", "public.tiff", WriteRule::bytes},
        {"com.apple.pict", false, true, "Untitled.pict", "com.apple.pict", WriteRule::bytes},
        {"com.apple.pict", true, false, "Untitled.txt", "public.text", WriteRule::text},
        {"com.adobe.pdf", false, true, "Untitled.txt", "public.text", WriteRule::text},
        // Letter case matters: these match no named rule.
        {"Public.RTF", false, true, "Untitled.txt", "public.text", WriteRule::text},
        {"url", false, false, "Untitled.txt", "public.text", WriteRule::text},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title + (row.useString ? " text" : " bytes") +
                     (row.hasData ? " data" : " no data"));
        const ClipDetail clip(row.title, "content",
                              row.hasData ? std::optional(bytes) : std::nullopt, row.useString);
        const PanelSetup setup = panelSetupFor(clip);
        EXPECT_EQ(setup.suggestedName, row.name);
        EXPECT_EQ(setup.allowedType ? setup.allowedType->identifier : "", row.type);
        EXPECT_EQ(writeRuleFor(clip), row.rule);

        info_->writeClip(clip);
        const ScriptedPanel& panel = *panels_.back();
        EXPECT_TRUE(panel.canCreateDirectories);
        EXPECT_EQ(panel.suggestedName, row.name);
        // Pictures and formatted text also offer what they convert to.
        const std::size_t offered = std::string(row.type).empty() ? 0u
                                    : conversionFor(clip)         ? 2u
                                                                  : 1u;
        ASSERT_EQ(panel.allowedTypes.size(), offered);
        if (offered > 0) {
            EXPECT_EQ(panel.allowedTypes.front().identifier, row.type);
        }
        // An open panel keeps itself alive, as a window would; close it.
        panels_.back()->answer(SavePanel::cancelResponse, std::nullopt);
    }
    const ClipDetail empty("public.utf8-plain-text", "", std::nullopt, true);
    EXPECT_EQ(writeRuleFor(empty), WriteRule::nothing);
}

// The panel's second type writes the entry converted.
TEST_F(ClipWriting, TheSecondTypeWritesTheConversion) {
    const ClipDetail html("public.html", "<p>one<br>two</p>", std::nullopt, true);
    EXPECT_EQ(writeThroughPanel(html, "page.txt", 1).status, WriteOutcome::Status::written);
    EXPECT_EQ(contentsOf("page.txt"), "one\ntwo");
    const ClipDetail pict("com.apple.pict", "[data size: 3]",
                          Bytes::copyOf(std::string_view("abc")), false);
    const WriteOutcome refused = writeThroughPanel(pict, "x.png", 1);
    EXPECT_EQ(refused.status, WriteOutcome::Status::failed);
    EXPECT_NE(refused.message.find("not decodable"), std::string::npos) << refused.message;
    EXPECT_FALSE(fs::exists(directory_ / "x.png"));
}

TEST_F(ClipWriting, TextIsWrittenAsUtf8AndBytesAsTheyAre) {
    const ClipDetail utf16("public.utf16-plain-text", "随后 ✓",
                           Bytes::copyOf(std::string_view("\x8f\x96\x0eT", 4)), true);
    EXPECT_EQ(writeThroughPanel(utf16, "a.txt").status, WriteOutcome::Status::written);
    EXPECT_EQ(contentsOf("a.txt"), "随后 ✓");

    const ClipDetail rtf("public.rtf", "{\\rtf1 x}", Bytes::copyOf(std::string_view("ignored")),
                         true);
    writeThroughPanel(rtf, "b.rtf");
    EXPECT_EQ(contentsOf("b.rtf"), "{\\rtf1 x}");

    const ClipDetail unknown("com.adobe.pdf", "[data size: 4]",
                             Bytes::copyOf(std::string_view("%PDF")), false);
    writeThroughPanel(unknown, "c.txt");
    EXPECT_EQ(contentsOf("c.txt"), "[data size: 4]") << "the placeholder, never the bytes";

    // Bytes go into the existing file in place; text replaces the file.
    const std::string archiveBytes("bplist00\0\xff", 10);
    std::ofstream(directory_ / "d.webArchive") << "previous contents, longer than the new ones";
    struct stat before {};
    ::stat((directory_ / "d.webArchive").c_str(), &before);
    const ClipDetail archive("com.apple.webarchive", "[data size: 10]",
                             Bytes::copyOf(std::string_view(archiveBytes)), false);
    EXPECT_EQ(writeThroughPanel(archive, "d.webArchive").status, WriteOutcome::Status::written);
    EXPECT_EQ(contentsOf("d.webArchive"), archiveBytes);
    struct stat after {};
    ::stat((directory_ / "d.webArchive").c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino) << "a plain write, not a replacement";

    std::ofstream(directory_ / "e.txt") << "old";
    ::stat((directory_ / "e.txt").c_str(), &before);
    writeThroughPanel(utf16, "e.txt");
    ::stat((directory_ / "e.txt").c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino)
        << "text is written to a new file and renamed into place";
    EXPECT_EQ(contentsOf("e.txt"), "随后 ✓");
}

TEST_F(ClipWriting, NothingIsWrittenWhenThereIsNothingToWrite) {
    const ClipDetail empty("public.utf8-plain-text", "", std::nullopt, true);
    EXPECT_EQ(writeThroughPanel(empty, "empty.txt").status, WriteOutcome::Status::nothingToWrite);
    EXPECT_FALSE(fs::exists(directory_ / "empty.txt"));

    const ClipDetail garbage("com.apple.flat-rtfd", "[data size: 4]",
                             Bytes::copyOf(std::string_view("junk")), false);
    const WriteOutcome refused = writeThroughPanel(garbage, "x.rtfd");
    EXPECT_EQ(refused.status, WriteOutcome::Status::notAFileWrapper);
    EXPECT_EQ(refused.message, "not a serialized file wrapper") << "said once";
    EXPECT_FALSE(fs::exists(directory_ / "x.rtfd"));

    const ClipDetail text("URL", "https://example.com/", std::nullopt, true);
    info_->writeClip(text);
    panels_.back()->answer(SavePanel::cancelResponse, urlOf(directory_ / "cancelled.txt"));
    info_->writeClip(text);
    panels_.back()->answer(SavePanel::okResponse, std::nullopt);
    info_->writeClip(text);
    panels_.back()->answer(7, urlOf(directory_ / "seven.txt"));
    EXPECT_TRUE(fs::is_empty(directory_))
        << "cancel, no location, and an unknown answer write nothing";
}

TEST_F(ClipWriting, EachPanelWritesTheEntryAsItWasWhenOpened) {
    ClipDetail clip("public.utf8-plain-text", "first", std::nullopt, true);
    info_->writeClip(clip);
    clip.content = "second";
    info_->writeClip(clip);
    ASSERT_EQ(panels_.size(), 2u);
    std::weak_ptr<ScriptedPanel> firstPanel = panels_[0];
    panels_[1]->answer(SavePanel::okResponse, urlOf(directory_ / "2.txt"));
    panels_[0]->answer(SavePanel::okResponse, urlOf(directory_ / "1.txt"));
    settle();
    EXPECT_EQ(contentsOf("1.txt"), "first");
    EXPECT_EQ(contentsOf("2.txt"), "second");
    panels_.clear();
    EXPECT_TRUE(firstPanel.expired()) << "the panel and its copy go once the completion has run";
}

TEST_F(ClipWriting, FlatRtfdBecomesAPackage) {
    const Bytes stickies = test::readBytes(test::realFile("stickies-note.flat-rtfd"));
    const ClipDetail clip("com.apple.flat-rtfd", "[data size: 965]", stickies, false);
    EXPECT_EQ(writeThroughPanel(clip, "Note.rtfd").status, WriteOutcome::Status::written);
    EXPECT_EQ(fs::file_size(directory_ / "Note.rtfd" / "TXT.rtf"), 874u);
}

TEST_F(ClipWriting, AFailedTextWriteLeavesTheTargetAndNoTemporaryFile) {
    // A folder stands where the file should go: the rename fails.
    fs::create_directories(directory_ / "taken.txt" / "inside");
    const ClipDetail text("public.utf8-plain-text", "words", std::nullopt, true);
    const WriteOutcome outcome = writeThroughPanel(text, "taken.txt");
    EXPECT_EQ(outcome.status, WriteOutcome::Status::failed);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_TRUE(fs::is_directory(directory_ / "taken.txt" / "inside"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory_)) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"taken.txt"});
}

} // namespace
} // namespace scrivlette
