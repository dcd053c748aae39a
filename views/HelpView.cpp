#include "HelpView.h"

#include "model/ClipContent.h"
#include "platform/qt/RichText.h"
#include "resources/Resources.h"

#include <QFile>
#include <QTextEdit>
#include <QVBoxLayout>

namespace scrivlette {

QString HelpView::documentFor(const QLocale& locale) {
    initResources();
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        // "pt_BR" first, then "pt".
        for (const QString& name : {language, language.section(u'_', 0, 0)}) {
            const QString document = QStringLiteral(":/help/Help_%1.rtf").arg(name);
            if (QFile::exists(document)) {
                return document;
            }
        }
    }
    return defaultDocument;
}

HelpView::HelpView(const QString& document, QWidget* parent)
    : QWidget(parent), text_(new QTextEdit(this)) {
    initResources();
    text_->setReadOnly(true);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QTextEdit::WidgetWidth);
    text_->setAcceptDrops(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(text_);

    QFile file(document);
    const auto parsed =
        file.open(QIODevice::ReadOnly) ? richTextOf(file.readAll().toStdString()) : std::nullopt;
    if (parsed) {
        fillTextDocument(*text_->document(), *parsed);
    } else {
        text_->setPlainText(QStringLiteral("empty"));
    }
    text_->moveCursor(QTextCursor::Start);
}

} // namespace scrivlette
