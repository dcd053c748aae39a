#include "Pages.h"

#include <QFont>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace scrivlette::thumbnail {
namespace {

// A sheet of paper, three by four, with a thin edge, as file managers show
// documents.
QImage blankPage(int size) {
    QImage page(std::max(8, size * 3 / 4), std::max(8, size), QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setBrush(Qt::white);
    painter.drawRect(page.rect().adjusted(0, 0, -1, -1));
    return page;
}

QFont fontOfHeight(int pixels, bool bold = false) {
    QFont font; // the desktop's default face, through fontconfig
    font.setPixelSize(std::max(6, pixels));
    font.setBold(bold);
    return font;
}

void drawWrapped(QPainter& painter, const QRect& box, const QString& text) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(box, text, option);
}

} // namespace

QImage textPage(const Text& text, int size) {
    QImage page = blankPage(size);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(40, 40, 40));
    // Legible at 128 pixels (9-pixel type) and at 256 (14).
    painter.setFont(fontOfHeight(size <= 128 ? 9 : size / 18));
    const int margin = std::max(3, size / 20);
    painter.setClipRect(page.rect().adjusted(margin, margin, -margin, -margin));
    drawWrapped(painter, page.rect().adjusted(margin, margin, -margin, -margin),
                QString::fromStdString(text.text));
    return page;
}

QImage locationPage(const Location& location, int size) {
    QImage page = blankPage(size);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int margin = std::max(3, size / 20);
    const QRect inside = page.rect().adjusted(margin, margin, -margin, -margin);
    painter.setClipRect(inside);
    // The host large, the address small under it.
    const QString headline = QString::fromStdString(location.headline);
    QFont big = fontOfHeight(size / 8, true);
    const QFontMetrics metrics(big);
    if (metrics.horizontalAdvance(headline) > inside.width()) {
        big.setPixelSize(std::max(6, big.pixelSize() * inside.width() /
                                         std::max(1, metrics.horizontalAdvance(headline))));
    }
    painter.setFont(big);
    painter.setPen(QColor(20, 60, 140));
    const QRect top(inside.left(), inside.top() + size / 6, inside.width(), size / 4);
    painter.drawText(top, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWrapAnywhere, headline);
    painter.setFont(fontOfHeight(size <= 128 ? 8 : size / 20));
    painter.setPen(QColor(70, 70, 70));
    drawWrapped(painter,
                QRect(inside.left(), top.bottom() + margin, inside.width(),
                      inside.bottom() - top.bottom() - margin),
                QString::fromStdString(location.url));
    return page;
}

} // namespace scrivlette::thumbnail
