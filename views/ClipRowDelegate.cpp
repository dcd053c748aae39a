#include "ClipRowDelegate.h"

#include "views/ClipListModel.h"

#include <QApplication>
#include <QPainter>

namespace scrivlette {
namespace {

constexpr int margin = 6;

QFont smaller(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

} // namespace

void ClipRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString title = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The style draws the selection and focus; the two lines are ours.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    const QRect area = option.rect.adjusted(margin, margin / 2, -margin, -margin / 2);
    const QFontMetrics titleMetrics(option.font);
    const QFont descriptionFont = smaller(option.font);

    painter->save();
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(area.left(), area.top() + titleMetrics.ascent(),
                      titleMetrics.elidedText(title, Qt::ElideRight, area.width()));

    QColor muted = option.palette.color(group, selected ? QPalette::HighlightedText
                                                        : QPalette::PlaceholderText);
    if (selected) {
        muted.setAlphaF(0.75F);
    }
    painter->setPen(muted);
    painter->setFont(descriptionFont);
    const QFontMetrics descriptionMetrics(descriptionFont);
    const QString description = index.data(ClipListModel::descriptionRole).toString();
    // Cut in the middle: the end names the file, with its folder when names
    // collide, and tells rows apart.
    painter->drawText(area.left(), area.top() + titleMetrics.height() + descriptionMetrics.ascent(),
                      descriptionMetrics.elidedText(description, Qt::ElideMiddle, area.width()));
    painter->restore();
}

QSize ClipRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const int height =
        QFontMetrics(option.font).height() + QFontMetrics(smaller(option.font)).height() + margin;
    return {option.rect.width() > 0 ? option.rect.width() : 200, height};
}

} // namespace scrivlette
