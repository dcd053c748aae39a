#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette {

// What the save panel needs to know of a uniform type identifier.
struct ContentType {
    std::string identifier;
    std::string description;
    std::vector<std::string> extensions; // the first is the preferred one
    std::string mimeType;

    friend bool operator==(const ContentType&, const ContentType&) = default;
};

// The types the writer offers; nothing for an identifier the registry does
// not know. Identifiers compare as whole, case-sensitive strings.
std::optional<ContentType> contentType(std::string_view identifier);

} // namespace scrivlette
