#pragma once

#include <QLocale>
#include <QWidget>

class QTextEdit;

namespace scrivlette {

// The Help window's content: the help document, read and parsed each time
// the view is built, in a text that scrolls vertically and wraps to the
// width; the single word "empty" when the document cannot be read or parsed.
class HelpView final : public QWidget {
public:
    static inline const QString defaultDocument = QStringLiteral(":/Help.rtf");
    // The help in the first of `locale`'s languages it is written in; the
    // English document otherwise.
    static QString documentFor(const QLocale& locale);

    explicit HelpView(const QString& document = documentFor(QLocale()), QWidget* parent = nullptr);

    QTextEdit* text() const { return text_; }

private:
    QTextEdit* text_;
};

} // namespace scrivlette
