#include "ClipReading.h"

#include "formats/fork/Companion.h"
#include "formats/plist/PropertyList.h"
#include "model/ClipInfo.h"
#include "model/Representations.h"
#include "model/ResourceClipping.h"
#include "platform/files/FileReading.h"
#include "platform/files/FileType.h"
#include "platform/text/TextDecoding.h"

#include <array>
#include <filesystem>
#include <sys/stat.h>

namespace scrivlette {
namespace {

using plist::Dictionary;
using plist::Node;
using plist::NodePtr;

constexpr std::array<std::pair<std::string_view, ClippingKind>, 4> acceptedKinds = {{
    {"com.apple.finder.textclipping", ClippingKind::text},
    {"com.apple.web-internet-location", ClippingKind::internetLocation},
    {"com.apple.mail-internet-location", ClippingKind::internetLocation},
    {"com.apple.finder.pictclipping", ClippingKind::picture},
}};

bool isStringRepresentation(std::string_view key) {
    const Representation* known = representation(key);
    return known && known->text == StoredText::string;
}

bool isPictureRepresentation(std::string_view key) {
    const Representation* known = representation(key);
    return known && known->keptInPictureClippings;
}

// Decoded text, or "" where the bytes are not valid in the encoding.
std::optional<std::string> decodedText(std::string_view key, const Bytes& bytes) {
    const Representation* known = representation(key);
    std::optional<std::string> text;
    switch (known ? known->text : StoredText::none) {
    case StoredText::utf8:
        text = decodeUtf8(bytes.span());
        break;
    case StoredText::utf16:
        text = decodeUtf16(bytes.span());
        break;
    case StoredText::utf16LittleEndian:
        text = decodeUtf16LittleEndian(bytes.span());
        break;
    case StoredText::macRoman:
        text = decodeMacRoman(bytes.span());
        break;
    case StoredText::none:
    case StoredText::string:
        return std::nullopt;
    }
    return text ? std::move(*text) : std::string(); // moved: a text can be huge
}

ClipDetail textEntry(const std::string& key, const NodePtr& value) {
    if (isStringRepresentation(key)) {
        return ClipDetail(key, plist::takeString(value), std::nullopt, true);
    }
    const Bytes& bytes = *value->asData();
    if (auto text = decodedText(key, bytes)) {
        return ClipDetail(key, std::move(*text), bytes, true);
    }
    return ClipDetail(key, sizePlaceholder(bytes.size()), bytes, false);
}

Expected<const Dictionary*, std::string> representations(const Dictionary& root) {
    const Node* value = root.find("UTI-Data");
    if (!value) {
        return std::string("no \"UTI-Data\" dictionary");
    }
    const Dictionary* dictionary = value->asDictionary();
    if (!dictionary) {
        return std::string("\"UTI-Data\" is a ") + plist::kindName(value->kind()) +
               ", not a dictionary";
    }
    if (dictionary->empty()) {
        return std::string("empty \"UTI-Data\" dictionary");
    }
    return dictionary;
}

std::string mistyped(const std::string& key, plist::Kind expected, const Node& value) {
    return "\"" + key + "\" is a " + plist::kindName(value.kind()) + ", not " +
           plist::kindName(expected);
}

Expected<std::vector<ClipDetail>, std::string> locationEntries(const Dictionary& root) {
    const Node* value = root.find(locationKey);
    if (!value) {
        return std::string("no \"URL\" string");
    }
    if (!value->asString()) {
        return mistyped(std::string(locationKey), plist::Kind::String, *value);
    }
    if (value->asString()->empty()) {
        return std::string("empty URL");
    }
    return std::vector<ClipDetail>{
        ClipDetail(std::string(locationKey), *value->asString(), std::nullopt, true)};
}

Expected<std::vector<ClipDetail>, std::string> textEntries(const Dictionary& reps) {
    for (const auto& entry : reps.entries()) {
        const bool wantsString = isStringRepresentation(entry.keyString());
        const plist::Kind expected = wantsString ? plist::Kind::String : plist::Kind::Data;
        if (entry.value->kind() != expected) {
            return mistyped(entry.keyString(), expected, *entry.value);
        }
    }
    std::vector<ClipDetail> entries;
    entries.reserve(reps.size());
    for (const auto& entry : reps.entries()) {
        entries.push_back(textEntry(entry.keyString(), entry.value));
    }
    return entries;
}

Expected<std::vector<ClipDetail>, std::string> pictureEntries(const Dictionary& reps) {
    std::vector<ClipDetail> entries;
    for (const auto& entry : reps.entries()) {
        if (!isPictureRepresentation(entry.keyString())) {
            continue;
        }
        const Bytes* bytes = entry.value->asData();
        if (!bytes) {
            return mistyped(entry.keyString(), plist::Kind::Data, *entry.value);
        }
        entries.emplace_back(entry.keyString(), sizePlaceholder(bytes->size()), *bytes, false);
    }
    return entries;
}

// An old clipping's representations, from the resource fork that travels
// beside it, as the property list a newer clipping would hold.
Expected<NodePtr, std::string> readResourceForkOf(ClippingKind kind, const std::string& path,
                                                  std::optional<Companion> found,
                                                  std::uintmax_t& forkBytes) {
    std::vector<std::string> looked;
    const Companion companion = found ? std::move(*found) : findCompanion(path, &looked);
    if (!companion.resourceFork) {
        if (looked.empty()) {
            findCompanion(path, &looked); // only to say where it looked
        }
        std::string places;
        for (const std::string& place : looked) {
            places += (places.empty() ? "" : ", ") + place;
        }
        return "and no resource fork beside it (looked for " + places + ")";
    }
    forkBytes = companion.resourceFork->size();
    const auto resources = readResourceFork(*companion.resourceFork);
    if (!resources) {
        return "and its resource fork " + companion.resourceForkPath +
               " is unreadable: " + resources.error().describe();
    }
    auto root = propertyListFromResources(kind, *resources);
    if (!root) {
        return "and " + root.error().message + " " + companion.resourceForkPath;
    }
    return std::move(root).value();
}

} // namespace

std::optional<ClippingKind> clippingKindFor(std::string_view typeIdentifier) {
    for (const auto& [identifier, kind] : acceptedKinds) {
        if (identifier == typeIdentifier) {
            return kind;
        }
    }
    return std::nullopt;
}

namespace {

Expected<std::vector<ClipDetail>, std::string> entriesOf(ClippingKind kind, const Node& root) {
    const Dictionary* dictionary = root.asDictionary();
    if (!dictionary) {
        return std::string("the property list holds a ") + plist::kindName(root.kind()) +
               ", not a dictionary";
    }
    if (dictionary->empty()) {
        return std::string("empty property list");
    }
    if (kind == ClippingKind::internetLocation) {
        return locationEntries(*dictionary);
    }
    const auto reps = representations(*dictionary);
    if (!reps) {
        return reps.error();
    }
    return kind == ClippingKind::text ? textEntries(**reps) : pictureEntries(**reps);
}

} // namespace

Expected<std::vector<ClipDetail>, ReadError> clipEntries(ClippingKind kind, const Node& root) {
    auto entries = entriesOf(kind, root);
    if (!entries) {
        return ReadError::of(ErrorKind::Malformed, entries.error());
    }
    return std::move(entries).value();
}

namespace {

struct ClippingTree {
    ClippingKind kind;
    NodePtr root;
    bool fromResourceFork = false;
    std::uintmax_t storedBytes = 0;
};

// The kind of clipping the file's name says, or without a known extension
// its companion's Finder type (classic Mac OS clippings had no extension).
Expected<ClippingFileKind, ReadError> kindByType(const std::string& path) {
    const auto identifier = typeIdentifierOfFile(path);
    if (!identifier) {
        return ReadError::of(kindOf(identifier.error()), identifier.error().message);
    }
    std::optional<std::string> type = *identifier;
    std::optional<Companion> companion;
    if (!type) {
        companion = findCompanion(path);
        const auto& finderInfo = companion->finderInfo;
        type = finderInfo ? typeIdentifierForFinderType(finderInfo->fileType) : std::nullopt;
    }
    const auto kind = type ? clippingKindFor(*type) : std::nullopt;
    if (!kind) {
        return ReadError::of(ErrorKind::NotAClipping,
                             type ? "not a clipping file (type " + *type + ")"
                                  : std::string("not a clipping file (unknown type)"));
    }
    return ClippingFileKind{*kind, std::move(companion)};
}

// Companions carry an old clipping's fork; they are never clippings themselves.
bool isCompanion(const std::filesystem::path& path) {
    if (isCompanionName(path.filename().string())) {
        return true;
    }
    for (const auto& part : path.parent_path()) {
        if (isCompanionFolder(part.string())) {
            return true;
        }
    }
    return false;
}

// The property list of the clipping at `path` (or the one its resource fork
// stands for).
Expected<ClippingTree, ReadError> readClippingTree(const std::string& path,
                                                   ClippingFileKind found) {
    const ClippingKind* kind = &found.kind;
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return ReadError::of(kindOf(bytes.error()), "cannot read: " + bytes.error().message);
    }
    auto root = plist::parse(*bytes);
    if (root) {
        return ClippingTree{*kind, std::move(root).value(), false, bytes->size()};
    }
    const std::string why = bytes->empty() ? std::string("empty file")
                                           : "not a property list: " + root.error().describe();
    std::uintmax_t forkBytes = 0;
    auto fromFork = readResourceForkOf(*kind, path, std::move(found.companion), forkBytes);
    if (!fromFork) {
        // Where the bytes went wrong, when there are bytes: the fork was only
        // the fallback.
        ReadError error = bytes->empty() ? ReadError::of(ErrorKind::Empty, {}) : root.error();
        error.message = why + ", " + fromFork.error();
        return error;
    }
    return ClippingTree{*kind, std::move(fromFork).value(), true,
                        bytes->empty() ? forkBytes : bytes->size()};
}

Expected<ClippingTree, ReadError> readClippingTree(const std::string& path) {
    auto kind = kindByType(path);
    if (!kind) {
        return kind.error();
    }
    return readClippingTree(path, std::move(kind).value());
}

// The bytes of a text representation that can make `maxBytes` of UTF-8
// (a character is at most four bytes in any of its encodings), ending on a
// character of the encoding.
std::span<const std::uint8_t> textPrefix(std::string_view key, std::span<const std::uint8_t> bytes,
                                         std::size_t maxBytes) {
    const Representation* known = representation(key);
    const bool wide =
        known && (known->text == StoredText::utf16 || known->text == StoredText::utf16LittleEndian);
    const std::size_t unit = wide ? 2 : 1;
    std::size_t length = std::min(bytes.size(), (maxBytes + 2) * unit + 2) / unit * unit;
    if (length == bytes.size()) {
        return bytes;
    }
    if (wide && length >= 2) {
        // Not in the middle of a surrogate pair, whichever the byte order.
        const bool little = known->text == StoredText::utf16LittleEndian ||
                            (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE);
        const std::uint8_t high = little ? bytes[length - 1] : bytes[length - 2];
        length -= (high & 0xFC) == 0xD8 ? 2 : 0;
    } else if (known && known->text == StoredText::utf8) {
        while (length > 0 && (bytes[length] & 0xC0) == 0x80) {
            --length;
        }
    }
    return bytes.subspan(0, length);
}

} // namespace

