#include "ScrivletteDropDelegate.h"

#include "platform/Bytes.h"
#include "platform/MainQueue.h"

namespace scrivlette {
namespace {

const std::vector<std::string>& fileUrlTypes() {
    static const std::vector<std::string> types = {std::string(fileUrlType)};
    return types;
}

// Runs on the provider's thread: only turns bytes into a URL and hands the
// reading to the main queue. The error is never looked at.
void loaded(const Binding<std::shared_ptr<ClipInfo>>& clipInfo,
            const std::optional<std::any>& item) {
    if (!item) {
        return;
    }
    const Bytes* bytes = std::any_cast<Bytes>(&*item);
    if (!bytes) {
        return;
    }
    auto url = Url::fromDataRepresentation(bytes->span());
    if (!url) {
        return;
    }
    MainQueue::main()->submit([clipInfo, url = std::move(*url)] {
        // Whatever document the view holds now, which may be a later drop's;
        // held here so that it lives through the reading whatever happens to
        // the view meanwhile.
        const std::shared_ptr<ClipInfo> document =
            clipInfo.get(); // NOLINT(performance-unnecessary-copy-initialization)
        document->readClipping(url);
    });
}

} // namespace

bool ScrivletteDropDelegate::validateDrop(const DropInfo& info) const {
    return info.hasItemsConforming(fileUrlTypes());
}

bool ScrivletteDropDelegate::performDrop(const DropInfo& info) {
    theClipInfo.set(ClipInfo::create());
    const auto providers = info.itemProviders(fileUrlTypes());
    if (providers.empty()) {
        return false;
    }
    for (const auto& provider : providers) {
        provider->loadItem(fileUrlType,
                           [clipInfo = theClipInfo](const std::optional<std::any>& item,
                                                    const std::optional<std::string>&) {
                               loaded(clipInfo, item);
                           });
    }
    return true;
}

} // namespace scrivlette
