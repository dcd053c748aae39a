#include "../platform/TestSupport.h"
#include "ModelTestSupport.h"
#include "model/SourceNames.h"

#include <thread>

namespace scrivlette {
namespace {

using test::NoticeCounter;

class ClipInfoTest : public test::ModelTest {};

ClipDetail entry(std::string title) {
    return ClipDetail(std::move(title), "text", std::nullopt, true);
}

TEST_F(ClipInfoTest, NameSetterAnnouncesOnlyRealChanges) {
    const auto info = ClipInfo::create();
    NoticeCounter notices(*info);
    info->setClippingName("");
    EXPECT_EQ(notices.total(), 0) << "the name it already holds";
    info->setClippingName("Notes.textClipping");
    EXPECT_EQ(notices.willSet(ClipInfo::clippingNameKey), 1);
    EXPECT_EQ(notices.didSet(ClipInfo::clippingNameKey), 1);
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 0);
    info->setClippingName("Notes.textClipping");
    EXPECT_EQ(notices.total(), 2);
    EXPECT_EQ(info->clippingName(), "Notes.textClipping");
}

TEST_F(ClipInfoTest, ListSetterComparesEntriesIdsIncluded) {
    const auto info = ClipInfo::create();
    NoticeCounter notices(*info);
    info->setClipList({});
    EXPECT_EQ(notices.total(), 0) << "two empty lists are equal";

    const std::vector<ClipDetail> first = {entry("a"), entry("b")};
    info->setClipList(first);
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 1);
    info->setClipList(first);
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 1) << "equal entry by entry";

    std::vector<ClipDetail> changed = first;
    changed[1].content = "other";
    info->setClipList(changed);
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 2);
    info->setClipList({entry("a"), entry("b")});
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 3) << "same fields, new ids";
    info->setClipList({changed[0]});
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 4) << "shorter";
    EXPECT_EQ(notices.didSet(ClipInfo::clipListKey), 4);
    EXPECT_EQ(notices.willSet(ClipInfo::clippingNameKey), 0);
}

TEST_F(ClipInfoTest, AppendIsAlwaysAnnouncedAndEarlierCopiesStayAsTheyWere) {
    const auto info = ClipInfo::create();
    NoticeCounter notices(*info);
    const ClipDetail clip = entry("a");
    info->appendClip(clip);
    const std::vector<ClipDetail> before = info->clipList();
    info->appendClip(clip);
    EXPECT_EQ(notices.willSet(ClipInfo::clipListKey), 2);
    EXPECT_EQ(notices.didSet(ClipInfo::clipListKey), 2);
    EXPECT_EQ(before.size(), 1u);
    EXPECT_EQ(info->clipList().size(), 2u);

    // Each entry read from a file knows its name; others know none, and a
    // whole new list starts them over.
    ASSERT_TRUE(info->readClipping(*Url::fromFilePath(test::realFile("Donate.webloc").string())));
    EXPECT_EQ(info->sourceAt(0), "");
    EXPECT_EQ(info->sourceAt(2), test::realFile("Donate.webloc").string());
    info->setClipList({clip});
    EXPECT_EQ(info->sourceAt(0), "");
}

TEST(SourceNames, CollidingNamesShowTheFewestFoldersThatTellThemApart) {
    using Names = std::map<std::string, std::string>;
    const struct {
        std::vector<std::string> paths;
        Names names;
    } rows[] = {
        {{"/a/Notes", "/b/Notes", "/a/Other", "/a/Notes"},
         {{"/a/Notes", "Notes (a)"}, {"/b/Notes", "Notes (b)"}, {"/a/Other", "Other"}}},
        {{"/x/Desktop/N", "/y/Desktop/N", "/z/N"},
         {{"/x/Desktop/N", "N (x/Desktop)"},
          {"/y/Desktop/N", "N (y/Desktop)"},
          {"/z/N", "N (/z)"}}},
        {{"/N", "/a/N"}, {{"/N", "N (/)"}, {"/a/N", "N (a)"}}},
        {{"", "/a/N"}, {{"", ""}, {"/a/N", "N"}}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(sourceNames(row.paths), row.names) << row.paths.front();
    }
}

TEST_F(ClipInfoTest, TrackingTellsAnObserverOnceAboutWhatItRead) {
    const auto info = ClipInfo::create();
    int nameChanges = 0;
    withObservationTracking([&] { (void)info->clippingName(); }, [&] { ++nameChanges; });
    int listChanges = 0;
    withObservationTracking([&] { (void)info->clipList(); }, [&] { ++listChanges; });

    info->appendClip(entry("a"));
    EXPECT_EQ(nameChanges, 0) << "the list changed, not the name";
    EXPECT_EQ(listChanges, 1);
    info->setClippingName("x");
    info->setClippingName("y");
    info->appendClip(entry("b"));
    EXPECT_EQ(nameChanges, 1) << "told once, then the observation is spent";
    EXPECT_EQ(listChanges, 1);

    // Reading both: told once for whichever changes first.
    int eitherChanges = 0;
    withObservationTracking(
        [&] {
            (void)info->clipList();
            (void)info->clippingName();
        },
        [&] { ++eitherChanges; });
    info->setClippingName("z");
    info->appendClip(entry("c"));
    EXPECT_EQ(eitherChanges, 1);
}

TEST_F(ClipInfoTest, TrackingOutlivesItsDocumentHarmlessly) {
    int changes = 0;
    {
        const auto info = ClipInfo::create();
        withObservationTracking([&] { (void)info->clipList(); }, [&] { ++changes; });
    }
    const auto next = ClipInfo::create();
    next->appendClip(entry("a"));
    EXPECT_EQ(changes, 0);
}

TEST_F(ClipInfoTest, ReleasedOnAWorkerItIsDestroyedOnTheMainThread) {
    auto info = ClipInfo::create();
    std::thread worker([held = std::move(info)]() mutable { held.reset(); });
    worker.join();
    EXPECT_EQ(queue_->pending(), 1u) << "teardown waits for the main queue";
    EXPECT_EQ(queue_->drain(), 1u);

    // Released on the main thread, it goes at once.
    auto local = ClipInfo::create();
    local.reset();
    EXPECT_EQ(queue_->pending(), 0u);
}

} // namespace
} // namespace scrivlette
