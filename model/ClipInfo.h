#pragma once

#include "model/ClipDetail.h"
#include "model/ClipWriting.h"
#include "model/ObservationRegistrar.h"
#include "platform/ReadError.h"
#include "platform/Url.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette {

// The document of one main window: the name of the clipping read last and the
// entries of everything read into it. Observable per property; used on the
// main thread only, and always destroyed there.
class ClipInfo {
public:
    static constexpr KeyPath clipListKey = "clipList";
    static constexpr KeyPath clippingNameKey = "clippingName";

    // An empty document: no entries, name "".
    static std::shared_ptr<ClipInfo> create();

    ClipInfo(const ClipInfo&) = delete;
    ClipInfo& operator=(const ClipInfo&) = delete;

    // A copy: later changes to the document do not reach it.
    std::vector<ClipDetail> clipList() const;
    void setClipList(std::vector<ClipDetail> clipList);
    // An in-place change, announced even when an equal entry is already there.
    void appendClip(ClipDetail clip);

    // For views that follow a growing list without copying all of it each
    // time: the number of entries, one entry, and how many times the whole
    // list has been replaced (appends do not count). Each registers a read of
    // clipList.
    std::size_t clipCount() const;
    ClipDetail clipAt(std::size_t index) const;
    // Whether entry `index` equals `clip`, without copying it.
    bool holdsAt(std::size_t index, const ClipDetail& clip) const;
    // Each entry in order, lent rather than copied (an entry's text can be
    // hundreds of megabytes); the document must not change meanwhile.
    void forEachClip(const std::function<void(const ClipDetail&)>& visit) const;
    // The path of the file entry `index` was read from, or "" for an entry
    // that came otherwise; kept beside the list, not in the entries. What to
    // call it is sourceNames' answer.
    std::string sourceAt(std::size_t index) const;
    std::uint64_t clipListReplacements() const;

    std::string clippingName() const;
    void setClippingName(std::string name);

    // Reads the clipping file at `url` and appends one entry per representation
    // it understands. True when the file was of an accepted kind and read through.
    bool readClipping(const Url& url);
    // The same reading, saying why when it fails (and where the file is
    // damaged, when a reader found the place): nothing when it was read.
    std::optional<ReadError> readClippingWithReason(const Url& url);

    // Opens a save panel for `clip` and, once the user confirms it, writes the
    // entry there. Returns at once; errors are not reported.
    void writeClip(const ClipDetail& clip);
    // The same, telling `finished` how it went (command-line use).
    void writeClip(const ClipDetail& clip, std::function<void(const WriteOutcome&)> finished);

    ObservationRegistrar& observationRegistrar() { return _observationRegistrar; }

private:
    ClipInfo() = default;
    ~ClipInfo();
    friend struct ClipInfoDeleter;

    void assertMainThread() const;

    void appendClipFrom(ClipDetail clip, std::string source);

    std::vector<ClipDetail> _clipList;
    std::vector<std::string> _sources; // one for each entry of _clipList
    std::uint64_t _clipListReplacements = 0;
    std::string _clippingName;
    ObservationRegistrar _observationRegistrar;
};

} // namespace scrivlette
