#pragma once

#include <QStyledItemDelegate>

namespace scrivlette {

// A sidebar row: the entry's title as written, and under it, muted, what the
// entry is in words.
class ClipRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace scrivlette