std::optional<ClippingFileKind> clippingKind(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || isCompanion(path)) {
        return std::nullopt;
    }
    auto kind = kindByType(path);
    return kind ? std::optional(std::move(kind).value()) : std::nullopt;
}

std::optional<Bytes> pdfOf(const ClippingFile& clipping) {
    const Dictionary* top = clipping.root ? clipping.root->asDictionary() : nullptr;
    const Node* data = top ? top->find("UTI-Data") : nullptr;
    const Dictionary* stored = data ? data->asDictionary() : nullptr;
    const Node* pdf = stored ? stored->find("com.adobe.pdf") : nullptr;
    return pdf && pdf->asData() ? std::optional(*pdf->asData()) : std::nullopt;
}

bool holdsOnlyCompanions(std::string_view folderName) {
    return isCompanionFolder(folderName);
}

std::optional<ClippingKind> clippingKindOfName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (isCompanionName(name) || dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    const auto identifier = typeIdentifierForExtension(name.substr(dot + 1));
    return identifier ? clippingKindFor(*identifier) : std::nullopt;
}

Expected<ClippingFile, ReadError> readClippingFile(const std::string& path) {
    auto kind = kindByType(path);
    if (!kind) {
        return kind.error();
    }
    return readClippingFile(path, *kind);
}

