#pragma once

#include "platform/services/DropInfo.h"

#include <string>
#include <vector>

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
    // Percent-encoded, so that a name that is not UTF-8 keeps its bytes; taken
    // now, since the drag's data must not be touched from workers.
    std::vector<std::string> localFileUrls_;
};

// Loads one dropped file's URL on a worker thread.
class QtFileUrlProvider final : public ItemProvider {
public:
    explicit QtFileUrlProvider(std::string encodedUrl) : url_(std::move(encodedUrl)) {}
    void loadItem(std::string_view typeIdentifier, Completion completion) override;

private:
    std::string url_;
};

} // namespace scrivlette
