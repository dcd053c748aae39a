#include "ClipDescription.h"

#include <array>
#include <utility>

namespace scrivlette {
namespace {

struct Description {
    std::string_view title;
    std::string_view words;
    bool withSize; // binary kinds say how large they are
};

constexpr std::array<Description, 13> descriptions = {{
    {"public.utf8-plain-text", "Plain text, UTF-8", false},
    {"public.utf16-plain-text", "Plain text, UTF-16 little-endian", false},
    {"public.utf16-external-plain-text", "Plain text, UTF-16 with byte-order mark", false},
    {"com.apple.traditional-mac-plain-text", "Plain text, Mac OS Roman", false},
    {"public.rtf", "Rich text (RTF)", false},
    {"public.html", "Web page (HTML)", false},
    {"com.apple.webarchive", "Web archive", true},
    {"com.apple.flat-rtfd", "Rich text with attachments (RTFD)", true},
    {"public.tiff", "TIFF picture", true},
    {"com.apple.pict", "PICT picture", true},
    {"URL", "Web or mail address", false},
    {"public.url", "Web address", false},
    {"public.file-url", "File address", false},
}};

} // namespace

std::string groupedCount(std::size_t count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[at]);
    }
    return grouped;
}

std::string describeClip(const ClipDetail& clip) {
    for (const Description& known : descriptions) {
        if (known.title == clip.title) {
            std::string words(known.words);
            if (known.withSize && clip.data) {
                words += ", " + groupedCount(clip.data->size()) + " bytes";
            }
            return words;
        }
    }
    return clip.data ? "Data, " + groupedCount(clip.data->size()) + " bytes" : "Text";
}

} // namespace scrivlette
