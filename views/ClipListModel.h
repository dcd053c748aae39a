#pragma once

#include "model/ClipDetail.h"

#include <QAbstractListModel>
#include <optional>
#include <string>
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

    // `sources` names the file of each entry (see ClipInfo::sourceAt); once
    // the list holds entries of more than one file, each row's second line
    // names its file.
    void reset(std::vector<ClipDetail> clips, std::vector<std::string> sources = {});
    void append(std::vector<ClipDetail> clips, std::vector<std::string> sources = {});
    const std::string& sourceAt(int row) const { return sources_[static_cast<std::size_t>(row)]; }
    const ClipDetail& clipAt(int row) const { return clips_[static_cast<std::size_t>(row)]; }
    std::size_t size() const { return clips_.size(); }
    // The row whose entry equals `clip`, if any.
    std::optional<int> rowOf(const ClipDetail& clip) const;

private:
    void noteSources();

    std::vector<ClipDetail> clips_;
    std::vector<std::string> sources_;
    bool severalSources_ = false;
};

} // namespace scrivlette
