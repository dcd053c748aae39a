#include "ClipListModel.h"

#include "model/ClipDescription.h"

namespace scrivlette {

int ClipListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(clips_.size());
}

QVariant ClipListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == descriptionRole) {
        return QString::fromStdString(describeClip(clipAt(index.row())));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    const QString title = QString::fromStdString(clipAt(index.row()).title);
    // Tooltips are rich text when they look like it; a title never is.
    return role == Qt::ToolTipRole ? title.toHtmlEscaped() : title;
}

void ClipListModel::reset(std::vector<ClipDetail> clips) {
    beginResetModel();
    clips_ = std::move(clips);
    endResetModel();
}

void ClipListModel::append(std::vector<ClipDetail> clips) {
    if (clips.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(clips.size()) - 1);
    clips_.insert(clips_.end(), std::make_move_iterator(clips.begin()),
                  std::make_move_iterator(clips.end()));
    endInsertRows();
}

std::optional<int> ClipListModel::rowOf(const ClipDetail& clip) const {
    for (std::size_t i = 0; i < clips_.size(); ++i) {
        if (clips_[i] == clip) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

} // namespace scrivlette
