#pragma once

#include <QPlainTextEdit>

namespace scrivlette {

// The Text view's text: the entry's content and, under it, its size line.
// Only the content leaves by copy or drag, however much is selected: the
// size line is the pane's, not the entry's.
class EntryText final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // Where the content ends and the size line begins; -1 while there is none.
    void setContentEnd(int position) { contentEnd_ = position; }

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    int contentEnd_ = -1;
};

} // namespace scrivlette
