#include "views/DetailPane.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
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
    EXPECT_EQ(pane.currentWidget(), pane.text());
    const QString shown = waitForWholeText(pane);
    EXPECT_FALSE(pane.isLoading());
    EXPECT_EQ(shown, QString::fromStdString(content) + QStringLiteral("\n\n") + sizeLine(clip));

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

} // namespace
} // namespace scrivlette
