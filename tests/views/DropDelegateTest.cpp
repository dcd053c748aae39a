#include "../model/ModelTestSupport.h"
#include "../platform/TestSupport.h"
#include "views/ScrivletteDropDelegate.h"

#include <thread>

namespace scrivlette {
namespace {

// A provider whose load the test completes, on a thread of its choosing.
class FakeProvider final : public ItemProvider {
public:
    explicit FakeProvider(std::optional<std::any> item) : item_(std::move(item)) {}

    void loadItem(std::string_view typeIdentifier, Completion completion) override {
        requestedType = std::string(typeIdentifier);
        completion_ = std::move(completion);
    }
    // Delivers the item from a worker thread, as a real provider would.
    void complete() {
        std::thread worker([this] { completion_(item_, std::string("an error nobody reads")); });
        worker.join();
    }
    bool started() const { return completion_ != nullptr; }

    std::string requestedType;

private:
    std::optional<std::any> item_;
    Completion completion_;
};

class FakeDropInfo final : public DropInfo {
public:
    explicit FakeDropInfo(std::vector<std::shared_ptr<FakeProvider>> providers,
                          bool conforms = true)
        : providers_(std::move(providers)), conforms_(conforms) {}

    bool hasItemsConforming(const std::vector<std::string>& types) const override {
        askedTypes = types;
        return conforms_;
    }
    std::vector<std::shared_ptr<ItemProvider>>
    itemProviders(const std::vector<std::string>& types) const override {
        askedTypes = types;
        return {providers_.begin(), providers_.end()};
    }

    mutable std::vector<std::string> askedTypes;

private:
    std::vector<std::shared_ptr<FakeProvider>> providers_;
    bool conforms_;
};

std::shared_ptr<FakeProvider> providerFor(const std::string& realName) {
    const auto url = *Url::fromFilePath(test::realFile(realName).string());
    return std::make_shared<FakeProvider>(std::any(Bytes::copyOf(url.dataRepresentation())));
}

class DropDelegate : public test::ModelTest {
protected:
    State<std::shared_ptr<ClipInfo>> clipInfo_{ClipInfo::create()};
    ScrivletteDropDelegate delegate() { return ScrivletteDropDelegate(clipInfo_.binding()); }
};

TEST_F(DropDelegate, OneFileEmptiesTheWindowThenFillsIt) {
    const auto before = clipInfo_.get();
    before->setClippingName("earlier");
    const auto provider = providerFor("Notes.textClipping");
    const FakeDropInfo info({provider});
    EXPECT_TRUE(delegate().validateDrop(info));
    EXPECT_EQ(info.askedTypes, std::vector<std::string>{"public.file-url"});
    EXPECT_TRUE(delegate().performDrop(info));
    EXPECT_EQ(provider->requestedType, "public.file-url");
    ASSERT_NE(clipInfo_.get(), before);
    EXPECT_EQ(clipInfo_.get()->clippingName(), "") << "a new, empty document at once";

    provider->complete();
    EXPECT_TRUE(clipInfo_.get()->clipList().empty()) << "read only on the main queue";
    EXPECT_EQ(queue_->drain(), 1u);
    EXPECT_EQ(clipInfo_.get()->clipList().size(), 3u);
    EXPECT_EQ(clipInfo_.get()->clippingName(), "Notes.textClipping");
}

TEST_F(DropDelegate, SeveralFilesAccumulateInTheOrderTheirLoadsFinish) {
    const auto notes = providerFor("Notes.textClipping");
    const auto web = providerFor("PLAY_ME.webloc");
    const auto picture = providerFor("Picture clipping.pictClipping");
    ASSERT_TRUE(delegate().performDrop(FakeDropInfo({notes, web, picture})));
    EXPECT_TRUE(notes->started() && web->started() && picture->started())
        << "all loads start at once";
    picture->complete();
    notes->complete();
    web->complete();
    queue_->drain();
    const auto clips = clipInfo_.get()->clipList();
    ASSERT_EQ(clips.size(), 5u);
    EXPECT_EQ(clips[0].title, "com.apple.pict");
    EXPECT_EQ(clips[1].title, "com.apple.traditional-mac-plain-text");
    EXPECT_EQ(clips[4].title, "URL");
    EXPECT_EQ(clipInfo_.get()->clippingName(), "PLAY_ME.webloc");
}

TEST_F(DropDelegate, ItemsThatAreNoFileUrlAreDropped) {
    const auto nothing = std::make_shared<FakeProvider>(std::nullopt);
    const auto text = std::make_shared<FakeProvider>(std::any(std::string("file:///etc/hosts")));
    const auto noUrl =
        std::make_shared<FakeProvider>(std::any(Bytes::copyOf(std::string_view("no scheme here"))));
    const auto empty = std::make_shared<FakeProvider>(std::any(Bytes()));
    std::vector<ReadSummary> reports;
    ScrivletteDropDelegate reporting(
        clipInfo_.binding(), [&](const ReadSummary& summary) { reports.push_back(summary); });
    ASSERT_TRUE(reporting.performDrop(FakeDropInfo({nothing, text, noUrl, empty})));
    for (const auto& provider : {nothing, text, noUrl, empty}) {
        provider->complete();
    }
    queue_->drain();
    EXPECT_TRUE(clipInfo_.get()->clipList().empty());
    EXPECT_EQ(clipInfo_.get()->clippingName(), "");
    ASSERT_EQ(reports.size(), 1u) << "one report, once the last item is in";
    EXPECT_EQ(reports[0].files, 4u);
    EXPECT_EQ(reports[0].failed, 4u);
}

// The command line and File > Open take the drop's road: a new document, the
// files read in the order given, and one report saying which did not read.
TEST_F(DropDelegate, OpenedFilesReadInOrderAndReportFailures) {
    const auto before = clipInfo_.get();
    std::vector<ReadSummary> reports;
    ScrivletteDropDelegate reporting(
        clipInfo_.binding(), [&](const ReadSummary& summary) { reports.push_back(summary); });
    const auto url = [](const std::string& name) {
        return *Url::fromFilePath(test::realFile(name).string());
    };
    reporting.openFiles({url("Donate.webloc"), url("PROVENANCE.md"), url("Notes.textClipping")});
    EXPECT_NE(clipInfo_.get(), before);
    EXPECT_TRUE(reports.empty());
    queue_->drain();
    const auto clips = clipInfo_.get()->clipList();
    ASSERT_EQ(clips.size(), 4u);
    EXPECT_EQ(clips[0].title, "URL");
    EXPECT_EQ(clipInfo_.get()->clippingName(), "Notes.textClipping");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].files, 3u);
    EXPECT_EQ(reports[0].failed, 1u);
    ASSERT_EQ(reports[0].failures.size(), 1u);
    EXPECT_EQ(reports[0].failures[0].name, "PROVENANCE.md");
    EXPECT_EQ(reports[0].failures[0].error.kind, ErrorKind::NotAClipping);
}

