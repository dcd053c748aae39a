#include "Base64.h"

#include <algorithm>
#include <array>

namespace scrivlette {
namespace {

constexpr std::string_view digits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::int8_t, 256> makeAlphabet() {
    std::array<std::int8_t, 256> table{};
    for (auto& entry : table) {
        entry = -1;
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        table[static_cast<unsigned char>(digits[i])] = static_cast<std::int8_t>(i);
    }
    return table;
}

constexpr auto alphabet = makeAlphabet();

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::string encodeBase64(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const std::uint32_t group = (std::uint32_t{bytes[i]} << 16) |
                                    (left > 1 ? std::uint32_t{bytes[i + 1]} << 8 : 0) |
                                    (left > 2 ? bytes[i + 2] : 0);
        out += digits[group >> 18];
        out += digits[(group >> 12) & 63];
        out += left > 1 ? digits[(group >> 6) & 63] : '=';
        out += left > 2 ? digits[group & 63] : '=';
    }
    return out;
}

// Writes the bytes of a group of `characters` base64 digits (2, 3 or 4);
// feed has made room for them.
void Base64Decoder::emit(int characters) {
    const std::uint32_t bits = group_ << (6 * (4 - characters));
    out_[length_++] = static_cast<std::uint8_t>(bits >> 16);
    if (characters >= 3) {
        out_[length_++] = static_cast<std::uint8_t>(bits >> 8);
    }
    if (characters == 4) {
        out_[length_++] = static_cast<std::uint8_t>(bits);
    }
    group_ = 0;
    groupLength_ = 0;
}

bool Base64Decoder::feed(std::string_view text) {
    // Room for all the piece can hold (with the group left from the last
    // one), grown geometrically so a large element is copied a few times at
    // most; the bytes are then written through a pointer.
    const std::size_t needed = length_ + (text.size() + 4) / 4 * 3;
    if (needed > out_.capacity()) {
        out_.reserve(std::max(needed, out_.capacity() * 2));
    }
    if (needed > out_.size()) {
        out_.resize(needed); // only what this piece may write is touched
    }
    std::size_t i = 0;
    // Whole groups of four alphabet characters decode without any checks
    // but the table look-ups; everything else goes the careful way below.
    while (i < text.size()) {
        if (groupLength_ == 0 && padding_ == 0 && !closed_) {
            std::uint8_t* at = out_.data() + length_;
            while (i + 4 <= text.size()) {
                const int a = alphabet[static_cast<unsigned char>(text[i])];
                const int b = alphabet[static_cast<unsigned char>(text[i + 1])];
                const int c = alphabet[static_cast<unsigned char>(text[i + 2])];
                const int d = alphabet[static_cast<unsigned char>(text[i + 3])];
                if ((a | b | c | d) < 0) {
                    break;
                }
                const std::uint32_t bits = std::uint32_t(a) << 18 | std::uint32_t(b) << 12 |
                                           std::uint32_t(c) << 6 | std::uint32_t(d);
                at[0] = static_cast<std::uint8_t>(bits >> 16);
                at[1] = static_cast<std::uint8_t>(bits >> 8);
                at[2] = static_cast<std::uint8_t>(bits);
                at += 3;
                i += 4;
            }
            length_ = std::size_t(at - out_.data());
            if (i >= text.size()) {
                break;
            }
        }
        if (!feedCharacter(text[i++])) {
            return false;
        }
    }
    return true;
}

bool Base64Decoder::feedCharacter(char c) {
    if (isSpace(c)) {
        return true;
    }
    if (c == '=') {
        if (closed_ || groupLength_ < 2) {
            return false;
        }
        ++padding_;
        if (groupLength_ + padding_ == 4) {
            emit(groupLength_);
            closed_ = true;
        }
        return true;
    }
    const std::int8_t value = alphabet[static_cast<unsigned char>(c)];
    if (value < 0 || closed_ || padding_ > 0) {
        return false;
    }
    group_ = (group_ << 6) | static_cast<std::uint32_t>(value);
    if (++groupLength_ == 4) {
        emit(4);
    }
    return true;
}

bool Base64Decoder::finish() {
    if (padding_ > 0 && !closed_) {
        return false;
    }
    if (groupLength_ == 1) {
        return false;
    }
    if (groupLength_ > 1) {
        out_.resize(std::max(out_.size(), length_ + 3));
        emit(groupLength_);
    }
    out_.resize(length_);
    if (out_.capacity() > out_.size() + out_.size() / 4) {
        out_.shrink_to_fit();
    }
    return true;
}

} // namespace scrivlette
