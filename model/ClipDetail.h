#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/Uuid.h"

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlette {

// One representation of a clipping: its type identifier, its text (or the
// size placeholder), its bytes when it has them, and whether the text is the
// representation's own. A plain value: copies share the bytes, never copy them.
struct ClipDetail {
    // Every new entry gets a fresh identity, so two entries made from the same
    // representation are still two rows.
    ClipDetail(std::string title, std::string content, std::optional<Bytes> data,
               bool useStringForData);

    // An entry as it was stored, keeping its identity.
    static ClipDetail restored(Uuid id, std::string title, std::string content,
                               std::optional<Bytes> data, bool useStringForData);

    Uuid id;
    std::string title;
    std::string content;
    std::optional<Bytes> data; // absent differs from present and empty
    bool useStringForData = false;

    // Field by field; titles and content compare as Unicode text.
    friend bool operator==(const ClipDetail& a, const ClipDetail& b);
};

// The entry's plain-text export, for copy and drag: its content.
inline const std::string& plainText(const ClipDetail& clip) {
    return clip.content;
}

// "[data size: N]"
std::string sizePlaceholder(std::size_t byteCount);

enum class CodingKeys { id, title, content, data, useStringForData };

std::string_view stringValue(CodingKeys key);
// Only the exact five names make a key.
std::optional<CodingKeys> codingKey(std::string_view name);
// Keys have no integer values: this never makes one.
std::optional<CodingKeys> codingKey(int value);
std::optional<int> intValue(CodingKeys key);

struct DecodingError {
    std::string message;
};

nlohmann::ordered_json encode(const ClipDetail& clip);
Expected<ClipDetail, DecodingError> decodeClipDetail(const nlohmann::ordered_json& object);

} // namespace scrivlette

template <> struct std::hash<scrivlette::ClipDetail> {
    std::size_t operator()(const scrivlette::ClipDetail& clip) const noexcept;
};
