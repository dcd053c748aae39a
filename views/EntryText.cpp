#include "EntryText.h"

#include <QMimeData>
#include <QTextDocumentFragment>
#include <algorithm>

namespace scrivlette {

QMimeData* EntryText::createMimeDataFromSelection() const {
    QTextCursor cursor = textCursor();
    if (contentEnd_ >= 0) {
        const int start = std::min(cursor.selectionStart(), contentEnd_);
        cursor.setPosition(std::min(cursor.selectionEnd(), contentEnd_));
        cursor.setPosition(start, QTextCursor::KeepAnchor);
    }
    auto* mime = new QMimeData;
    mime->setText(cursor.selection().toPlainText());
    return mime;
}

} // namespace scrivlette
