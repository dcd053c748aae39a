#include "PackBits.h"

#include "platform/ByteReader.h"
#include "platform/image/Budget.h"

#include <algorithm>
#include <cstring>

namespace scrivlette::image {

void unpackBits(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out,
                std::size_t unit) {
    std::size_t in = 0;
    std::size_t written = 0;
    while (written < out.size()) {
        if (in >= packed.size()) {
            throw ReadFailure("packed row cut short");
        }
        const auto flag = static_cast<std::int8_t>(packed[in++]);
        if (flag == -128) {
            continue; // a no-op by definition
        }
        const std::size_t units = flag >= 0 ? std::size_t(flag) + 1 : std::size_t(1 - flag);
        const std::size_t length = units * unit;
        if (length > out.size() - written) {
            throw ReadFailure("packed row longer than its bounds");
        }
        if (flag >= 0) {
            if (length > packed.size() - in) {
                throw ReadFailure("packed row cut short");
            }
            std::memcpy(out.data() + written, packed.data() + in, length);
            in += length;
        } else {
            if (unit > packed.size() - in) {
                throw ReadFailure("packed row cut short");
            }
            for (std::size_t i = 0; i < units; ++i) {
                std::memcpy(out.data() + written + i * unit, packed.data() + in, unit);
            }
            in += unit;
        }
        written += length;
    }
}

} // namespace scrivlette::image
