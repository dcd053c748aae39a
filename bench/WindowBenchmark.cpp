// The main window under load, on Qt's offscreen platform:
//  - selecting an entry holding 50 MB of text, then scrolling it;
//  - dropping 1,000 clipping files, from the drop to the final render;
//  - selecting the largest real picture clipping's picture, until it shows;
//  - copying, dragging and writing a 4,000 x 3,000 picture entry, with the
//    clipboard read by another program at once when run on X11;
//  - switching a 1 MB HTML entry to Formatted, until it has painted.
//
//   bench_window [megabytes] [files]     (defaults: 50, 1000)
//   bench_window --peak FILE             (peak memory with FILE's first entry shown)

#include "BenchSupport.h"
#include "hostile/HostileFiles.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/services/SavePanel.h"
#include "platform/text/UnicodeText.h"
#include "views/ClipListModel.h"
#include "views/ContentView.h"
#include "views/DetailPane.h"
#include "views/PictureView.h"
#include "views/Transfer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QFileInfo>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/resource.h>

using namespace scrivlette;

namespace {

std::string largeText(std::size_t megabytes) {
    std::string line = "Lorem ipsum dolor sit amet, consectetur adipiscing elit — café, 随后, "
                       "👩‍👩‍👧.\n";
    std::string text;
    text.reserve(megabytes << 20);
    while (text.size() + line.size() <= (megabytes << 20)) {
        text += line;
    }
    return text;
}

void selectLargeEntry(std::size_t megabytes) {
    ContentView view;
    view.resize(900, 600);
    view.show();
    view.clipInfo()->appendClip(
        ClipDetail("public.utf8-plain-text", largeText(megabytes), std::nullopt, true));
    QApplication::processEvents();
    const double select = bench::secondsSince([&] {
        view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(0, 0));
        view.repaint();
    });
    // The rest arrives one piece per event-loop pass; the longest pass is how
    // long the window can be unresponsive meanwhile.
    double longestPass = 0;
    const double complete = bench::secondsSince([&] {
        while (view.detailPane()->isLoading()) {
            longestPass =
                std::max(longestPass, bench::secondsSince([] { QApplication::processEvents(); }));
        }
    });
    if (!view.detailPane()->text()->toPlainText().endsWith(
            QStringLiteral("Size: ") + QString::number(graphemeCount(view.selectKey()->content)))) {
        std::printf("the entry was not shown whole\n");
        std::exit(1);
    }
    QScrollBar* bar = view.detailPane()->text()->verticalScrollBar();
    const double scroll = bench::secondsSince([&] {
        for (int step = 1; step <= 20; ++step) {
            bar->setValue(bar->maximum() / 20 * step);
            view.detailPane()->text()->viewport()->repaint();
        }
    });
    std::printf("select a %zu MiB text entry: shown after %.3f s, whole (with its size line) after "
                "%.3f s more, "
                "longest event-loop pass meanwhile %.0f ms; scroll through it in 20 steps: %.1f ms "
                "per step\n",
                megabytes, select, complete, longestPass * 1000, scroll * 1000 / 20);
}

void dropManyFiles(int count) {
    QTemporaryDir folder;
    const std::string plist =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
        "<key>UTI-Data</key><dict>"
        "<key>com.apple.traditional-mac-plain-text</key><data>Tm90ZXM=</data>"
        "<key>public.utf8-plain-text</key><string>Notes</string>"
        "<key>public.utf16-plain-text</key><data>TgBvAHQAZQBzAA==</data>"
        "</dict></dict></plist>";
    QList<QUrl> urls;
    for (int i = 0; i < count; ++i) {
        const QString path = folder.filePath(QStringLiteral("Clipping %1.textClipping").arg(i));
        std::ofstream(path.toStdString()) << plist;
        urls << QUrl::fromLocalFile(path);
    }
    ContentView view;
    view.resize(900, 600);
    view.show();
    QApplication::processEvents();
    QMimeData mime;
    mime.setUrls(urls);
    const std::size_t expected = static_cast<std::size_t>(count) * 3;
    const int rendersBefore = view.renderCount();
    const double seconds = bench::secondsSince([&] {
        const QPoint middle(450, 300);
        QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &enter);
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &drop);
        QDeadlineTimer deadline(60000);
        while (static_cast<std::size_t>(view.sidebar()->model()->rowCount()) < expected &&
               !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        view.repaint();
    });
    std::printf(
        "drop %d clipping files: %zu rows shown after %.3f s (%.1f us per file), %d renders\n",
        count, static_cast<std::size_t>(view.sidebar()->model()->rowCount()), seconds,
        seconds * 1e6 / count, view.renderCount() - rendersBefore);
}

