#pragma once

#include "platform/DropInfo.h"

#include <QStringList>

class QMimeData;

namespace scrivlette {

// A drag's contents as Qt delivers them. A drag conforms to "public.file-url"
// when it carries at least one local file: URL; each such URL is one item.
class QtDropInfo final : public DropInfo {
public:
    explicit QtDropInfo(const QMimeData* mimeData);

    bool hasItemsConforming(const std::vector<std::string>& types) const override;
    std::vector<std::shared_ptr<ItemProvider>>
    itemProviders(const std::vector<std::string>& types) const override;

private:
    QStringList localFiles_; // taken now: the drag's data must not be touched from workers
};

// Loads one dropped file's URL on a worker thread.
class QtFileUrlProvider final : public ItemProvider {
public:
    explicit QtFileUrlProvider(std::string path) : path_(std::move(path)) {}
    void loadItem(std::string_view typeIdentifier, Completion completion) override;

private:
    std::string path_;
};

} // namespace scrivlette
