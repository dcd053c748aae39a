#include "DetailPane.h"

#include "platform/UnicodeText.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace scrivlette {

QString sizeLine(const ClipDetail& clip) {
    return QString::fromStdString(clip.title) + QObject::tr(" Size: ") +
           QString::number(static_cast<qulonglong>(graphemeCount(clip.content)));
}

DetailPane::DetailPane(QWidget* parent)
    : QStackedWidget(parent), placeholder_(new QLabel(tr("Nothing selected."), this)),
      text_(new QPlainTextEdit(this)) {
    placeholder_->setTextFormat(Qt::PlainText);
    placeholder_->setAlignment(Qt::AlignCenter);

    text_->setReadOnly(true);
    // A part of the text can be selected and copied; dropped files go to the
    // window, never into the text.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setContextMenuPolicy(Qt::NoContextMenu);
    text_->setAcceptDrops(false);
    text_->viewport()->setAcceptDrops(false);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setFrameShape(QFrame::NoFrame);
    text_->document()->setDocumentMargin(5);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setUndoRedoEnabled(false);

    addWidget(placeholder_);
    addWidget(text_);
    showClip(std::nullopt);
}

void DetailPane::showClip(const std::optional<ClipDetail>& clip) {
    ++generation_;
    text_->clear();
    pending_.clear();
    pendingSizeLine_.clear();
    added_ = 0;
    if (!clip) {
        setCurrentWidget(placeholder_);
        return;
    }
    pending_ = QString::fromStdString(clip->content);
    if (clip->useStringForData) {
        pendingSizeLine_ = sizeLine(*clip);
    }
    setCurrentWidget(text_);
    addNextPiece();
}

void DetailPane::addNextPiece() {
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    if (added_ < pending_.size()) {
        qsizetype length = std::min(pieceLength, pending_.size() - added_);
        // Never split a surrogate pair, or a CR LF that would become two
        // line breaks, between two pieces.
        if (added_ + length < pending_.size() &&
            (pending_.at(added_ + length - 1).isHighSurrogate() ||
             (pending_.at(added_ + length - 1) == u'\r' &&
              pending_.at(added_ + length) == u'\n'))) {
            ++length;
        }
        cursor.insertText(pending_.mid(added_, length));
        added_ += length;
    }
    if (added_ >= pending_.size()) {
        pending_.clear();
        if (!pendingSizeLine_.isEmpty()) {
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            cursor.insertBlock();
            cursor.insertBlock();
            cursor.insertText(pendingSizeLine_, bold);
            pendingSizeLine_.clear();
        }
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, generation = generation_] {
            // A newer selection has taken over.
            if (generation == generation_) {
                addNextPiece();
            }
        },
        Qt::QueuedConnection);
}

} // namespace scrivlette
