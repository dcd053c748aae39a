#pragma once

#include "model/ClipDetail.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette {

// The sidebar's rows: one per entry, in list order, showing its title as
// plain text. Follows a growing list by appending rows, not by starting over.
// A row keeps what it shows and which entry it is, never the entry's text or
// bytes: the document holds those, and one can be hundreds of megabytes.
class ClipListModel final : public QAbstractListModel {
    Q_DECLARE_TR_FUNCTIONS(scrivlette::ClipListModel)

public:
    using QAbstractListModel::QAbstractListModel;

    // What the entry is, in words, for the row's second line.
    static constexpr int descriptionRole = Qt::UserRole + 1;

    struct Row {
        Uuid id;
        std::string title;
        QString description;
        std::string source; // the path of the file it was read from, or ""
    };
    static Row rowFor(const ClipDetail& clip, std::string source);
    // What the entry is, in the user's language and digits.
    static QString describedInWords(const ClipDetail& clip);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Once the list holds entries of more than one file, each row's second
    // line names its file, by name, with its folder too where names collide.
    void reset(std::vector<Row> rows);
    void append(std::vector<Row> rows);
    QString sourceNameAt(int row) const;
    const Uuid& idAt(int row) const { return rows_[static_cast<std::size_t>(row)].id; }
    std::size_t size() const { return rows_.size(); }

private:
    bool nameSources();

    std::vector<Row> rows_;
    bool severalSources_ = false;
    std::map<std::string, std::string> sourceNames_;
};

} // namespace scrivlette
