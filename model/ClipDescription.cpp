#include "ClipDescription.h"

#include "model/Representations.h"
#include "platform/Translatable.h"

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

ClipWords describeClip(const ClipDetail& clip) {
    std::optional<std::size_t> bytes;
    if (clip.data) {
        bytes = clip.data->size();
    }
    if (const Representation* known = representation(clip.title);
        known && !known->description.empty()) {
        // The table's words are literals, so their ends are marked.
        return {known->description.data(), known->describedWithSize ? bytes : std::nullopt};
    }
    return bytes ? ClipWords{translatable("Representation", "Data"), bytes}
                 : ClipWords{translatable("Representation", "Text"), std::nullopt};
}

} // namespace scrivlette
