#include "ClipInfo.h"

#include "platform/services/MainQueue.h"
#include "platform/text/UnicodeText.h"

#include <cassert>

namespace scrivlette {

// Whoever lets go of the last reference, the document is torn down on the
// main thread, where its observers live.
struct ClipInfoDeleter {
    std::shared_ptr<MainQueue> queue;

    void operator()(ClipInfo* info) const {
        if (queue->isMainThread()) {
            delete info;
        } else {
            queue->submit([info] { delete info; });
        }
    }
};

ClipInfo::~ClipInfo() {
    assertMainThread();
}

std::shared_ptr<ClipInfo> ClipInfo::create() {
    return std::shared_ptr<ClipInfo>(new ClipInfo(), ClipInfoDeleter{MainQueue::main()});
}

void ClipInfo::assertMainThread() const {
#ifndef NDEBUG
    assert(MainQueue::main()->isMainThread() && "ClipInfo is used on the main thread only");
#endif
}

std::vector<ClipDetail> ClipInfo::clipList() const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    return _clipList;
}

void ClipInfo::setClipList(std::vector<ClipDetail> clipList) {
    assertMainThread();
    if (clipList == _clipList) {
        _clipList = std::move(clipList);
        _sources.assign(_clipList.size(), {});
        return;
    }
    _observationRegistrar.withMutation(clipListKey, [&] {
        _clipList = std::move(clipList);
        _sources.assign(_clipList.size(), {});
        ++_clipListReplacements;
    });
}

std::size_t ClipInfo::clipCount() const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    return _clipList.size();
}

ClipDetail ClipInfo::clipAt(std::size_t index) const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    return _clipList.at(index);
}

bool ClipInfo::holdsAt(std::size_t index, const ClipDetail& clip) const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    return index < _clipList.size() && _clipList[index] == clip;
}

void ClipInfo::forEachClip(const std::function<void(const ClipDetail&)>& visit) const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    for (const ClipDetail& clip : _clipList) {
        visit(clip);
    }
}

std::uint64_t ClipInfo::clipListReplacements() const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    return _clipListReplacements;
}

void ClipInfo::appendClip(ClipDetail clip) {
    appendClipFrom(std::move(clip), {});
}

void ClipInfo::appendClipFrom(ClipDetail clip, std::string source) {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    _observationRegistrar.withMutation(clipListKey, [&] {
        _clipList.push_back(std::move(clip));
        _sources.push_back(std::move(source));
    });
}

std::string ClipInfo::sourceAt(std::size_t index) const {
    assertMainThread();
    _observationRegistrar.access(clipListKey);
    return _sources.at(index);
}

std::string ClipInfo::clippingName() const {
    assertMainThread();
    _observationRegistrar.access(clippingNameKey);
    return _clippingName;
}

void ClipInfo::setClippingName(std::string name) {
    assertMainThread();
    // Names compare as Unicode text; an equivalent name is stored silently.
    if (canonicallyEqual(name, _clippingName)) {
        _clippingName = std::move(name);
        return;
    }
    _observationRegistrar.withMutation(clippingNameKey, [&] { _clippingName = std::move(name); });
}

bool ClipInfo::readClipping(const Url& url) {
    return !readClippingWithReason(url);
}

} // namespace scrivlette
