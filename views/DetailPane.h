#pragma once

#include "model/ClipDetail.h"

#include <QStackedWidget>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace scrivlette {

// "Nothing selected.", or the selected entry's content in a monospaced font,
// followed for text entries by a bold line with its title and length.
//
// Long content goes in piece by piece, one piece per pass of the event loop:
// the first screenful shows at once and the window stays responsive while
// the rest of a 50 MB text arrives.
class DetailPane final : public QStackedWidget {
public:
    explicit DetailPane(QWidget* parent = nullptr);

    void showClip(const std::optional<ClipDetail>& clip);
    // True while the shown content is still being added.
    bool isLoading() const { return !pending_.isEmpty() || !pendingSizeLine_.isEmpty(); }

    QLabel* placeholder() const { return placeholder_; }
    QPlainTextEdit* text() const { return text_; }

    static constexpr qsizetype pieceLength = 512 * 1024; // UTF-16 units

private:
    void addNextPiece();

    QLabel* placeholder_;
    QPlainTextEdit* text_;
    QString pending_;
    qsizetype added_ = 0;
    QString pendingSizeLine_;
    quint64 generation_ = 0;
};

// "<title> Size: <characters>"
QString sizeLine(const ClipDetail& clip);

} // namespace scrivlette
