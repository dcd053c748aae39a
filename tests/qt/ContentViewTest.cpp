#include "views/ContentView.h"

#include "../platform/ForkBuilder.h"
#include "../platform/TestSupport.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/services/Background.h"
#include "platform/services/SavePanel.h"
#include "views/ClipListModel.h"
#include "views/DetailPane.h"
#include "views/FormattedView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <fstream>
#include <gtest/gtest.h>

namespace scrivlette {
namespace {

// Cancels, or confirms `answer` when the test has set one.
class RecordingPanel final : public SavePanel {
public:
    explicit RecordingPanel(std::optional<Url> answer) : answer_(std::move(answer)) {}
    void setCanCreateDirectories(bool) override {}
    void setNameFieldStringValue(std::string name) override { suggestedName = std::move(name); }
    void setAllowedContentTypes(std::vector<ContentType>) override {}
    void begin(Completion completion) override {
        completion(answer_ ? okResponse : cancelResponse);
    }
    std::optional<Url> url() const override { return answer_; }
    std::string suggestedName;

private:
    std::optional<Url> answer_;
};

Url realUrl(const char* name) {
    return *Url::fromFilePath(test::realFile(name).string());
}

class ContentViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        MainQueue::install(std::make_shared<QtMainQueue>());
        SavePanel::installFactory([this] {
            panels_.push_back(std::make_shared<RecordingPanel>(answer_));
            return panels_.back();
        });
        view_.resize(800, 500);
        view_.show();
        QApplication::processEvents();
    }
    void TearDown() override { SavePanel::installFactory(nullptr); }

    void read(const char* realName) {
        ASSERT_TRUE(
            view_.clipInfo()->readClipping(*Url::fromFilePath(test::realFile(realName).string())));
        QApplication::processEvents();
    }
    void selectRow(int row) {
        view_.sidebar()->setCurrentIndex(view_.sidebar()->model()->index(row, 0));
        QApplication::processEvents();
    }
    QString rowText(int row) const {
        return view_.sidebar()->model()->index(row, 0).data().toString();
    }
    QString detailText() const { return view_.detailPane()->text()->toPlainText(); }
    QString shownTitle() const { return view_.windowHandle()->title(); }

    // The reads run from the main queue, and the view renders on the pass after.
    void open(const std::vector<Url>& urls) {
        view_.openFiles(urls);
        for (int pass = 0; pass < 3; ++pass) {
            QApplication::processEvents();
        }
    }

    std::vector<std::shared_ptr<RecordingPanel>> panels_;
    std::optional<Url> answer_;
    ContentView view_;
};

