#include "Url.h"

#include "platform/text/Ascii.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>

namespace scrivlette {
namespace {

// Unreserved characters, sub-delimiters, ':' and '@' are legal in a path.
bool keptInPath(char c) {
    return isAsciiLetter(c) || isAsciiDigit(c) ||
           std::string_view("-._~!$&'()*+,;=:@/").find(c) != std::string_view::npos;
}

} // namespace

std::string percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigitValue(text[i + 1]) >= 0 &&
            hexDigitValue(text[i + 2]) >= 0) {
            out.push_back(
                static_cast<char>(hexDigitValue(text[i + 1]) * 16 + hexDigitValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::optional<Url> Url::fromString(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isAsciiLetter(text[0])) {
        return std::nullopt;
    }
    for (char c : text.substr(0, colon)) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '+' && c != '-' && c != '.') {
            return std::nullopt;
        }
    }
    for (char c : text) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            return std::nullopt;
        }
    }
    if (!isValidUtf8(text)) {
        return std::nullopt;
    }
    return Url(std::string(text), colon);
}

std::optional<Url> Url::fromFilePath(std::string_view path) {
    if (!path.starts_with('/')) {
        return std::nullopt;
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "file://";
    for (char c : path) {
        if (keptInPath(c)) {
            text.push_back(c);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            text += {'%', digits[byte >> 4], digits[byte & 0x0F]};
        }
    }
    return Url(std::move(text), 4);
}

std::optional<Url> Url::fromDataRepresentation(std::span<const std::uint8_t> bytes) {
    return fromString({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::span<const std::uint8_t> Url::dataRepresentation() const {
    return asBytes(text_);
}

std::string_view Url::scheme() const {
    return std::string_view(text_).substr(0, schemeLength_);
}

bool Url::isFileURL() const {
    return equalsIgnoringAsciiCase(scheme(), "file");
}

// The path part: after the authority when there is one, up to '?' or '#'.
std::string_view Url::rawPath() const {
    std::string_view rest = std::string_view(text_).substr(schemeLength_ + 1);
    if (rest.starts_with("//")) {
        const std::size_t slash = rest.find_first_of("/?#", 2);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    return rest.substr(0, rest.find_first_of("?#"));
}

std::optional<std::string> Url::filePath() const {
    if (!isFileURL()) {
        return std::nullopt;
    }
    std::string_view rest = std::string_view(text_).substr(schemeLength_ + 1);
    if (rest.starts_with("//")) {
        const std::string_view host = rest.substr(2, rest.find_first_of("/?#", 2) - 2);
        if (!host.empty() && !equalsIgnoringAsciiCase(host, "localhost")) {
            return std::nullopt;
        }
    }
    std::string path = percentDecode(rawPath());
    // A NUL would cut the path short at the system call.
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return path;
}

std::string Url::lastPathComponent() const {
    std::string_view path = rawPath();
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    if (path == "/") {
        return "/";
    }
    const std::size_t slash = path.rfind('/');
    const std::string_view segment =
        slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string decoded = percentDecode(segment);
    // Undecodable bytes stay visible in their escaped form rather than
    // producing text that is not UTF-8.
    return isValidUtf8(decoded) ? decoded : std::string(segment);
}

} // namespace scrivlette
