#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace scrivlette {

// An absolute URL with a scheme. File URLs are made from and turned back into
// paths with percent-encoding.
class Url {
public:
    // Nothing when `text` is empty, has no valid scheme, or holds characters a
    // URL cannot (spaces, control characters, invalid UTF-8).
    static std::optional<Url> fromString(std::string_view text);
    // `path` must be absolute; every byte outside the path alphabet is encoded.
    static std::optional<Url> fromFilePath(std::string_view path);
    // The data representation of a URL is the UTF-8 of its absolute string.
    static std::optional<Url> fromDataRepresentation(std::span<const std::uint8_t> bytes);

    const std::string& absoluteString() const { return text_; }
    std::span<const std::uint8_t> dataRepresentation() const;
    std::string_view scheme() const;
    bool isFileURL() const;
    // The decoded path of a file URL on this machine (host empty or "localhost").
    std::optional<std::string> filePath() const;
    // The percent-decoded last segment of the path, as Foundation gives it:
    // "/" for the root, the segment before a trailing slash otherwise.
    std::string lastPathComponent() const;

    friend bool operator==(const Url&, const Url&) = default;

private:
    explicit Url(std::string text, std::size_t schemeLength)
        : text_(std::move(text)), schemeLength_(schemeLength) {}
    std::string_view rawPath() const;

    std::string text_;
    std::size_t schemeLength_ = 0;
};

// Decodes %XX escapes; a '%' not followed by two hex digits is kept as is.
std::string percentDecode(std::string_view text);

} // namespace scrivlette
