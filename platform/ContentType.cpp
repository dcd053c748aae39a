#include "ContentType.h"

#include <array>

namespace scrivlette {
namespace {

const std::array<ContentType, 7>& registry() {
    static const std::array<ContentType, 7> types = {{
        {"public.text", "Text", {"txt", "text"}, "text/plain"},
        {"public.rtf", "Rich Text Format", {"rtf"}, "text/rtf"},
        {"public.html", "HTML", {"html", "htm"}, "text/html"},
        {"com.apple.webarchive", "Web Archive", {"webarchive"}, "application/x-webarchive"},
        {"com.apple.rtfd", "Rich Text Format with Attachments", {"rtfd"}, "application/x-rtfd"},
        {"public.tiff", "TIFF Image", {"tiff", "tif"}, "image/tiff"},
        {"com.apple.pict", "PICT Image", {"pict", "pct", "pic"}, "image/x-pict"},
    }};
    return types;
}

} // namespace

std::optional<ContentType> contentType(std::string_view identifier) {
    for (const ContentType& type : registry()) {
        if (type.identifier == identifier) {
            return type;
        }
    }
    return std::nullopt;
}

} // namespace scrivlette
