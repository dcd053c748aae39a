#pragma once

#include "model/ClipInfo.h"
#include "platform/services/DropInfo.h"
#include "platform/services/State.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace scrivlette {

// One file that was not read: its name, and why (where it is damaged, when
// a reader found the place).
struct ReadFailureNote {
    std::string name;
    ReadError error;
};

// How one drop, or one opening of files from outside, went once every file
// has been read or has failed to arrive.
struct ReadSummary {
    std::size_t files = 0;
    std::size_t failed = 0;
    std::optional<Url> lastRead; // the last file that was read, in the order they arrived
    // Every file that was not read, with why, in the order they arrived.
    std::vector<ReadFailureNote> failures;
};
// Called on the main thread.
using ReadReport = std::function<void(const ReadSummary&)>;

// Lets only file drops in; a drop starts a new, empty document and reads
// every dropped file into whichever document the view holds when the file
// arrives.
class ScrivletteDropDelegate {
public:
    explicit ScrivletteDropDelegate(Binding<std::shared_ptr<ClipInfo>> clipInfo,
                                    ReadReport report = nullptr)
        : theClipInfo(std::move(clipInfo)), report_(std::move(report)) {}

    bool validateDrop(const DropInfo& info) const;
    bool performDrop(const DropInfo& info);
    // Files named from outside a drag (the command line, the desktop's Open
    // With, File > Open) take the road of a drop of the same files.
    void openFiles(const std::vector<Url>& urls);

    Binding<std::shared_ptr<ClipInfo>> theClipInfo;

private:
    ReadReport report_;
};

} // namespace scrivlette
