#include "ContentType.h"

#include <array>

namespace scrivlette {
namespace {

const std::array<ContentType, 9>& registry() {
    static const std::array<ContentType, 9> types = {{
        {"public.text", "Text", {"txt", "text"}, "text/plain"},
        {"public.rtf", "Rich Text Format", {"rtf"}, "text/rtf"},
        {"public.html", "HTML", {"html", "htm"}, "text/html"},
        {"com.apple.webarchive", "Web Archive", {"webarchive"}, "application/x-webarchive"},
        {"com.apple.rtfd", "Rich Text Format with Attachments", {"rtfd"}, "application/x-rtfd"},
        {"public.tiff", "TIFF Image", {"tiff", "tif"}, "image/tiff"},
        {"com.apple.pict", "PICT Image", {"pict", "pct", "pic"}, "image/x-pict"},
        // What entries convert to, for desktops that open neither PICT nor RTF.
        {"public.png", "PNG image", {"png"}, "image/png"},
        {"public.plain-text", "Plain text", {"txt"}, "text/plain"},
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
