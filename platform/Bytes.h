#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace scrivlette {

// An immutable, shared run of bytes. Slices share the buffer they were cut
// from, so copying or slicing never copies the bytes themselves: a document
// holding a 256 MB representation can be copied freely.
class Bytes {
public:
    Bytes() = default;

    static Bytes copyOf(std::span<const std::uint8_t> bytes);
    static Bytes copyOf(std::string_view text);
    // Takes ownership of a buffer that nobody else writes to any more.
    static Bytes adopt(std::shared_ptr<const std::uint8_t[]> buffer, std::size_t size);
    static Bytes adopt(std::vector<std::uint8_t> bytes);

    const std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::span<const std::uint8_t> span() const { return {data(), size_}; }
    std::string_view view() const { return {reinterpret_cast<const char*>(data()), size_}; }

    // The caller guarantees offset + length <= size().
    Bytes slice(std::size_t offset, std::size_t length) const;

    // True when both were cut from the same buffer, which is how callers
    // check that nothing was copied.
    bool sharesStorageWith(const Bytes& other) const;

    friend bool operator==(const Bytes& a, const Bytes& b) { return a.view() == b.view(); }

private:
    Bytes(std::shared_ptr<const std::uint8_t> data, std::size_t size)
        : data_(std::move(data)), size_(size) {}

    std::shared_ptr<const std::uint8_t> data_;
    std::size_t size_ = 0;
};

} // namespace scrivlette
