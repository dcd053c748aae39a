#include "ContentType.h"

#include "platform/Translatable.h"

#include <array>

namespace scrivlette {
namespace {

const std::array<ContentType, 9>& registry() {
    static const std::array<ContentType, 9> types = {{
        {"public.text", translatable("ContentType", "Text"), {"txt", "text"}, "text/plain"},
        {"public.rtf", translatable("ContentType", "Rich Text Format"), {"rtf"}, "text/rtf"},
        {"public.html", translatable("ContentType", "HTML"), {"html", "htm"}, "text/html"},
        {"com.apple.webarchive",
         translatable("ContentType", "Web Archive"),
         {"webarchive"},
         "application/x-webarchive"},
        {"com.apple.rtfd",
         translatable("ContentType", "Rich Text Format with Attachments"),
         {"rtfd"},
         "application/x-rtfd"},
        {"public.tiff", translatable("ContentType", "TIFF Image"), {"tiff", "tif"}, "image/tiff"},
        {"com.apple.pict",
         translatable("ContentType", "PICT Image"),
         {"pict", "pct", "pic"},
         "image/x-pict"},
        // What entries convert to, for desktops that open neither PICT nor RTF.
        {"public.png", translatable("ContentType", "PNG image"), {"png"}, "image/png"},
        {"public.plain-text", translatable("ContentType", "Plain text"), {"txt"}, "text/plain"},
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
