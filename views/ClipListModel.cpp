#include "ClipListModel.h"

#include "model/ClipDescription.h"

namespace scrivlette {

ClipListModel::Row ClipListModel::rowFor(const ClipDetail& clip, std::string source) {
    return Row{clip.id, clip.title, describeClip(clip), std::move(source)};
}

int ClipListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ClipListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == descriptionRole) {
        QString description = QString::fromStdString(row.description);
        if (severalSources_ && !row.source.empty()) {
            description += QStringLiteral(" · ") + QString::fromStdString(row.source);
        }
        return description;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    const QString title = QString::fromStdString(row.title);
    // Tooltips are rich text when they look like it; a title never is.
    return role == Qt::ToolTipRole ? title.toHtmlEscaped() : title;
}

void ClipListModel::reset(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    severalSources_ = false;
    noteSources();
    endResetModel();
}

// Whether the list holds entries of more than one file; when that first
// becomes so, every row's second line changes.
void ClipListModel::noteSources() {
    if (severalSources_) {
        return;
    }
    for (const Row& row : rows_) {
        if (!row.source.empty() && row.source != rows_.front().source) {
            severalSources_ = true;
            break;
        }
    }
}

void ClipListModel::append(std::vector<Row> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = rowCount();
    const bool before = severalSources_;
    const std::string& firstSource = rows_.empty() ? rows.front().source : rows_.front().source;
    for (const Row& row : rows) {
        severalSources_ = severalSources_ || (!row.source.empty() && row.source != firstSource);
    }
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    endInsertRows();
    if (severalSources_ && !before && first > 0) {
        emit dataChanged(index(0), index(first - 1), {descriptionRole});
    }
}

} // namespace scrivlette