TEST_F(ContentViewTest, LaunchState) {
    EXPECT_EQ(view_.windowTitle(), QStringLiteral("Scrivlette "));
    EXPECT_EQ(view_.sidebar()->model()->rowCount(), 0);
    EXPECT_EQ(view_.detailPane()->currentWidget(), view_.detailPane()->placeholder());
    EXPECT_EQ(view_.detailPane()->placeholder()->text(), QStringLiteral("Nothing selected."));
    QLabel* symbol = view_.findChild<QLabel*>(QStringLiteral("emptysymbol"));
    EXPECT_TRUE(symbol->isVisible());
    EXPECT_EQ(symbol->size(), QSize(150, 150));
    EXPECT_LE(
        (symbol->geometry().center() - view_.centralWidget()->rect().center()).manhattanLength(), 2)
        << "centred over the whole content";
    EXPECT_TRUE(symbol->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_NE(view_.centralWidget()->childAt(view_.centralWidget()->rect().center()), symbol);

    EXPECT_EQ(view_.centralWidget()->minimumSize(), QSize(600, 200));
    view_.resize(100, 50);
    QApplication::processEvents();
    EXPECT_GE(view_.centralWidget()->width(), 600);
    EXPECT_GE(view_.centralWidget()->height(), 200);
}

TEST_F(ContentViewTest, ToolbarHoldsTheWriteCommand) {
    QToolBar* toolbar = view_.toolbar();
    EXPECT_TRUE(toolbar->toggleViewAction()->isEnabled()) << "the user can hide it";
    ASSERT_EQ(toolbar->actions().size(), 1);
    QAction* write = toolbar->actions().front();
    EXPECT_EQ(write->text(), QStringLiteral("Write Clip to File"));
    EXPECT_EQ(write->toolTip(), QStringLiteral("Write clipping contents to a new file."));

    write->trigger();
    EXPECT_TRUE(panels_.empty()) << "nothing selected: no panel";
    EXPECT_EQ(view_.statusBar()->currentMessage(), QStringLiteral("Select an entry first."));
    read("Text.textClipping");
    selectRow(2);
    write->trigger();
    ASSERT_EQ(panels_.size(), 1u);
    EXPECT_EQ(panels_[0]->suggestedName, "Untitled.webArchive");
}

TEST_F(ContentViewTest, SelectionSurvivesADrop) {
    read("Donate.webloc");
    selectRow(0);
    const ClipDetail selected = *view_.selectKey();
    view_.clipInfoBinding().set(ClipInfo::create());
    QApplication::processEvents();
    EXPECT_EQ(view_.sidebar()->model()->rowCount(), 0);
    EXPECT_TRUE(view_.findChild<QLabel*>(QStringLiteral("emptysymbol"))->isVisible());
    EXPECT_EQ(shownTitle(), QStringLiteral("Scrivlette "));
    ASSERT_TRUE(view_.selectKey());
    EXPECT_EQ(*view_.selectKey(), selected);
    EXPECT_EQ(detailText(), QStringLiteral("http://cyberduck.ch/donate/\n\nURL Size: 27"));

    read("Notes.textClipping");
    EXPECT_FALSE(view_.sidebar()->currentIndex().isValid())
        << "no row of the new list equals the selection";
    EXPECT_EQ(*view_.selectKey(), selected);
}

TEST_F(ContentViewTest, CopyPutsTheSelectedContentOnTheClipboard) {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    view_.copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before")) << "nothing selected";
    read("Text.textClipping");
    selectRow(4);
    view_.copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("随后"));
    EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(),
              QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(view_.copyAction()->shortcut(), QKeySequence(QKeySequence::Copy));

    // A picture entry also travels as a picture.
    open({realUrl("Picture clipping.pictClipping")});
    selectRow(0);
    view_.copyAction()->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->text(), QStringLiteral("[data size: 481762]"));
    EXPECT_EQ(QImage::fromData(copied->data(QStringLiteral("image/png"))).size(), QSize(235, 510));
}

TEST_F(ContentViewTest, TextFromFilesIsNeverInterpreted) {
    const std::string markup = "<b>x</b> &amp;";
    view_.clipInfo()->appendClip(ClipDetail(markup, markup, std::nullopt, true));
    view_.clipInfo()->setClippingName("a[*].textClipping");
    QApplication::processEvents();
    EXPECT_EQ(rowText(0), QString::fromStdString(markup));
    selectRow(0);
    EXPECT_TRUE(detailText().startsWith(QString::fromStdString(markup) + QStringLiteral("\n\n") +
                                        QString::fromStdString(markup) +
                                        QStringLiteral(" Size: ")));
    EXPECT_EQ(shownTitle(), QStringLiteral("Scrivlette a[*].textClipping"));
    EXPECT_EQ(view_.detailPane()->placeholder()->textFormat(), Qt::PlainText);
}

TEST_F(ContentViewTest, ABurstOfChangesRendersOnce) {
    const int before = view_.renderCount();
    for (int i = 0; i < 1000; ++i) {
        view_.clipInfo()->appendClip(
            ClipDetail("public.utf8-plain-text", std::to_string(i), std::nullopt, true));
        view_.clipInfo()->setClippingName(std::to_string(i) + ".textClipping");
    }
    EXPECT_EQ(view_.sidebar()->model()->rowCount(), 0) << "nothing renders inside the burst";
    QApplication::processEvents();
    EXPECT_EQ(view_.renderCount(), before + 1);
    EXPECT_EQ(view_.sidebar()->model()->rowCount(), 1000);
    EXPECT_EQ(shownTitle(), QStringLiteral("Scrivlette 999.textClipping"));

    // A whole-list replacement starts the rows over.
    view_.clipInfo()->setClipList({ClipDetail("only", "one", std::nullopt, true)});
    QApplication::processEvents();
    EXPECT_EQ(view_.sidebar()->model()->rowCount(), 1);
    EXPECT_EQ(rowText(0), QStringLiteral("only"));
}

