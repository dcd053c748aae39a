#include "ClipListModel.h"

#include "model/ClipDescription.h"
#include "model/SourceNames.h"

#include <QLocale>
#include <algorithm>
#include <limits>

namespace scrivlette {

ClipListModel::Row ClipListModel::rowFor(const ClipDetail& clip, std::string source) {
    return Row{clip.id, clip.title, describedInWords(clip), std::move(source)};
}

QString ClipListModel::describedInWords(const ClipDetail& clip) {
    const ClipWords words = describeClip(clip);
    const QString kind = QCoreApplication::translate("Representation", words.kind);
    if (!words.bytes) {
        return kind;
    }
    // The count only picks the plural form; the size is shown whole.
    const int form =
        static_cast<int>(std::min<std::size_t>(*words.bytes, std::numeric_limits<int>::max()));
    return tr("%1, %2 byte(s)", nullptr, form)
        .arg(kind, QLocale().toString(static_cast<qulonglong>(*words.bytes)));
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
        QString description = row.description;
        if (severalSources_ && !row.source.empty()) {
            description +=
                QStringLiteral(" · ") + QString::fromStdString(sourceNames_.at(row.source));
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
    nameSources();
    endResetModel();
}

QString ClipListModel::sourceNameAt(int row) const {
    return QString::fromStdString(sourceNames_.at(rows_[static_cast<std::size_t>(row)].source));
}

// Names the files the rows came from; true when a name already shown
// changed: the list came to hold more than one file, or a new file's name
// collides with one shown.
bool ClipListModel::nameSources() {
    std::vector<std::string> paths;
    for (const Row& row : rows_) {
        if (paths.empty() || paths.back() != row.source) {
            paths.push_back(row.source);
        }
    }
    auto names = sourceNames(paths);
    const bool several = std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
        return !path.empty() && path != rows_.front().source;
    });
    bool changed = several != severalSources_;
    for (const auto& [path, name] : sourceNames_) {
        const auto now = names.find(path);
        changed = changed || (now != names.end() && now->second != name);
    }
    severalSources_ = several;
    sourceNames_ = std::move(names);
    return changed;
}

void ClipListModel::append(std::vector<Row> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    const bool renamed = nameSources();
    endInsertRows();
    if (renamed && first > 0) {
        emit dataChanged(index(0), index(first - 1), {descriptionRole});
    }
}

} // namespace scrivlette
