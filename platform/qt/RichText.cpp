#include "RichText.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QVariant>

namespace scrivlette {
namespace {

QColor toQColor(const rtf::Color& color) {
    return QColor(color.red, color.green, color.blue);
}

QTextCharFormat characterFormat(const rtf::CharacterStyle& style) {
    QTextCharFormat format;
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontStrikeOut(style.strikethrough);
    format.setFontPointSize(style.halfPoints / 2.0);
    if (style.foreground) {
        format.setForeground(toQColor(*style.foreground));
    }
    if (style.background) {
        format.setBackground(toQColor(*style.background));
    }
    return format;
}

Qt::Alignment toQtAlignment(rtf::Alignment alignment) {
    switch (alignment) {
    case rtf::Alignment::center:
        return Qt::AlignHCenter;
    case rtf::Alignment::right:
        return Qt::AlignRight;
    case rtf::Alignment::justified:
        return Qt::AlignJustify;
    case rtf::Alignment::left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

QUrl attachmentUrl(const std::string& name) {
    QUrl url;
    url.setScheme(QStringLiteral("attachment"));
    url.setPath(QString::fromStdString(name));
    return url;
}

void fillTextDocument(QTextDocument& target, const rtf::Document& source) {
    target.clear();
    QTextCursor cursor(&target);
    bool first = true;
    for (const rtf::Paragraph& paragraph : source.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(toQtAlignment(paragraph.alignment));
        if (first) {
            cursor.setBlockFormat(block);
            first = false;
        } else {
            cursor.insertBlock(block);
        }
        for (const rtf::Run& run : paragraph.runs) {
            if (!run.attachment.empty()) {
                const QUrl url = attachmentUrl(run.attachment);
                const QVariant image = target.resource(QTextDocument::ImageResource, url);
                if (image.isValid()) {
                    QTextImageFormat format;
                    format.setName(url.toString());
                    cursor.insertImage(format);
                }
                continue;
            }
            // U+2028 in the text is a line break inside the paragraph, as in Qt.
            cursor.insertText(QString::fromStdString(run.text), characterFormat(run.style));
        }
    }
}

} // namespace scrivlette