Expected<ClippingFile, ReadError> readClippingFile(const std::string& path,
                                                   const ClippingFileKind& kind) {
    auto tree = readClippingTree(path, kind);
    if (!tree) {
        return tree.error();
    }
    auto entries = clipEntries(tree->kind, *tree->root);
    if (!entries) {
        return entries.error();
    }
    if (tree->fromResourceFork && entries->empty()) {
        return ReadError::of(
            ErrorKind::Malformed,
            "the resource fork holds no representation this kind of clipping keeps");
    }
    return ClippingFile{tree->kind, std::move(tree->root), std::move(entries).value(),
                        tree->storedBytes};
}

Expected<std::string, ReadError> readFirstText(const std::string& path, std::size_t maxBytes) {
    auto tree = readClippingTree(path);
    if (!tree) {
        return tree.error();
    }
    if (tree->kind != ClippingKind::text) {
        return ReadError::of(ErrorKind::NotAClipping, "not a text clipping");
    }
    const Dictionary* root = tree->root->asDictionary();
    const auto reps =
        root ? representations(*root)
             : Expected<const Dictionary*, std::string>(std::string("not a dictionary"));
    if (!reps) {
        return ReadError::of(ErrorKind::Malformed, reps.error());
    }
    for (const auto& entry : (*reps)->entries()) {
        const std::string& key = entry.keyString();
        std::optional<std::string> text;
        if (const std::string* string = entry.value->asString();
            string && isStringRepresentation(key)) {
            text = std::string(utf8Prefix(*string, maxBytes));
        } else if (const Bytes* bytes = entry.value->asData();
                   bytes && !isStringRepresentation(key)) {
            const auto prefix = textPrefix(key, bytes->span(), maxBytes);
            text = decodedText(key, Bytes::copyOf(prefix));
        }
        if (text && !text->empty()) {
            return std::string(utf8Prefix(*text, maxBytes));
        }
    }
    return std::string();
}

std::optional<ReadError> ClipInfo::readClippingWithReason(const Url& url) {
    assertMainThread();
    if (!url.isFileURL()) {
        return ReadError::of(ErrorKind::NotLocal, "not a file URL");
    }
    setClippingName(url.lastPathComponent());

    const auto path = url.filePath();
    if (!path) {
        return ReadError::of(ErrorKind::NotLocal, "not a file on this machine");
    }
    auto read = readClippingFile(*path);
    if (!read) {
        return read.error();
    }
    ClippingFile file = std::move(read).value();
    for (ClipDetail& entry : file.entries) {
        appendClipFrom(std::move(entry), *path);
    }
    return std::nullopt;
}

} // namespace scrivlette
