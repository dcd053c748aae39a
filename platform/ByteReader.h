#pragma once

#include "platform/ReadError.h"

#include <cstdint>
#include <span>
#include <string>

namespace scrivlette {

enum class Endian { big, little };

// Reads integers from a file's bytes, in order or at given offsets, never
// past the end: a read that would is a ReadFailure (Truncated) at the offset
// it started from, counted from `base` (where these bytes lie in the file).
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, Endian endian = Endian::big,
                        std::size_t base = 0)
        : bytes_(bytes), endian_(endian), base_(base) {}

    std::size_t position() const { return at_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - at_; }
    bool atEnd() const { return at_ >= bytes_.size(); }
    // Where the next read starts, in the whole file.
    std::size_t fileOffset() const { return base_ + at_; }

    std::span<const std::uint8_t> take(std::size_t count, const char* what) {
        const auto piece = slice(at_, count, what);
        at_ += count;
        return piece;
    }
    // A reader of the next `count` bytes, which keeps counting file offsets.
    ByteReader sub(std::size_t count, const char* what) {
        const std::size_t start = fileOffset();
        return ByteReader(take(count, what), endian_, start);
    }
    void skip(std::size_t count, const char* what) { take(count, what); }
    std::uint8_t u8(const char* what) { return take(1, what)[0]; }
    std::uint16_t u16(const char* what) { return static_cast<std::uint16_t>(number(2, what)); }
    std::int16_t s16(const char* what) { return static_cast<std::int16_t>(u16(what)); }
    std::uint32_t u32(const char* what) { return static_cast<std::uint32_t>(number(4, what)); }
    void alignToWord() {
        if (at_ % 2 != 0 && at_ < bytes_.size()) {
            ++at_;
        }
    }

    // Reads at `offset`, leaving the position alone.
    std::span<const std::uint8_t> slice(std::size_t offset, std::size_t count,
                                        const char* what) const {
        if (offset > bytes_.size() || count > bytes_.size() - offset) {
            throw ReadFailure(
                ReadError{ErrorKind::Truncated, base_ + offset, std::string(what) + " cut short"});
        }
        return bytes_.subspan(offset, count);
    }
    std::uint16_t u16At(std::size_t offset, const char* what) const {
        return static_cast<std::uint16_t>(numberAt(offset, 2, what));
    }
    std::uint32_t u32At(std::size_t offset, const char* what) const {
        return static_cast<std::uint32_t>(numberAt(offset, 4, what));
    }
    // An unsigned number of `width` bytes, one to eight.
    std::uint64_t numberAt(std::size_t offset, std::size_t width, const char* what) const {
        const auto p = slice(offset, width, what);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t index = endian_ == Endian::big ? i : width - 1 - i;
            value = value << 8 | p[index];
        }
        return value;
    }

private:
    std::uint64_t number(std::size_t width, const char* what) {
        const std::uint64_t value = numberAt(at_, width, what);
        at_ += width;
        return value;
    }
    std::span<const std::uint8_t> bytes_;
    Endian endian_;
    std::size_t base_;
    std::size_t at_ = 0;
};

} // namespace scrivlette