void selectPicture() {
    ContentView view;
    view.resize(900, 600);
    view.show();
    const auto path =
        std::filesystem::path(SCRIVLETTE_REAL_TESTDATA) / "Picture clipping.pictClipping";
    view.clipInfo()->readClipping(*Url::fromFilePath(path.string()));
    QApplication::processEvents();
    const double seconds = bench::secondsSince([&] {
        view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(0, 0));
        while (view.detailPane()->isDecoding()) {
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        view.repaint();
    });
    if (view.detailPane()->picture()->image().isNull()) {
        std::printf("the picture was not shown\n");
        std::exit(1);
    }
    std::printf("select the picture of %s (%zu bytes): shown after %.1f ms\n",
                path.filename().c_str(), static_cast<std::size_t>(std::filesystem::file_size(path)),
                seconds * 1000);
}

// A 4,000 x 3,000 picture entry of noise: its PNG is 12 megapixels that do
// not compress, larger than one X11 request may carry.
ClipDetail largeNoisyPicture() {
    std::string pixels(std::size_t{4000} * 3000 * 3, '\0');
    std::uint32_t state = 1;
    for (char& byte : pixels) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    const std::string pict = hostile::pictWithQuickTime("raw ", 4000, 3000, pixels);
    return ClipDetail("com.apple.pict", "[data size: " + std::to_string(pict.size()) + "]",
                      Bytes::copyOf(pict), false);
}

// Runs the event loop until `done`; returns the longest single pass, which is
// how long the window stopped at most meanwhile.
double longestPassUntil(const std::function<bool()>& done) {
    double longest = 0;
    while (!done()) {
        longest = std::max(longest, bench::secondsSince([] {
                               QApplication::processEvents(QEventLoop::AllEvents, 5);
                           }));
    }
    return longest;
}

// The longest the GUI thread stops when a large picture entry is copied with
// Ctrl+C, and when its drag starts (the drag's data is made).
void copyLargePicture(ContentView& view) {
    const double copy = bench::secondsSince([&] { view.copyAction()->trigger(); });
    QMimeData* dragged = nullptr;
    const double drag = bench::secondsSince([&] { dragged = mimeDataFor(*view.selectKey()); });
    const double ready = bench::secondsSince([&] { dragged->data(QStringLiteral("image/png")); });
    delete dragged;
    std::printf("a 4,000 x 3,000 picture entry: Ctrl+C stops the window %.1f ms, starting its drag "
                "%.1f ms; its PNG is ready %.0f ms later\n",
                copy * 1000, drag * 1000, ready * 1000);
}

// On X11 only: another program reads the PNG the moment Ctrl+C is pressed,
// as clipboard managers do. Drags are answered by the same code.
void readAtOnceFromTheClipboard(ContentView& view) {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        std::printf("clipboard read by another program: skipped (run with QT_QPA_PLATFORM=xcb "
                    "on a display with xclip)\n");
        return;
    }
    view.copyAction()->trigger();
    // Into a file: the bench reading a pipe would be the bench's own stop.
    QTemporaryDir folder;
    const QString received = folder.filePath(QStringLiteral("received.png"));
    QProcess reader;
    reader.setStandardOutputFile(received);
    const auto start = std::chrono::steady_clock::now();
    reader.start(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                  QStringLiteral("-t"), QStringLiteral("image/png")});
    const double longest = longestPassUntil([&] { return reader.state() == QProcess::NotRunning; });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("Ctrl+C, then another program reads the PNG at once: it has %lld bytes after %.0f "
                "ms; the window stops %.1f ms at most meanwhile\n",
                static_cast<long long>(QFileInfo(received).size()), took.count() * 1000,
                longest * 1000);
}

// A panel that answers at once with a file in `folder`, as a PNG.
class AnsweringPanel final : public SavePanel {
public:
    explicit AnsweringPanel(std::string path) : path_(std::move(path)) {}
    void setCanCreateDirectories(bool) override {}
    void setNameFieldStringValue(std::string) override {}
    void setAllowedContentTypes(std::vector<ContentType>) override {}
    void begin(Completion done) override { done(okResponse); }
    std::optional<Url> url() const override { return Url::fromFilePath(path_); }
    std::size_t selectedTypeIndex() const override { return 1; }

private:
    std::string path_;
};

