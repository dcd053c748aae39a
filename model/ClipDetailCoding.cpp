#include "ClipDetail.h"
#include "platform/text/Base64.h"
#include "platform/text/TextDecoding.h"

#include <array>
#include <nlohmann/json.hpp>

namespace scrivlette {
namespace {

constexpr std::array<std::pair<CodingKeys, std::string_view>, 5> keyNames = {{
    {CodingKeys::id, "id"},
    {CodingKeys::title, "title"},
    {CodingKeys::content, "content"},
    {CodingKeys::data, "data"},
    {CodingKeys::useStringForData, "useStringForData"},
}};

std::string key(CodingKeys codingKey) {
    return std::string(stringValue(codingKey));
}

// Finds a required key of the given JSON type, or says which one is wrong.
const nlohmann::ordered_json* required(const nlohmann::ordered_json& object, CodingKeys codingKey,
                                       nlohmann::ordered_json::value_t type, std::string& problem) {
    const auto found = object.find(key(codingKey));
    if (found == object.end()) {
        problem = "missing key \"" + key(codingKey) + "\"";
        return nullptr;
    }
    if (found->type() != type) {
        problem = "key \"" + key(codingKey) + "\" has the wrong type";
        return nullptr;
    }
    return &*found;
}

} // namespace

std::string_view stringValue(CodingKeys codingKey) {
    return keyNames[static_cast<std::size_t>(codingKey)].second;
}

std::optional<CodingKeys> codingKey(std::string_view name) {
    for (const auto& [codingKey, text] : keyNames) {
        if (text == name) {
            return codingKey;
        }
    }
    return std::nullopt;
}

std::optional<CodingKeys> codingKey(int) {
    return std::nullopt;
}

std::optional<int> intValue(CodingKeys) {
    return std::nullopt;
}

nlohmann::ordered_json encode(const ClipDetail& clip) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object[key(CodingKeys::id)] = clip.id.toString();
    object[key(CodingKeys::title)] = clip.title;
    object[key(CodingKeys::content)] = clip.content;
    if (clip.data) {
        object[key(CodingKeys::data)] = encodeBase64(clip.data->span());
    }
    object[key(CodingKeys::useStringForData)] = clip.useStringForData;
    return object;
}

Expected<ClipDetail, DecodingError> decodeClipDetail(const nlohmann::ordered_json& object) {
    using Type = nlohmann::ordered_json::value_t;
    if (!object.is_object()) {
        return DecodingError{"an entry must be a JSON object"};
    }
    std::string problem;
    const auto* id = required(object, CodingKeys::id, Type::string, problem);
    const auto* title = id ? required(object, CodingKeys::title, Type::string, problem) : nullptr;
    const auto* content =
        title ? required(object, CodingKeys::content, Type::string, problem) : nullptr;
    if (!content) {
        return DecodingError{problem};
    }
    const auto uuid = Uuid::parse(id->get_ref<const std::string&>());
    if (!uuid) {
        return DecodingError{"key \"id\" is not a UUID"};
    }
    std::optional<Bytes> data;
    const auto stored = object.find(key(CodingKeys::data));
    if (stored != object.end() && !stored->is_null()) {
        if (!stored->is_string()) {
            return DecodingError{"key \"data\" has the wrong type"};
        }
        Base64Decoder decoder;
        if (!decoder.feed(stored->get_ref<const std::string&>()) || !decoder.finish()) {
            return DecodingError{"key \"data\" is not base64"};
        }
        data = Bytes::adopt(decoder.take());
    }
    const auto* flag = required(object, CodingKeys::useStringForData, Type::boolean, problem);
    if (!flag) {
        return DecodingError{problem};
    }
    return ClipDetail::restored(*uuid, title->get<std::string>(), content->get<std::string>(),
                                std::move(data), flag->get<bool>());
}

} // namespace scrivlette
