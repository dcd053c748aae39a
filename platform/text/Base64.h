#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette {

// Standard base64 with padding, no line breaks.
std::string encodeBase64(std::span<const std::uint8_t> bytes);

// Decodes base64 as it arrives in pieces, so a large <data> element is never
// held as text. Whitespace anywhere is skipped; anything else outside the
// alphabet, or text after the padding, makes the input invalid.
class Base64Decoder {
public:
    // At most this many characters will be fed: room for what they decode
    // to is set aside (not touched) at once, so the bytes are never moved.
    void expect(std::size_t characters) { out_.reserve(characters / 4 * 3 + 3); }
    bool feed(std::string_view text);
    // Checks the last group. Groups of two or three characters without
    // padding are accepted, as many writers leave it out.
    bool finish();
    std::vector<std::uint8_t> take() {
        out_.resize(length_);
        length_ = 0;
        return std::move(out_);
    }

private:
    std::uint32_t group_ = 0;
    int groupLength_ = 0;
    int padding_ = 0;
    bool closed_ = false;
    std::vector<std::uint8_t> out_; // the first length_ bytes are the decoded ones
    std::size_t length_ = 0;

    void emit(int characters);
    bool feedCharacter(char c);
};

} // namespace scrivlette
