#pragma once

#include "formats/fork/Companion.h"
#include "formats/plist/Node.h"
#include "model/ClipDetail.h"
#include "model/ClipInfo.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

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
Expected<std::vector<ClipDetail>, ReadError> clipEntries(ClippingKind kind,
                                                         const plist::Node& root);

// What a file is as a clipping, and the companion its kind was read from
// when its name did not say (classic Mac OS clippings have no extension).
struct ClippingFileKind {
    ClippingKind kind;
    std::optional<Companion> companion;
};

// Whether the file at `path` is a clipping, as the window's Go, extract and
// the thumbnailer all decide it: a regular file (a link to one counts) with
// one of the four kinds' extensions in any case, or without a known one
// whose companion's Finder type says so. Companions themselves never are.
std::optional<ClippingFileKind> clippingKind(const std::string& path);

// A folder only companions live in (`.AppleDouble`, `__MACOSX`): it holds no
// clippings of its own.
bool holdsOnlyCompanions(std::string_view folderName);

// The kind a name alone says, for files that cannot be examined further (a
// link that loops, a path too long to open): by its extension only.
std::optional<ClippingKind> clippingKindOfName(std::string_view name);

// A clipping file as read: its kind, its property list (or the one its
// resource fork stands for) and its entries.
struct ClippingFile {
    ClippingKind kind;
    // The property list read; its strings have been moved into the entries
    // (a text may be hundreds of megabytes), its data values are all there.
    plist::NodePtr root;
    std::vector<ClipDetail> entries;
    // The size of what it was read from: the file, or when that is empty its
    // resource fork.
    std::uintmax_t storedBytes = 0;
};

// The PDF a picture clipping carries beside its pictures, which are its entries.
std::optional<Bytes> pdfOf(const ClippingFile& clipping);

// The reading's failures say all in their message, the place included, in
// the readers' own words: it is shown as it is. Kind and offset are for
// choosing what to tell a person.
// Reads the clipping at `path`, recognised by its extension or, without one,
// by its companion's Finder type; or says why it is none.
Expected<ClippingFile, ReadError> readClippingFile(const std::string& path);
// The same, for a file whose kind is known: its companion is not looked for again.
Expected<ClippingFile, ReadError> readClippingFile(const std::string& path,
                                                   const ClippingFileKind& kind);

// The start of a text clipping's first text, at most `maxBytes` of it, cut at
// a character: what a preview shows, with no more of any representation
// decoded than that (a text can be hundreds of megabytes). Empty when the
// clipping holds no text.
Expected<std::string, ReadError> readFirstText(const std::string& path, std::size_t maxBytes);

} // namespace scrivlette
