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
        QString description = QString::fromStdString(describeClip(clipAt(index.row())));
        const std::string& source = sourceAt(index.row());
        if (severalSources_ && !source.empty()) {
            description += QStringLiteral(" · ") + QString::fromStdString(source);
        }
        return description;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    const QString title = QString::fromStdString(clipAt(index.row()).title);
    // Tooltips are rich text when they look like it; a title never is.
    return role == Qt::ToolTipRole ? title.toHtmlEscaped() : title;
}

void ClipListModel::reset(std::vector<ClipDetail> clips, std::vector<std::string> sources) {
    beginResetModel();
    clips_ = std::move(clips);
    sources_ = std::move(sources);
    sources_.resize(clips_.size());
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
    for (const std::string& source : sources_) {
        if (!source.empty() && source != sources_.front()) {
            severalSources_ = true;
            break;
        }
    }
}

void ClipListModel::append(std::vector<ClipDetail> clips, std::vector<std::string> sources) {
    if (clips.empty()) {
        return;
    }
    sources.resize(clips.size());
    sources_.insert(sources_.end(), std::make_move_iterator(sources.begin()),
                    std::make_move_iterator(sources.end()));
    const bool before = severalSources_;
    noteSources();
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(clips.size()) - 1);
    clips_.insert(clips_.end(), std::make_move_iterator(clips.begin()),
                  std::make_move_iterator(clips.end()));
    endInsertRows();
    if (severalSources_ && !before && first > 0) {
        emit dataChanged(index(0), index(first - 1), {descriptionRole});
    }
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