// The status line: why files did not read, where a write went, why it failed.
TEST_F(ContentViewTest, TheStatusLineSaysWhatHappened) {
    EXPECT_TRUE(view_.statusBar()->currentMessage().isEmpty());
    // Every file not read is named with a plain reason; Details has them all,
    // with the reader's own words behind Show Details.
    QTemporaryDir scratch;
    QFile cut(scratch.filePath(QStringLiteral("Cut.textClipping")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("bplist00"); // a binary property list, cut off after its header
    cut.close();
    const Url cutUrl = *Url::fromFilePath(cut.fileName().toStdString());
    view_.resize(2400, 500);
    open({realUrl("Notes.textClipping"), realUrl("PROVENANCE.md"), realUrl("no such.webloc"),
          cutUrl, realUrl("SHA256SUMS"), realUrl("Donate.webloc")});
    EXPECT_EQ(view_.statusBar()->currentMessage(),
              QStringLiteral(
                  "4 of 6 files could not be read: PROVENANCE.md (not a clipping "
                  "file), no such.webloc (it is not there any more), Cut.textClipping "
                  "(damaged: the file ends early, at byte 8), SHA256SUMS (not a clipping file)"));
    ASSERT_TRUE(view_.findChild<QAbstractButton*>(QStringLiteral("details"))->isVisible());
    view_.findChild<QAbstractButton*>(QStringLiteral("details"))->click();
    auto* box = view_.findChild<QMessageBox*>(QStringLiteral("readfailures"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    for (const char* name : {"PROVENANCE.md", "no such.webloc", "Cut.textClipping", "SHA256SUMS"}) {
        EXPECT_TRUE(box->informativeText().contains(QString::fromUtf8(name))) << name;
        EXPECT_TRUE(box->detailedText().contains(QString::fromUtf8(name))) << name;
    }
    EXPECT_TRUE(box->detailedText().contains(QStringLiteral("not a property list")));
    const auto* list = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    ASSERT_NE(list, nullptr);
    for (const QString& line : box->informativeText().split(u'\n')) {
        EXPECT_LE(list->fontMetrics().horizontalAdvance(line), list->width())
            << "a line per file, unwrapped: " << line.toStdString();
    }
    box->close();

    // Too long for the window, it is cut at a word.
    view_.resize(640, 500);
    QApplication::processEvents();
    const QString shown = view_.statusBar()->currentMessage();
    ASSERT_TRUE(shown.endsWith(QStringLiteral("…"))) << shown.toStdString();
    const QString kept = shown.chopped(1);
    const QString whole = QStringLiteral(
        "4 of 6 files could not be read: PROVENANCE.md (not a clipping file), no such.webloc (it "
        "is not there any more), Cut.textClipping (damaged: the file ends early, at byte 8), "
        "SHA256SUMS (not "
        "a clipping file)");
    EXPECT_TRUE(whole.startsWith(kept));
    EXPECT_TRUE(whole.at(kept.size()) == u' ' || whole.at(kept.size()) == u',' ||
                whole.at(kept.size()) == u':')
        << "never mid-word: " << shown.toStdString();

    open({realUrl("Notes.textClipping")});
    EXPECT_TRUE(view_.statusBar()->currentMessage().isEmpty())
        << "a good read clears an old complaint";
    EXPECT_FALSE(view_.findChild<QAbstractButton*>(QStringLiteral("details"))->isVisible());

    // A folder nobody may write in, root included (tests may run as root).
    selectRow(1);
    answer_ = Url::fromFilePath("/proc/Untitled.txt");
    view_.writeClipMenuAction()->trigger();
    finishBackgroundWork(); // writes run on a worker
    QCoreApplication::processEvents();
    EXPECT_TRUE(view_.statusBar()->currentMessage().startsWith(
        QStringLiteral("Could not write /proc/Untitled.txt: ")))
        << view_.statusBar()->currentMessage().toStdString();

    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("Untitled.txt"));
    answer_ = Url::fromFilePath(good.toStdString());
    view_.writeClipMenuAction()->trigger();
    finishBackgroundWork();
    QCoreApplication::processEvents();
    EXPECT_EQ(view_.statusBar()->currentMessage(), QStringLiteral("Wrote ") + good);
    EXPECT_TRUE(QFile::exists(good));
}

// Dropped files land wherever they are let go: over the toolbar, the list,
// the text or the status bar. The drag manager gives a drag to the nearest
// widget that takes drops, which must be the window's own target.
TEST_F(ContentViewTest, TheWholeWindowTakesDrops) {
    open({realUrl("Notes.textClipping")});
    selectRow(0);
    QMimeData mime;
    mime.setUrls(
        {QUrl::fromLocalFile(QString::fromStdString(test::realFile("Donate.webloc").string()))});
    const QWidget* places[] = {view_.toolbar(), view_.sidebar()->viewport(),
                               view_.detailPane()->text()->viewport(), view_.statusBar()};
    for (const QWidget* place : places) {
        SCOPED_TRACE(place->metaObject()->className());
        const QPoint point = place->mapTo(&view_, place->rect().center());
        QWidget* target = view_.childAt(point);
        while (target && !target->acceptDrops()) {
            target = target->parentWidget();
        }
        ASSERT_NE(target, nullptr);
        const QPoint local = target->mapFrom(&view_, point);
        QDragEnterEvent enter(local, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(local), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        QTest::qWait(50);
        EXPECT_EQ(shownTitle(), QStringLiteral("Scrivlette Donate.webloc"));
        view_.clipInfoBinding().set(ClipInfo::create());
    }
}

// While nothing is selected, the first arrow, Home or End key selects a row:
// the focused one for the arrows, so one entry alone can be selected.
TEST_F(ContentViewTest, TheFirstKeySelectsARow) {
    QApplication::setActiveWindow(&view_);
    const struct {
        const char* file;
        Qt::Key key;
        int row;
    } cases[] = {
        {"Donate.webloc", Qt::Key_Down, 0},      {"Donate.webloc", Qt::Key_End, 0},
        {"Notes.textClipping", Qt::Key_Up, 0},   {"Notes.textClipping", Qt::Key_End, 2},
        {"Notes.textClipping", Qt::Key_Down, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.key));
        open({realUrl(c.file)});
        ASSERT_TRUE(view_.sidebar()->hasFocus());
        QTest::keyClick(view_.sidebar(), c.key);
        ASSERT_TRUE(view_.selectKey());
        EXPECT_EQ(*view_.selectKey(), view_.clipInfo()->clipAt(static_cast<std::size_t>(c.row)));
        QTest::keyClick(view_.sidebar(), Qt::Key_Down);
        EXPECT_EQ(view_.sidebar()->currentIndex().row(),
                  std::min(c.row + 1, view_.sidebar()->model()->rowCount() - 1))
            << "later keys move as usual";
    }
}

} // namespace
} // namespace scrivlette

namespace scrivlette {
namespace {

// Go steps through the folder of the file read last, in the order file
// managers show, passing over companions and other files, and says so at
// either end; a file that fails to read is stepped past like any other.
TEST_F(ContentViewTest, GoStepsThroughTheFolderInItsNaturalOrder) {
    QTemporaryDir folder;
    const QString notes = QString::fromStdString(test::realFile("Notes.textClipping").string());
    for (const char* name : {"Clip 10.textClipping", "clip 2.TEXTCLIPPING", "Clip 1.textClipping",
                             "._Clip 3.textClipping", "notes.txt"}) {
        ASSERT_TRUE(QFile::copy(notes, folder.filePath(QString::fromUtf8(name))));
    }
    // An old clipping without an extension, known by its companion.
    const std::string old = folder.filePath(QStringLiteral("Clip 6")).toStdString();
    std::ofstream(old) << "";
    std::ofstream(folder.filePath(QStringLiteral("._Clip 6")).toStdString(), std::ios::binary)
        << test::fork::appleDouble("clpt", "drag",
                                   test::fork::resourceFork({{"utf8", 256, "from the fork"}}));
    QFile broken(folder.filePath(QStringLiteral("Clip 5.webloc")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a property list");
    broken.close();

    view_.nextAction()->trigger();
    EXPECT_TRUE(
        view_.statusBar()->currentMessage().contains(QStringLiteral("Open a clipping first")));

    open(
        {*Url::fromFilePath(folder.filePath(QStringLiteral("Clip 1.textClipping")).toStdString())});
    const auto step = [&](QAction* action) {
        action->trigger();
        for (int pass = 0; pass < 3; ++pass) {
            QApplication::processEvents();
        }
        return view_.windowTitle();
    };
    EXPECT_EQ(step(view_.nextAction()), QStringLiteral("Scrivlette clip 2.TEXTCLIPPING"));
    step(view_.nextAction());
    EXPECT_TRUE(view_.statusBar()->currentMessage().contains(
        QStringLiteral("Could not read Clip 5.webloc")))
        << "told, and passed";
    EXPECT_EQ(step(view_.nextAction()), QStringLiteral("Scrivlette Clip 6"));
    EXPECT_EQ(step(view_.nextAction()), QStringLiteral("Scrivlette Clip 10.textClipping"));
    step(view_.nextAction());
    EXPECT_EQ(view_.statusBar()->currentMessage(),
              QStringLiteral("This is the last clipping in the folder."));
    EXPECT_EQ(view_.windowTitle(), QStringLiteral("Scrivlette Clip 10.textClipping"));
    open(
        {*Url::fromFilePath(folder.filePath(QStringLiteral("Clip 1.textClipping")).toStdString())});
    step(view_.previousAction());
    EXPECT_EQ(view_.statusBar()->currentMessage(),
              QStringLiteral("This is the first clipping in the folder."));
    EXPECT_EQ(view_.nextAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
}

} // namespace
} // namespace scrivlette

namespace scrivlette {
namespace {

// A location's address opens in the desktop's browser or mail program, from
// the detail pane's button or the context menu; other schemes never do, and
// the status line says why.
TEST_F(ContentViewTest, OpenLinkOpensOnlyWebAndMailAddresses) {
    std::vector<QUrl> opened;
    view_.openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    read("Donate.webloc");
    selectRow(0);
    ASSERT_TRUE(view_.detailPane()->linkButton()->isVisible());
    view_.detailPane()->linkButton()->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://cyberduck.ch/donate/")));
    EXPECT_TRUE(view_.statusBar()->currentMessage().startsWith(QStringLiteral("Opened ")));
    emit view_.detailPane()->addressLink()->linkActivated(QStringLiteral("#"));
    ASSERT_EQ(opened.size(), 2u) << "the address itself is a link";
    opened.pop_back();

    view_.clipInfo()->setClipList({ClipDetail("URL", "javascript:alert(1)", std::nullopt, true)});
    QApplication::processEvents();
    selectRow(0);
    view_.findChild<QAction*>(QStringLiteral("openlink"))->trigger();
    EXPECT_TRUE(view_.statusBar()->currentMessage().startsWith(QStringLiteral("Not opened: ")));
    EXPECT_EQ(opened.size(), 1u) << "nothing but the web address was opened";

    read("Notes.textClipping");
    selectRow(1);
    EXPECT_FALSE(view_.detailPane()->linkButton()->isVisible()) << "text has no link";
}

} // namespace
} // namespace scrivlette

namespace scrivlette {
namespace {

// With entries of more than one file, each row says whose it is; the detail
// pane names the file of the entry it shows, and says when that file has
// gone from the list while its entry stays selected.
TEST_F(ContentViewTest, EntriesSayWhichFileTheyCameFrom) {
    open({realUrl("Notes.textClipping")});
    const auto description = [&](int row) {
        return view_.sidebar()
            ->model()
            ->index(row, 0)
            .data(ClipListModel::descriptionRole)
            .toString();
    };
    EXPECT_FALSE(description(0).contains(QStringLiteral("Notes.textClipping")))
        << "one file: no need to say";
    open({realUrl("Notes.textClipping"), realUrl("Donate.webloc")});
    const int rows = view_.sidebar()->model()->rowCount();
    EXPECT_TRUE(description(0).endsWith(QStringLiteral(" · Notes.textClipping")));
    EXPECT_TRUE(description(rows - 1).endsWith(QStringLiteral(" · Donate.webloc")));

    selectRow(0);
    EXPECT_EQ(view_.detailPane()->sourceLabel()->text(), QStringLiteral("From Notes.textClipping"));
    open({realUrl("Donate.webloc")});
    EXPECT_EQ(view_.detailPane()->sourceLabel()->text(),
              QStringLiteral("From Notes.textClipping, which is no longer open"));
    EXPECT_TRUE(view_.selectKey()) << "the kept selection stays";

    // Two files of one name: each shows its folder, in rows and in the pane.
    QTemporaryDir elsewhere;
    QDir(elsewhere.path()).mkdir(QStringLiteral("Desktop"));
    const QString other = elsewhere.filePath(QStringLiteral("Desktop/Notes.textClipping"));
    QFile::link(QString::fromStdString(test::realFile("Notes.textClipping").string()), other);
    open({realUrl("Notes.textClipping"), *Url::fromFilePath(other.toStdString())});
    const int both = view_.sidebar()->model()->rowCount();
    EXPECT_TRUE(description(0).endsWith(QStringLiteral(" · Notes.textClipping (real)")));
    EXPECT_TRUE(description(both - 1).endsWith(QStringLiteral(" · Notes.textClipping (Desktop)")));
    selectRow(both - 1);
    EXPECT_EQ(view_.detailPane()->sourceLabel()->text(),
              QStringLiteral("From Notes.textClipping (Desktop)"));
}

} // namespace
} // namespace scrivlette
