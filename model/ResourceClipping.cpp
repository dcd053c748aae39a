#include "ResourceClipping.h"

#include "formats/fork/AppleDouble.h"
#include "platform/ByteReader.h"
#include "platform/FourCharCode.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <map>

namespace scrivlette {
namespace {

using plist::Node;

constexpr std::int16_t representationId = 256;
constexpr std::size_t dragHeaderSize = 16;
constexpr std::size_t dragItemSize = 16;

struct Mapping {
    std::string_view key;
    std::uint32_t type;
    bool isString;
};

constexpr Mapping mappings[] = {
    {"public.utf8-plain-text", fourCharCode("utf8"), true},
    {"public.utf16-external-plain-text", fourCharCode("utxt"), false},
    {"public.utf16-external-plain-text", fourCharCode("ut16"), false},
    {"com.apple.traditional-mac-plain-text", fourCharCode("TEXT"), false},
    {"public.rtf", fourCharCode("RTF "), true},
    {"public.html", fourCharCode("HTML"), false},
    {"com.apple.webarchive", fourCharCode("weba"), false},
    {"com.apple.pict", fourCharCode("PICT"), false},
};

// Resource text is UTF-8 when it is valid as such, else Mac OS Roman.
std::string resourceText(const Bytes& bytes) {
    auto text = decodeUtf8(bytes.span());
    return text ? std::move(*text) : decodeMacRoman(bytes.span());
}

// One resource per type: id 256 where there is one, else the first.
std::map<std::uint32_t, Bytes> byType(const std::vector<Resource>& resources) {
    std::map<std::uint32_t, Bytes> chosen;
    for (const Resource& resource : resources) {
        if (!chosen.contains(resource.type) || resource.id == representationId) {
            chosen[resource.type] = resource.data;
        }
    }
    return chosen;
}

// The types in the order the 'drag' resource lists them, else in fork order.
std::vector<std::uint32_t> typeOrder(const std::vector<Resource>& resources,
                                     const std::map<std::uint32_t, Bytes>& chosen) {
    std::vector<std::uint32_t> order;
    const auto drag = chosen.find(fourCharCode("drag"));
    if (drag != chosen.end()) {
        const ByteReader items(drag->second.span());
        for (std::size_t at = dragHeaderSize; at + dragItemSize <= items.size();
             at += dragItemSize) {
            const std::uint32_t type = items.u32At(at, "drag item");
            if (chosen.contains(type) &&
                std::find(order.begin(), order.end(), type) == order.end()) {
                order.push_back(type);
            }
        }
    }
    for (const Resource& resource : resources) {
        if (std::find(order.begin(), order.end(), resource.type) == order.end()) {
            order.push_back(resource.type);
        }
    }
    return order;
}

} // namespace

Expected<plist::NodePtr, ReadError>
propertyListFromResources(ClippingKind kind, const std::vector<Resource>& resources) {
    const auto chosen = byType(resources);
    plist::DictionaryBuilder root;
    if (kind == ClippingKind::internetLocation) {
        auto location = chosen.find(fourCharCode("url "));
        if (location == chosen.end()) {
            location = chosen.find(fourCharCode("TEXT"));
        }
        if (location == chosen.end()) {
            return ReadError::of(ErrorKind::Malformed, "no 'url ' resource in the resource fork");
        }
        root.add(Node::makeString("URL"), Node::makeString(resourceText(location->second)));
        return Node::makeDictionary(root.finish());
    }
    plist::DictionaryBuilder representations;
    for (std::uint32_t type : typeOrder(resources, chosen)) {
        const auto mapping = std::find_if(std::begin(mappings), std::end(mappings),
                                          [&](const Mapping& m) { return m.type == type; });
        if (mapping == std::end(mappings)) {
            continue; // 'drag', 'styl', 'icns' and the like carry no representation
        }
        const Bytes& bytes = chosen.at(type);
        representations.add(Node::makeString(std::string(mapping->key)),
                            mapping->isString ? Node::makeString(resourceText(bytes))
                                              : Node::makeData(bytes));
    }
    if (representations.size() == 0) {
        return ReadError::of(ErrorKind::Malformed, "no clipping resources in the resource fork");
    }
    root.add(Node::makeString("UTI-Data"), Node::makeDictionary(representations.finish()));
    return Node::makeDictionary(root.finish());
}

} // namespace scrivlette
