#include "UnicodeText.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace scrivlette {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const utf8proc_uint8_t* asUtf8(std::string_view text) {
    return reinterpret_cast<const utf8proc_uint8_t*>(text.data());
}

} // namespace

std::optional<std::string> canonicalDecomposition(std::string_view text) {
    utf8proc_uint8_t* decomposed = nullptr;
    const utf8proc_ssize_t length =
        utf8proc_map(asUtf8(text), static_cast<utf8proc_ssize_t>(text.size()), &decomposed,
                     static_cast<utf8proc_option_t>(UTF8PROC_DECOMPOSE));
    if (length < 0) {
        return std::nullopt;
    }
    std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owner(decomposed, &std::free);
    return std::string(reinterpret_cast<const char*>(decomposed), static_cast<std::size_t>(length));
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    // ASCII is its own decomposition, so two ASCII texts differ for good.
    if (isAscii(a) && isAscii(b)) {
        return false;
    }
    const auto left = canonicalDecomposition(a);
    const auto right = canonicalDecomposition(b);
    return left && right && *left == *right;
}

std::size_t canonicalHash(std::string_view text) {
    if (isAscii(text)) {
        return std::hash<std::string_view>{}(text);
    }
    const auto decomposed = canonicalDecomposition(text);
    return std::hash<std::string_view>{}(decomposed ? std::string_view(*decomposed) : text);
}

std::size_t graphemeCount(std::string_view text) {
    if (isAscii(text)) {
        // Only CR LF joins two ASCII characters into one cluster.
        std::size_t count = text.size();
        for (std::size_t i = 1; i < text.size(); ++i) {
            count -= text[i - 1] == '\r' && text[i] == '\n';
        }
        return count;
    }
    std::size_t count = 0;
    utf8proc_int32_t state = 0;
    utf8proc_int32_t previous = -1;
    const auto* p = asUtf8(text);
    auto remaining = static_cast<utf8proc_ssize_t>(text.size());
    while (remaining > 0) {
        utf8proc_int32_t codePoint = 0;
        utf8proc_ssize_t length = utf8proc_iterate(p, remaining, &codePoint);
        if (length < 0) {
            ++count;
            previous = -1;
            state = 0;
            length = 1;
        } else if (previous < 0 || utf8proc_grapheme_break_stateful(previous, codePoint, &state)) {
            ++count;
            previous = codePoint;
        } else {
            previous = codePoint;
        }
        p += length;
        remaining -= length;
    }
    return count;
}

} // namespace scrivlette
