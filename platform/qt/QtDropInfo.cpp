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
            localFiles_ << url.toLocalFile();
        }
    }
}

bool QtDropInfo::hasItemsConforming(const std::vector<std::string>& types) const {
    return asksForFileUrls(types) && !localFiles_.isEmpty();
}

std::vector<std::shared_ptr<ItemProvider>>
QtDropInfo::itemProviders(const std::vector<std::string>& types) const {
    std::vector<std::shared_ptr<ItemProvider>> providers;
    if (!asksForFileUrls(types)) {
        return providers;
    }
    for (const QString& path : localFiles_) {
        providers.push_back(std::make_shared<QtFileUrlProvider>(path.toStdString()));
    }
    return providers;
}

void QtFileUrlProvider::loadItem(std::string_view typeIdentifier, Completion completion) {
    const bool wanted = typeIdentifier == fileUrlType;
    QThreadPool::globalInstance()->start(
        [path = path_, wanted, completion = std::move(completion)] {
            if (!wanted) {
                completion(std::nullopt, "only file URLs can be loaded");
                return;
            }
            const auto url = Url::fromFilePath(path);
            if (!url) {
                completion(std::nullopt, "not an absolute path");
                return;
            }
            completion(std::any(Bytes::copyOf(url->dataRepresentation())), std::nullopt);
        });
}

} // namespace scrivlette
