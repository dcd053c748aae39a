#include "ClipDetail.h"

#include "platform/text/UnicodeText.h"

namespace scrivlette {

ClipDetail::ClipDetail(std::string titleText, std::string contentText, std::optional<Bytes> bytes,
                       bool useString)
    : id(Uuid::random()), title(std::move(titleText)), content(std::move(contentText)),
      data(std::move(bytes)), useStringForData(useString) {}

ClipDetail ClipDetail::restored(Uuid id, std::string title, std::string content,
                                std::optional<Bytes> data, bool useStringForData) {
    ClipDetail clip(std::move(title), std::move(content), std::move(data), useStringForData);
    clip.id = id;
    return clip;
}

bool operator==(const ClipDetail& a, const ClipDetail& b) {
    return a.id == b.id && canonicallyEqual(a.title, b.title) &&
           canonicallyEqual(a.content, b.content) && a.data == b.data &&
           a.useStringForData == b.useStringForData;
}

std::string sizePlaceholder(std::size_t byteCount) {
    return "[data size: " + std::to_string(byteCount) + "]";
}

} // namespace scrivlette

namespace {

void combine(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
}

} // namespace

std::size_t
std::hash<scrivlette::ClipDetail>::operator()(const scrivlette::ClipDetail& clip) const noexcept {
    std::size_t seed = std::hash<scrivlette::Uuid>{}(clip.id);
    combine(seed, scrivlette::canonicalHash(clip.title));
    combine(seed, scrivlette::canonicalHash(clip.content));
    combine(seed, clip.data ? 1 : 0);
    if (clip.data) {
        combine(seed, std::hash<std::string_view>{}(clip.data->view()));
    }
    combine(seed, clip.useStringForData ? 1 : 0);
    return seed;
}
