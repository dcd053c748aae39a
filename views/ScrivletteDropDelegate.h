#pragma once

#include "model/ClipInfo.h"
#include "platform/DropInfo.h"
#include "platform/State.h"

#include <memory>

namespace scrivlette {

// Lets only file drops in; a drop starts a new, empty document and reads
// every dropped file into whichever document the view holds when the file
// arrives.
class ScrivletteDropDelegate {
public:
    explicit ScrivletteDropDelegate(Binding<std::shared_ptr<ClipInfo>> clipInfo)
        : theClipInfo(std::move(clipInfo)) {}

    bool validateDrop(const DropInfo& info) const;
    bool performDrop(const DropInfo& info);

    Binding<std::shared_ptr<ClipInfo>> theClipInfo;
};

} // namespace scrivlette
