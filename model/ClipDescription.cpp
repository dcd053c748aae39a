#include "ClipDescription.h"

#include "model/Representations.h"

namespace scrivlette {
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
    if (const Representation* known = representation(clip.title);
        known && !known->description.empty()) {
        std::string words(known->description);
        if (known->describedWithSize && clip.data) {
            words += ", " + groupedCount(clip.data->size()) + " bytes";
        }
        return words;
    }
    return clip.data ? "Data, " + groupedCount(clip.data->size()) + " bytes" : "Text";
}

} // namespace scrivlette