// Write Clip to File as a PNG of the large picture: how long the window stops.
void writeLargePictureAsPng(ContentView& view) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("picture.png")).toStdString();
    SavePanel::installFactory([path] { return std::make_shared<AnsweringPanel>(path); });
    const auto start = std::chrono::steady_clock::now();
    const double command = bench::secondsSince([&] { view.writeClipMenuAction()->trigger(); });
    const double longest = std::max(command, longestPassUntil([&] {
        return view.statusBar()->currentMessage().startsWith(QStringLiteral("Wrote"));
    }));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    SavePanel::installFactory(nullptr);
    std::printf("Write Clip to File as PNG (%.1f MB): written after %.0f ms; the window stops "
                "%.1f ms at most meanwhile\n",
                double(std::filesystem::file_size(path)) / 1e6, took.count() * 1000,
                longest * 1000);
}

void largePicture() {
    ContentView view;
    view.resize(900, 600);
    view.show();
    view.clipInfo()->setClipList({largeNoisyPicture()});
    QApplication::processEvents();
    view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(0, 0));
    longestPassUntil([&] { return !view.detailPane()->isLoading(); });
    copyLargePicture(view);
    readAtOnceFromTheClipboard(view);
    writeLargePictureAsPng(view);
}

void formattedHtml(std::size_t megabytes) {
    std::string html = "<html><body>";
    for (int row = 0; html.size() < (megabytes << 20); ++row) {
        html += "<p>Paragraph " + std::to_string(row) +
                " with <b>bold</b>, <i>italic</i> and <a href=\"https://example.com/\">a link</a>, "
                "café 随后.</p>\n";
    }
    html += "</body></html>";
    ContentView view;
    view.resize(900, 600);
    view.show();
    view.clipInfo()->appendClip(ClipDetail("public.html", html, std::nullopt, true));
    view.clipInfo()->appendClip(ClipDetail("public.utf8-plain-text", "x", std::nullopt, true));
    QApplication::processEvents();
    view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(0, 0));
    while (view.detailPane()->isLoading()) {
        QApplication::processEvents();
    }
    const double immediately = bench::secondsSince([&] {
        view.detailPane()->formattedButton()->click();
        view.repaint();
    });
    // As a person would: the switch is reached a moment after the selection,
    // while the page is made on a worker.
    view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(1, 0));
    QApplication::processEvents();
    view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(0, 0));
    const auto pause = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < pause) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const double afterAMoment = bench::secondsSince([&] {
        view.detailPane()->formattedButton()->click();
        view.repaint();
    });
    std::printf("switch a %zu MiB HTML entry to Formatted: painted after %.1f ms when clicked at "
                "once, %.1f ms when clicked 300 ms after selecting it\n",
                megabytes, immediately * 1000, afterAMoment * 1000);
}

// The peak memory of the window with `path` open and its first entry
// selected and shown whole, as a multiple of the file's size.
void peakWithFileShown(const std::string& path) {
    ContentView view;
    view.resize(900, 600);
    view.show();
    view.clipInfo()->readClipping(*Url::fromFilePath(std::filesystem::absolute(path).string()));
    QApplication::processEvents();
    view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(0, 0));
    while (view.detailPane()->isLoading()) {
        QApplication::processEvents();
    }
    view.repaint();
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const double file = double(std::filesystem::file_size(path));
    std::printf("the window with %s (%.1f MB) open and its first entry shown: peak %.1f MB, %.2f "
                "times the file\n",
                std::filesystem::path(path).filename().c_str(), file / 1e6,
                double(usage.ru_maxrss) * 1024 / 1e6, double(usage.ru_maxrss) * 1024 / file);
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    MainQueue::install(std::make_shared<QtMainQueue>());
    if (argc > 2 && std::string_view(argv[1]) == "--peak") {
        peakWithFileShown(argv[2]); // alone, so the peak is its own
        return 0;
    }
    selectLargeEntry(argc > 1 ? std::stoul(argv[1]) : 50);
    dropManyFiles(argc > 2 ? std::stoi(argv[2]) : 1000);
    selectPicture();
    largePicture();
    formattedHtml(1);
    return 0;
}
