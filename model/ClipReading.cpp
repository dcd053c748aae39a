#include "ClipReading.h"

#include "model/ClipInfo.h"
#include "model/ResourceClipping.h"
#include "platform/Representations.h"
#include "platform/files/FileReading.h"
#include "platform/files/FileType.h"
#include "platform/fork/Companion.h"
#include "platform/plist/PropertyList.h"
#include "platform/text/TextDecoding.h"

#include <array>

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
    return text.value_or("");
}

ClipDetail textEntry(const std::string& key, const Node& value) {
    if (isStringRepresentation(key)) {
        return ClipDetail(key, *value.asString(), std::nullopt, true);
    }
    const Bytes& bytes = *value.asData();
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
        entries.push_back(textEntry(entry.keyString(), *entry.value));
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
Expected<NodePtr, std::string> readResourceForkOf(ClippingKind kind, const std::string& path) {
    std::vector<std::string> looked;
    const Companion companion = findCompanion(path, &looked);
    if (!companion.resourceFork) {
        std::string places;
        for (const std::string& place : looked) {
            places += (places.empty() ? "" : ", ") + place;
        }
        return "and no resource fork beside it (looked for " + places + ")";
    }
    const auto resources = readResourceFork(*companion.resourceFork);
    if (!resources) {
        return "and its resource fork " + companion.resourceForkPath +
               " is unreadable: " + resources.error().describe();
    }
    auto root = propertyListFromResources(kind, *resources);
    if (!root) {
        return "and " + root.error() + " " + companion.resourceForkPath;
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

Expected<std::vector<ClipDetail>, std::string> clipEntries(ClippingKind kind, const Node& root) {
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

Expected<ClippingFile, ReadProblem> readClippingFile(const std::string& path) {
    const auto problem = [](std::string reason, std::optional<ReadError> fault = std::nullopt) {
        return ReadProblem{std::move(reason), std::move(fault)};
    };
    const auto identifier = typeIdentifierOfFile(path);
    if (!identifier) {
        return problem(identifier.error().message);
    }
    std::optional<std::string> type = *identifier;
    if (!type) {
        // Classic Mac OS clippings had no extension; their Finder info says.
        const auto finderInfo = findCompanion(path).finderInfo;
        type = finderInfo ? typeIdentifierForFinderType(finderInfo->fileType) : std::nullopt;
    }
    const auto kind = type ? clippingKindFor(*type) : std::nullopt;
    if (!kind) {
        return problem(type ? "not a clipping file (type " + *type + ")"
                            : std::string("not a clipping file (unknown type)"));
    }
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return problem("cannot read: " + bytes.error().message);
    }
    auto root = plist::parse(*bytes);
    const bool fromResourceFork = !root;
    if (!root) {
        const std::string why = bytes->empty()
                                    ? std::string("empty file")
                                    : "not a property list: " + root.error().describe();
        auto fromFork = readResourceForkOf(*kind, path);
        if (!fromFork) {
            return problem(why + ", " + fromFork.error(),
                           bytes->empty() ? std::nullopt : std::optional(root.error()));
        }
        root = std::move(fromFork).value();
    }
    auto entries = clipEntries(*kind, **root);
    if (!entries) {
        return problem(entries.error());
    }
    if (fromResourceFork && entries->empty()) {
        return problem("the resource fork holds no representation this kind of clipping keeps");
    }
    return ClippingFile{*kind, std::move(root).value(), std::move(entries).value()};
}

ReadOutcome ClipInfo::readClippingWithReason(const Url& url) {
    assertMainThread();
    if (!url.isFileURL()) {
        return {false, "not a file URL"};
    }
    setClippingName(url.lastPathComponent());

    const auto path = url.filePath();
    if (!path) {
        return {false, "not a file on this machine"};
    }
    auto read = readClippingFile(*path);
    if (!read) {
        return {false, read.error().reason, read.error().fault};
    }
    ClippingFile file = std::move(read).value();
    for (ClipDetail& entry : file.entries) {
        appendClipFrom(std::move(entry), url.lastPathComponent());
    }
    return {true, {}};
}

} // namespace scrivlette
