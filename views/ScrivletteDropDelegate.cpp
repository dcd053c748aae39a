#include "ScrivletteDropDelegate.h"

#include "platform/Bytes.h"
#include "platform/services/MainQueue.h"

namespace scrivlette {
namespace {

const std::vector<std::string>& fileUrlTypes() {
    static const std::vector<std::string> types = {std::string(fileUrlType)};
    return types;
}

// The files of one drop, counted on the main thread as each is read or lost,
// so that the report comes once, after the last of them.
class ReadBatch {
public:
    ReadBatch(std::size_t files, ReadReport report) : report_(std::move(report)) {
        summary_.files = files;
    }

    void finished(const std::optional<Url>& url, const std::optional<ReadError>& problem) {
        if (problem) {
            ++summary_.failed;
            summary_.failures.push_back(
                {url ? url->lastPathComponent() : "a dropped file", *problem});
        } else {
            summary_.lastRead = url;
        }
        if (++done_ == summary_.files && report_) {
            report_(summary_);
        }
    }

private:
    ReadReport report_;
    ReadSummary summary_;
    std::size_t done_ = 0;
};

// On the main thread: whatever document the view holds now, which may be a
// later drop's; held here so that it lives through the reading whatever
// happens to the view meanwhile.
void read(const Binding<std::shared_ptr<ClipInfo>>& clipInfo, const Url& url,
          const std::shared_ptr<ReadBatch>& batch) {
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): the copy keeps it alive
    const std::shared_ptr<ClipInfo> document = clipInfo.get();
    batch->finished(url, document->readClippingWithReason(url));
}

// Runs on the provider's thread: only turns bytes into a URL and hands the
// reading to the main queue.
void loaded(const Binding<std::shared_ptr<ClipInfo>>& clipInfo,
            const std::shared_ptr<ReadBatch>& batch, const std::optional<std::any>& item,
            const std::optional<std::string>& error) {
    const Bytes* bytes = item ? std::any_cast<Bytes>(&*item) : nullptr;
    auto url = bytes ? Url::fromDataRepresentation(bytes->span()) : std::nullopt;
    if (!url) {
        MainQueue::main()->submit([batch, why = error.value_or("the file did not arrive")] {
            batch->finished(std::nullopt, ReadError::of(ErrorKind::FileSystem, why));
        });
        return;
    }
    MainQueue::main()->submit(
        [clipInfo, batch, url = std::move(*url)] { read(clipInfo, url, batch); });
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
    auto batch = std::make_shared<ReadBatch>(providers.size(), report_);
    for (const auto& provider : providers) {
        provider->loadItem(
            fileUrlType, [clipInfo = theClipInfo, batch](const std::optional<std::any>& item,
                                                         const std::optional<std::string>& error) {
                loaded(clipInfo, batch, item, error);
            });
    }
    return true;
}

void ScrivletteDropDelegate::openFiles(const std::vector<Url>& urls) {
    theClipInfo.set(ClipInfo::create());
    auto batch = std::make_shared<ReadBatch>(urls.size(), report_);
    for (const Url& url : urls) {
        MainQueue::main()->submit(
            [clipInfo = theClipInfo, batch, url] { read(clipInfo, url, batch); });
    }
}

} // namespace scrivlette
