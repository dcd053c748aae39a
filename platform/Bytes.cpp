#include "Bytes.h"

#include <cassert>
#include <cstring>

namespace scrivlette {

Bytes Bytes::copyOf(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return {};
    }
    auto buffer = std::make_shared_for_overwrite<std::uint8_t[]>(bytes.size());
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    return adopt(std::move(buffer), bytes.size());
}

Bytes Bytes::copyOf(std::string_view text) {
    return copyOf({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

Bytes Bytes::adopt(std::shared_ptr<const std::uint8_t[]> buffer, std::size_t size) {
    const std::uint8_t* start = buffer.get();
    return Bytes(std::shared_ptr<const std::uint8_t>(std::move(buffer), start), size);
}

Bytes Bytes::adopt(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) {
        return {};
    }
    auto holder = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    const std::uint8_t* start = holder->data();
    const std::size_t size = holder->size();
    return Bytes(std::shared_ptr<const std::uint8_t>(std::move(holder), start), size);
}

Bytes Bytes::slice(std::size_t offset, std::size_t length) const {
    assert(offset <= size_ && length <= size_ - offset);
    if (length == 0) {
        return {};
    }
    return Bytes(std::shared_ptr<const std::uint8_t>(data_, data_.get() + offset), length);
}

bool Bytes::sharesStorageWith(const Bytes& other) const {
    return !data_.owner_before(other.data_) && !other.data_.owner_before(data_) && data_ != nullptr;
}

} // namespace scrivlette
