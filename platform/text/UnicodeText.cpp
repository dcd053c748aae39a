#include "UnicodeText.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <utf8proc.h>

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

namespace {

// Steps through text one extended grapheme cluster at a time.
class GraphemeCursor {
public:
    explicit GraphemeCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    std::size_t offset() const { return at_; }

    // Moves past the next cluster. The break before it was settled when the
    // previous cluster ended, so each pair of code points is judged once and
    // the breaking state runs on across clusters.
    void advance() {
        if (atEnd()) {
            return;
        }
        if (asciiCluster()) {
            return;
        }
        utf8proc_int32_t codePoint = 0;
        utf8proc_ssize_t length = decodeNext(codePoint);
        if (length < 0) {
            ++at_; // an invalid byte stands alone
            previous_ = -1;
            state_ = 0;
            return;
        }
        at_ += static_cast<std::size_t>(length);
        previous_ = codePoint;
        while (!atEnd()) {
            length = decodeNext(codePoint);
            if (length < 0 || utf8proc_grapheme_break_stateful(previous_, codePoint, &state_)) {
                return;
            }
            at_ += static_cast<std::size_t>(length);
            previous_ = codePoint;
        }
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    utf8proc_int32_t previous_ = -1;
    utf8proc_int32_t state_ = 0;

    // Two ASCII characters in a row always break, but for CR LF; so an ASCII
    // character followed by one is a cluster of its own, without asking
    // utf8proc. Whatever follows an ASCII character breaks or not by that
    // character alone, so the breaking state can start afresh after it.
    bool asciiCluster() {
        const auto byte = static_cast<unsigned char>(text_[at_]);
        if (byte >= 0x80) {
            return false;
        }
        const bool last = at_ + 1 == text_.size();
        const auto next = last ? 0 : static_cast<unsigned char>(text_[at_ + 1]);
        if (!last && next >= 0x80) {
            return false;
        }
        at_ += byte == '\r' && next == '\n' ? 2 : 1;
        previous_ = text_[at_ - 1];
        state_ = 0;
        return true;
    }

    utf8proc_ssize_t decodeNext(utf8proc_int32_t& codePoint) const {
        return utf8proc_iterate(asUtf8(text_.substr(at_)),
                                static_cast<utf8proc_ssize_t>(text_.size() - at_), &codePoint);
    }
};

} // namespace

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
    for (GraphemeCursor cursor(text); !cursor.atEnd(); cursor.advance()) {
        ++count;
    }
    return count;
}

std::string_view graphemePrefix(std::string_view text, std::size_t count) {
    GraphemeCursor cursor(text);
    for (std::size_t i = 0; i < count && !cursor.atEnd(); ++i) {
        cursor.advance();
    }
    return text.substr(0, cursor.offset());
}

} // namespace scrivlette
