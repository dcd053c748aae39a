#include "views/DetailPane.h"

#include "../platform/FlatRtfdBuilder.h"
#include "../platform/TestSupport.h"
#include "formats/plist/PropertyList.h"
#include "model/ClipInfo.h"
#include "platform/qt/RichText.h"
#include "views/FormattedView.h"
#include "views/PictureView.h"
#include "views/WindowPlacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QThreadPool>
#include <gtest/gtest.h>

namespace scrivlette {
namespace {

QString waitForWholeText(DetailPane& pane) {
    for (int passes = 0; pane.isLoading() && passes < 1000; ++passes) {
        QApplication::processEvents();
    }
    return pane.text()->toPlainText();
}

TEST(DetailPane, LongContentArrivesWholeAndInOrder) {
    DetailPane pane;
    // Many lines, a surrogate pair across the first piece boundary, no final newline.
    std::string content(static_cast<std::size_t>(DetailPane::pieceLength - 1), 'a');
    content += "🎉";
    for (int line = 0; line < 40000; ++line) {
        content += "\nline " + std::to_string(line) + " — ü";
    }
    const ClipDetail clip("public.utf8-plain-text", content, std::nullopt, true);
    pane.showClip(clip);
    EXPECT_TRUE(pane.isLoading()) << "the rest comes on later passes";
    EXPECT_EQ(pane.currentWidget(), pane.entryPage());
    const QString shown = waitForWholeText(pane);
    EXPECT_FALSE(pane.isLoading());
    EXPECT_EQ(shown, QString::fromStdString(content) + QStringLiteral("\n\n") + sizeLine(clip));
    const QTextBlock sizeBlock = pane.text()->document()->lastBlock();
    EXPECT_EQ(sizeBlock.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    pane.text()->selectAll();
    pane.text()->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(content))
        << "the size line stays behind";

    // A CR LF across the piece boundary is one line break, as anywhere else.
    const std::string crlf =
        std::string(static_cast<std::size_t>(DetailPane::pieceLength - 1), 'b') + "\r\nend\r\n";
    pane.showClip(ClipDetail("public.utf8-plain-text", crlf, std::nullopt, false));
    EXPECT_EQ(waitForWholeText(pane),
              QString(DetailPane::pieceLength - 1, u'b') + QStringLiteral("\nend\n"));
}

TEST(DetailPane, ANewSelectionStopsTheOldOneLoading) {
    DetailPane pane;
    const ClipDetail big("public.utf8-plain-text", std::string(3 * 1024 * 1024, 'x'), std::nullopt,
                         true);
    const ClipDetail small("com.apple.pict", "[data size: 3]",
                           Bytes::copyOf(std::string_view("abc")), false);
    pane.showClip(big);
    pane.showClip(small);
    EXPECT_EQ(waitForWholeText(pane), QStringLiteral("[data size: 3]"));
    pane.showClip(std::nullopt);
    EXPECT_EQ(pane.currentWidget(), pane.placeholder());
    EXPECT_FALSE(pane.isLoading());
}

TEST(DetailPane, SizeLineCountsCharacters) {
    EXPECT_EQ(sizeLine(ClipDetail("t", "héllo", std::nullopt, true)), QStringLiteral("t Size: 5"));
    EXPECT_EQ(sizeLine(ClipDetail("t", "👩‍👩‍👧\r\n", std::nullopt, true)),
              QStringLiteral("t Size: 2"));
    EXPECT_EQ(sizeLine(ClipDetail("t", "", std::nullopt, true)), QStringLiteral("t Size: 0"));
}

std::vector<ClipDetail> realEntries(const char* name) {
    const auto info = ClipInfo::create();
    info->readClipping(*Url::fromFilePath(test::realFile(name).string()));
    return info->clipList();
}

const ClipDetail& entryTitled(const std::vector<ClipDetail>& clips, std::string_view title) {
    return *std::find_if(clips.begin(), clips.end(),
                         [&](const ClipDetail& clip) { return clip.title == title; });
}

void waitForPicture(DetailPane& pane) {
    QDeadlineTimer deadline(5000);
    while (pane.isDecoding() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// A picture entry shows its size line and, under it, its picture; one that
// cannot be drawn says why.
TEST(DetailPane, PictureEntriesShowTheirPicture) {
    DetailPane pane;
    pane.resize(600, 500);
    pane.show();
    const auto pictures = realEntries("Picture clipping with QuickTime pixels.pictClipping");
    pane.showClip(entryTitled(pictures, "com.apple.pict"));
    EXPECT_EQ(waitForWholeText(pane), QStringLiteral("[data size: 390582]"));
    waitForPicture(pane);
    EXPECT_EQ(pane.picture()->image().size(), QSize(295, 329));
    EXPECT_TRUE(pane.pictureProblem().isEmpty());
    EXPECT_FALSE(pane.textButton()->isVisible()) << "no Text | Formatted for a picture";
    EXPECT_EQ(pane.text()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff)
        << "one scroll area: the picture's";

    // A drawing of a white rectangle 4,501 pixels wide, drawn no wider than
    // the screen.
    const auto drawing = realEntries("Picture clipping from illustration.pictClipping");
    pane.showClip(entryTitled(drawing, "com.apple.pict"));
    waitForPicture(pane);
    const QImage white = pane.picture()->image();
    ASSERT_FALSE(white.isNull()) << pane.pictureProblem().toStdString();
    EXPECT_LE(white.width(), 4501);
    EXPECT_NEAR(double(white.width()) / white.height(), 4501.0 / 2002, 0.01);
    EXPECT_EQ(white.pixelColor(white.width() / 2, white.height() / 2), QColor(Qt::white));

    pane.showClip(ClipDetail("com.apple.pict", "[data size: 5]",
                             Bytes::copyOf(std::string_view("hello")), false));
    waitForPicture(pane);
    EXPECT_TRUE(pane.picture()->image().isNull());
    EXPECT_TRUE(pane.pictureProblem().contains(QStringLiteral("not decodable")));
}

// Text is the entry as it stands; Formatted shows what its reader would see.
// The user's choice of Text or Formatted stays across entries, entries with
// no Formatted view, and launches.
TEST(DetailPane, FormattedEntriesSwitchBetweenTextAndFormatted) {
    QSettings(QStringLiteral("scrivlette"), QStringLiteral("Scrivlette")).clear();
    DetailPane pane;
    pane.resize(600, 500);
    pane.show();
    const auto clips = realEntries("Rich web text.textClipping");
    bool first = true;
    for (const char* title :
         {"public.rtf", "public.html", "com.apple.webarchive", "com.apple.flat-rtfd"}) {
        SCOPED_TRACE(title);
        const ClipDetail& clip = entryTitled(clips, title);
        pane.showClip(clip);
        waitForWholeText(pane);
        ASSERT_TRUE(pane.formattedButton()->isVisible());
        EXPECT_EQ(pane.textButton()->isChecked(), first) << "Text first, then the choice made";
        EXPECT_EQ(pane.text()->isVisible(), first);
        EXPECT_TRUE(pane.text()->toPlainText().startsWith(QString::fromStdString(clip.content)));
        if (first) {
            pane.showClip(entryTitled(clips, "public.utf8-plain-text"));
            EXPECT_FALSE(pane.formattedButton()->isVisible());
            EXPECT_TRUE(pane.text()->isVisible()) << "plain text has only Text";
            pane.showClip(clip);
        }
        first = false;
        pane.formattedButton()->click();
        EXPECT_TRUE(pane.formatted()->isVisible());
        EXPECT_FALSE(pane.text()->isVisible());
        // Pictures stand in the text as U+FFFC.
        EXPECT_EQ(pane.formatted()->toPlainText().remove(QChar(0xFFFC)).simplified(),
                  QStringLiteral("index.html"));
    }
    // The RTFD's SVG attachment is drawn in its place.
    pane.showClip(entryTitled(clips, "com.apple.flat-rtfd"));
    EXPECT_TRUE(pane.formatted()->toHtml().contains(QStringLiteral("<img src=\"attachment:")));

    DetailPane relaunched;
    relaunched.showClip(entryTitled(clips, "public.rtf"));
    EXPECT_TRUE(relaunched.formattedButton()->isChecked()) << "kept across launches";

    // In a dark palette the chosen half stands out, and documents and
    // pictures are on paper, where their own dark colours read.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    pane.setPalette(dark);
    pane.textButton()->click();
    const auto lightness = [](const QAbstractButton* button) {
        return button->palette().color(QPalette::Button).lightness();
    };
    EXPECT_GT(lightness(pane.textButton()) - lightness(pane.formattedButton()), 40);
    EXPECT_GT(pane.formatted()->palette().color(QPalette::Base).lightness(), 200);
    QImage clear(16, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    pane.picture()->setPalette(dark);
    pane.picture()->setImage(clear);
    pane.picture()->resize(16, 16);
    EXPECT_EQ(pane.picture()->grab().toImage().pixelColor(8, 8), QColor(Qt::white));
}

// Rendering asks only the entry: a picture or style sheet anywhere else, on
// the disk or the network, is refused and never read.
// A document prepared on a worker and never shown is let go whether the
// worker is still at it or long done (then the view holds the last
// reference to what they shared).
TEST(FormattedView, APreparationNotShownIsLetGo) {
    const auto clips = realEntries("Rich web text.textClipping");
    FormattedView view;
    for (const char* title : {"public.rtf", "public.html", "public.rtf"}) {
        view.prepare(entryTitled(clips, title));
        QThreadPool::globalInstance()->waitForDone();
    }
    view.prepare(entryTitled(clips, "com.apple.webarchive"));
    view.showEntry(entryTitled(clips, "public.rtf"));
    FormattedView fresh;
    fresh.showEntry(entryTitled(clips, "public.rtf"));
    EXPECT_FALSE(fresh.toPlainText().isEmpty());
    EXPECT_EQ(view.toPlainText(), fresh.toPlainText());
}

TEST(FormattedView, LoadsNothingFromOutsideTheEntry) {
    QTemporaryDir folder;
    const QString local = folder.filePath(QStringLiteral("secret.png"));
    QImage(4, 4, QImage::Format_RGB32).save(local);
    const QUrl localUrl = QUrl::fromLocalFile(local);
    const QUrl styleUrl = QUrl::fromLocalFile(folder.filePath(QStringLiteral("style.css")));
    const std::string html = "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"" +
                             styleUrl.toString().toStdString() + "\"></head><body><p>x<img src=\"" +
                             localUrl.toString().toStdString() +
                             "\"><img src=\"http://example.com/a.png\"></p></body></html>";
    FormattedView view;
    view.showEntry(ClipDetail("public.html", html, std::nullopt, true));
    view.resize(300, 300);
    view.show(); // images are asked for when laid out
    QApplication::processEvents();
    const auto& refused = view.entryDocument()->refused();
    EXPECT_NE(std::find(refused.begin(), refused.end(), localUrl), refused.end());
    EXPECT_NE(std::find(refused.begin(), refused.end(), styleUrl), refused.end());
    EXPECT_NE(std::find(refused.begin(), refused.end(), QUrl("http://example.com/a.png")),
              refused.end());
    EXPECT_FALSE(view.document()->resource(QTextDocument::ImageResource, localUrl).isValid());

    // Links are offered to the desktop only for the web, FTP and mail: the
    // addresses extract makes links of too.
    std::vector<QUrl> opened;
    view.openLink = [&](const QUrl& url) { opened.push_back(url); };
    for (const char* link : {"https://example.com/", "http://a.example/", "mailto:a@example.com",
                             "file:///etc/passwd", "javascript:alert(1)", "ftp://x/"}) {
        emit view.anchorClicked(QUrl(QString::fromUtf8(link)));
    }
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened.back(), QUrl("ftp://x/"));

    // In a window, a refused click says why in its status line.
    QMainWindow window;
    auto* inWindow = new FormattedView(&window);
    window.setCentralWidget(inWindow);
    emit inWindow->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    EXPECT_EQ(window.statusBar()->currentMessage(),
              QStringLiteral("Not opened: file:///etc/passwd is not a web or mail address, and "
                             "only those open with a click."));
}

// A PICT attachment, which Qt cannot read, shows through our picture decoder;
// an RTFD that is a single file shows formatted too.
TEST(FormattedView, RtfdAttachmentsShowThroughThePictureDecoder) {
    const Bytes& pict =
        *test::realRepresentation("../pict/tm_16bit.pictClipping", "com.apple.pict").asData();
    const std::string rtf = "{\\rtf1 a{{\\NeXTGraphic pic.pict \\width100 \\height100}\\'ac}b}";
    const auto rtfd = [](const std::string& object) {
        return ClipDetail("com.apple.flat-rtfd", "[data size]",
                          Bytes::copyOf(test::flat::wrapper(object)), false);
    };
    FormattedView view;
    view.showEntry(rtfd(
        test::flat::dictionary({{"TXT.rtf", test::flat::dataObject(rtf)},
                                {"pic.pict", test::flat::dataObject(std::string(pict.view()))}})));
    const QVariant image =
        view.document()->resource(QTextDocument::ImageResource, attachmentUrl("pic.pict"));
    EXPECT_FALSE(image.value<QImage>().isNull());

    view.showEntry(rtfd(test::flat::dataObject("{\\rtf1 single}")));
    EXPECT_EQ(view.document()->toPlainText(), QStringLiteral("single"));
}

// A long name is cut in the middle, whole in its tool tip, and never asks
// its layout for more room; a window is kept on its screen.
TEST(Layout, LongNamesElideAndWindowsStayOnScreen) {
    ElidedLabel label;
    label.resize(120, 20);
    const QString whole = QStringLiteral("From ") + QString(200, u'x') + QStringLiteral(".webloc");
    label.setWholeText(whole);
    EXPECT_TRUE(label.text().contains(QChar(0x2026))) << label.text().toStdString();
    EXPECT_TRUE(label.text().endsWith(QStringLiteral(".webloc")));
    EXPECT_EQ(label.toolTip(), whole);
    EXPECT_EQ(label.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);

    QWidget window;
    window.show();
    const QRect room = window.screen()->availableGeometry();
    window.setGeometry(room.right() - 100, room.top(), room.width() + 300, room.height() + 200);
    keepOnScreen(window);
    EXPECT_TRUE(room.contains(window.geometry()));
}

} // namespace
} // namespace scrivlette
