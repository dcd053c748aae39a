#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace scrivlette::image {

// A decoder's fault in its input. Thrown inside a decoder and turned into a
// reason at its boundary, so no check can be forgotten between the two.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture that asks for more work or memory than it may have: refused
// whole, even after parts of it were drawn.
class BudgetExceeded : public DecodeError {
public:
    using DecodeError::DecodeError;
};

// Reads big-endian values, never past the end of its bytes.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return at_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - at_; }
    bool atEnd() const { return at_ >= bytes_.size(); }

    std::span<const std::uint8_t> take(std::size_t count, const char* what) {
        if (count > remaining()) {
            throw DecodeError(std::string(what) + " cut short");
        }
        const auto piece = bytes_.subspan(at_, count);
        at_ += count;
        return piece;
    }
    void skip(std::size_t count, const char* what) { take(count, what); }
    std::uint8_t u8(const char* what) { return take(1, what)[0]; }
    std::uint16_t u16(const char* what) {
        const auto p = take(2, what);
        return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
    }
    std::int16_t s16(const char* what) { return static_cast<std::int16_t>(u16(what)); }
    std::uint32_t u32(const char* what) {
        const auto p = take(4, what);
        return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
               p[3];
    }
    void alignToWord() {
        if (at_ % 2 != 0 && at_ < bytes_.size()) {
            ++at_;
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace scrivlette::image
