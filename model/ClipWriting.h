#pragma once

#include "model/ClipDetail.h"
#include "platform/files/ContentType.h"

#include <optional>
#include <string>

namespace scrivlette {

// What the save panel offers for an entry.
struct PanelSetup {
    std::string suggestedName;
    std::optional<ContentType> allowedType; // nothing: any type
};

PanelSetup panelSetupFor(const ClipDetail& clip);

// How a confirmed entry is written.
enum class WriteRule {
    bytes,       // the data unchanged, a plain write
    fileWrapper, // the data unpacked as a serialized file wrapper, written atomically
    text,        // the content as UTF-8, written atomically
    nothing,     // empty content: no file at all
};

WriteRule writeRuleFor(const ClipDetail& clip);

struct WriteOutcome {
    enum class Status { written, nothingToWrite, notAFileWrapper, failed, cancelled };
    Status status = Status::cancelled;
    std::string message; // what went wrong, for front ends that say so
    std::string path;    // where it was written, or was to be
};

// Writes `clip` to `path` by its rule. Used by the panel's completion.
WriteOutcome writeClipTo(const ClipDetail& clip, const std::string& path);

} // namespace scrivlette
