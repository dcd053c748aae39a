#include "QtDropInfo.h"

#include "platform/Bytes.h"
#include "platform/Url.h"

#include <QMimeData>
#include <QThreadPool>
#include <QUrl>
#include <algorithm>

namespace scrivlette {
namespace {

bool asksForFileUrls(const std::vector<std::string>& types) {
    return std::find(types.begin(), types.end(), fileUrlType) != types.end();
}

} // namespace

QtDropInfo::QtDropInfo(const QMimeData* mimeData) {
    if (mimeData == nullptr || !mimeData->hasUrls()) {
        return;
    }
    for (const QUrl& url : mimeData->urls()) {
        if (url.isLocalFile()) {
            localFileUrls_.push_back(url.toEncoded(QUrl::FullyEncoded).toStdString());
        }
    }
}

bool QtDropInfo::hasItemsConforming(const std::vector<std::string>& types) const {
    return asksForFileUrls(types) && !localFileUrls_.empty();
}

std::vector<std::shared_ptr<ItemProvider>>
QtDropInfo::itemProviders(const std::vector<std::string>& types) const {
    std::vector<std::shared_ptr<ItemProvider>> providers;
    if (!asksForFileUrls(types)) {
        return providers;
    }
    for (const std::string& url : localFileUrls_) {
        providers.push_back(std::make_shared<QtFileUrlProvider>(url));
    }
    return providers;
}

void QtFileUrlProvider::loadItem(std::string_view typeIdentifier, Completion completion) {
    const bool wanted = typeIdentifier == fileUrlType;
    QThreadPool::globalInstance()->start([text = url_, wanted, completion = std::move(completion)] {
        if (!wanted) {
            completion(std::nullopt, "only file URLs can be loaded");
            return;
        }
        const auto url = Url::fromString(text);
        if (!url || !url->isFileURL()) {
            completion(std::nullopt, "not a file URL");
            return;
        }
        completion(std::any(Bytes::copyOf(url->dataRepresentation())), std::nullopt);
    });
}

} // namespace scrivlette
