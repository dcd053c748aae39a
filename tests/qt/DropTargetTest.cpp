#include "views/DropTarget.h"

#include "../platform/TestSupport.h"
#include "platform/qt/QtMainQueue.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace scrivlette {
namespace {

bool waitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(5000);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return condition();
}

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        MainQueue::install(std::make_shared<QtMainQueue>());
        new DropTarget(&widget_, [this] { return ScrivletteDropDelegate(clipInfo_.binding()); });
        widget_.resize(400, 300);
    }
    void TearDown() override { QCoreApplication::processEvents(); }

    // Drags `mime` over the widget and drops it, as the window system would:
    // the drop is delivered only after an accepted enter.
    bool drag(QMimeData* mime) {
        const QPoint middle(200, 150);
        QDragEnterEvent enter(middle, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget_, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(QPointF(middle), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget_, &drop);
        return drop.isAccepted();
    }

    static QUrl real(const char* name) {
        return QUrl::fromLocalFile(QString::fromStdString(test::realFile(name).string()));
    }

    QWidget widget_;
    State<std::shared_ptr<ClipInfo>> clipInfo_{ClipInfo::create()};
};

TEST_F(DropTargetTest, TextAndWebLinksAreRefused) {
    const auto before = clipInfo_.get();
    QMimeData text;
    text.setText(QStringLiteral("just words"));
    EXPECT_FALSE(drag(&text));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/a.textClipping"))});
    EXPECT_FALSE(drag(&web));
    EXPECT_EQ(clipInfo_.get(), before);
}

TEST_F(DropTargetTest, PathsWithSpacesAndNonAsciiLettersSurvive) {
    QTemporaryDir folder;
    const std::filesystem::path copy =
        std::filesystem::path(folder.path().toStdString()) / "Mein Clip ü 随后.textClipping";
    std::filesystem::copy_file(test::realFile("Text.textClipping"), copy);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(copy.string()))});
    ASSERT_TRUE(drag(&mime));
    ASSERT_TRUE(waitFor([&] { return clipInfo_.get()->clipList().size() == 7; }));
    EXPECT_EQ(clipInfo_.get()->clippingName(), "Mein Clip ü 随后.textClipping");

    // A name that is not UTF-8 (made on another system) keeps its bytes.
    const std::filesystem::path latin1 =
        std::filesystem::path(folder.path().toStdString()) / "Caf\xE9.webloc";
    std::filesystem::copy_file(test::realFile("Donate.webloc"), latin1);
    QMimeData odd;
    odd.setUrls({QUrl::fromEncoded(QUrl::fromLocalFile(folder.path()).toEncoded() +
                                   QByteArrayLiteral("/Caf%E9.webloc"))});
    ASSERT_TRUE(drag(&odd));
    ASSERT_TRUE(waitFor([&] { return clipInfo_.get()->clipList().size() == 1; }));
    // Shown as Foundation shows a name it cannot decode.
    EXPECT_EQ(clipInfo_.get()->clippingName(), "Caf%E9.webloc");
    std::filesystem::remove(latin1); // QTemporaryDir cannot name it
}

TEST_F(DropTargetTest, MainQueueRunsWorkInOrderOnTheGuiThread) {
    const auto queue = std::make_shared<QtMainQueue>();
    std::vector<int> order;
    std::vector<bool> onMain;
    QThread* worker = QThread::create([&] {
        for (int i = 0; i < 100; ++i) {
            queue->submit([&, i] {
                order.push_back(i);
                onMain.push_back(queue->isMainThread());
            });
        }
    });
    worker->start();
    worker->wait();
    delete worker;
    ASSERT_TRUE(waitFor([&] { return order.size() == 100; }));
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_TRUE(std::all_of(onMain.begin(), onMain.end(), [](bool b) { return b; }));
    EXPECT_TRUE(queue->isMainThread());
}

} // namespace
} // namespace scrivlette
