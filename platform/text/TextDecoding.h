#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace scrivlette {

// Decoders behave as current macOS Foundation does for the same encodings.
// Each returns UTF-8 text, or nothing when the bytes are not valid.

// Invalid sequences fail; a leading byte-order mark is dropped.
std::optional<std::string> decodeUtf8(std::span<const std::uint8_t> bytes);

// A leading FF FE means little-endian and FE FF big-endian, and the mark is
// dropped; without one the bytes are big-endian. A trailing odd byte is
// ignored; an unpaired surrogate fails.
std::optional<std::string> decodeUtf16(std::span<const std::uint8_t> bytes);

// A leading FF FE is dropped; otherwise as decodeUtf16 but little-endian.
std::optional<std::string> decodeUtf16LittleEndian(std::span<const std::uint8_t> bytes);

// Never fails: every byte has a character.
std::string decodeMacRoman(std::span<const std::uint8_t> bytes);

// Big-endian UTF-16 with no byte-order handling at all, as binary property
// lists store it. An unpaired surrogate fails.
std::optional<std::string> decodeUtf16BigEndianStrict(std::span<const std::uint8_t> bytes);

bool isValidUtf8(std::string_view text);
// The length of the valid UTF-8 sequence `text` starts with, or 0.
std::size_t utf8SequenceLength(std::string_view text);
// At most `maxBytes` of UTF-8 `text`, cut where a character starts.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);
// `text` with every byte that is not part of valid UTF-8 as U+FFFD.
std::string validUtf8(std::string_view text);
void appendUtf8(std::string& out, char32_t codePoint);

inline std::span<const std::uint8_t> asBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace scrivlette
