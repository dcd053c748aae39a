#include "DetailPane.h"

#include "platform/UnicodeText.h"

#include <QFontDatabase>
#include <QLabel>
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
    // The entry is copied and dragged whole, so the text itself takes no
    // selection, no keys and no drops.
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
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
    show(std::nullopt);
}

void DetailPane::show(const std::optional<ClipDetail>& clip) {
    if (!clip) {
        text_->clear();
        setCurrentWidget(placeholder_);
        return;
    }
    text_->setPlainText(QString::fromStdString(clip->content));
    if (clip->useStringForData) {
        QTextCursor cursor(text_->document());
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.insertText(sizeLine(*clip), bold);
    }
    text_->verticalScrollBar()->setValue(0);
    setCurrentWidget(text_);
}

} // namespace scrivlette
