#pragma once

#include "model/ClipDetail.h"

#include <QAbstractListModel>
#include <optional>
#include <vector>

namespace scrivlette {

// The sidebar's rows: one per entry, in list order, showing its title as
// plain text. Follows a growing list by appending rows, not by starting over.
class ClipListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // What the entry is, in words, for the row's second line.
    static constexpr int descriptionRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void reset(std::vector<ClipDetail> clips);
    void append(std::vector<ClipDetail> clips);
    const ClipDetail& clipAt(int row) const { return clips_[static_cast<std::size_t>(row)]; }
    std::size_t size() const { return clips_.size(); }
    // The row whose entry equals `clip`, if any.
    std::optional<int> rowOf(const ClipDetail& clip) const;

private:
    std::vector<ClipDetail> clips_;
};

} // namespace scrivlette
