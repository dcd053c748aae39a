#pragma once

#include "model/ClipDetail.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"
#include "platform/plist/Node.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette {

enum class ClippingKind { text, internetLocation, picture };

// The kind of clipping a type identifier names, tested in a fixed order with
// whole, case-sensitive comparison; nothing for any other identifier.
std::optional<ClippingKind> clippingKindFor(std::string_view typeIdentifier);

// The entries a parsed clipping holds, in the order of its keys. The whole
// file is checked before any entry is made, so a malformed file yields a
// reason and no entries at all.
Expected<std::vector<ClipDetail>, std::string> clipEntries(ClippingKind kind,
                                                           const plist::Node& root);

// A clipping file as read: its kind, its property list (or the one its
// resource fork stands for) and its entries.
struct ClippingFile {
    ClippingKind kind;
    // The property list read; its strings have been moved into the entries
    // (a text may be hundreds of megabytes), its data values are all there.
    plist::NodePtr root;
    std::vector<ClipDetail> entries;
};

// Why a file could not be read as a clipping, and where it is damaged when a
// reader found the place.
struct ReadProblem {
    std::string reason;
    std::optional<ReadError> fault;
};

// Reads the clipping at `path`, recognised by its extension or, without one,
// by its companion's Finder type; or says why it is none.
Expected<ClippingFile, ReadProblem> readClippingFile(const std::string& path);

// The start of a text clipping's first text, at most `maxBytes` of it, cut at
// a character: what a preview shows, with no more of any representation
// decoded than that (a text can be hundreds of megabytes). Empty when the
// clipping holds no text.
Expected<std::string, ReadProblem> readFirstText(const std::string& path, std::size_t maxBytes);

} // namespace scrivlette