TEST_F(DropDelegate, LateFilesOfAnEarlierDropLandInTheLatestDocument) {
    const auto first = providerFor("Notes.textClipping");
    ASSERT_TRUE(delegate().performDrop(FakeDropInfo({first})));
    const auto firstDocument = clipInfo_.get();
    const auto second = providerFor("Donate.webloc");
    ASSERT_TRUE(delegate().performDrop(FakeDropInfo({second})));
    first->complete();
    second->complete();
    queue_->drain();
    EXPECT_TRUE(firstDocument->clipList().empty());
    EXPECT_EQ(clipInfo_.get()->clipList().size(), 4u);
    EXPECT_EQ(clipInfo_.get()->clippingName(), "Donate.webloc");
}

TEST_F(DropDelegate, RefusedAndEmptyDrops) {
    const auto before = clipInfo_.get();
    const FakeDropInfo text({}, false);
    EXPECT_FALSE(delegate().validateDrop(text));
    EXPECT_EQ(clipInfo_.get(), before) << "validation leaves the document alone";

    EXPECT_FALSE(delegate().performDrop(FakeDropInfo({})));
    EXPECT_NE(clipInfo_.get(), before) << "the reset comes before the items are looked at";
    EXPECT_TRUE(clipInfo_.get()->clipList().empty());
}

TEST_F(DropDelegate, ALoadThatOutlivesItsWindowDoesNoHarm) {
    const auto provider = providerFor("Notes.textClipping");
    {
        State<std::shared_ptr<ClipInfo>> window(ClipInfo::create());
        ASSERT_TRUE(ScrivletteDropDelegate(window.binding()).performDrop(FakeDropInfo({provider})));
    }
    provider->complete();
    EXPECT_EQ(queue_->drain(), 1u) << "the read runs against the state the binding kept alive";
}

TEST_F(DropDelegate, ManyLoadsFinishingTogetherOnWorkers) {
    constexpr int count = 32;
    std::vector<std::shared_ptr<FakeProvider>> providers;
    for (int i = 0; i < count; ++i) {
        providers.push_back(providerFor(i % 2 ? "Notes.textClipping" : "Donate.webloc"));
    }
    ASSERT_TRUE(delegate().performDrop(FakeDropInfo(providers)));
    std::vector<std::thread> workers;
    for (const auto& provider : providers) {
        workers.emplace_back([provider] { provider->complete(); });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    EXPECT_EQ(queue_->drain(), static_cast<std::size_t>(count));
    EXPECT_EQ(clipInfo_.get()->clipList().size(),
              static_cast<std::size_t>(count / 2 * 3 + count / 2));
}

} // namespace
} // namespace scrivlette
