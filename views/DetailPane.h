#pragma once

#include "model/ClipDetail.h"

#include <QStackedWidget>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace scrivlette {

// "Nothing selected.", or the selected entry's content in a monospaced font,
// followed for text entries by a bold line with its title and length.
class DetailPane final : public QStackedWidget {
public:
    explicit DetailPane(QWidget* parent = nullptr);

    void show(const std::optional<ClipDetail>& clip);

    QLabel* placeholder() const { return placeholder_; }
    QPlainTextEdit* text() const { return text_; }

private:
    QLabel* placeholder_;
    QPlainTextEdit* text_;
};

// "<title> Size: <characters>"
QString sizeLine(const ClipDetail& clip);

} // namespace scrivlette
