#include "PixMap.h"

#include "formats/pict/PackBits.h"
#include "platform/ReadError.h"
#include "platform/image/Pixels.h"

#include <cstring>
#include <string>

namespace scrivlette::image {

Rect readRect(ByteReader& in) {
    Rect rect;
    rect.top = in.s16("rectangle");
    rect.left = in.s16("rectangle");
    rect.bottom = in.s16("rectangle");
    rect.right = in.s16("rectangle");
    return rect;
}

PixMapHeader readPixMapHeader(ByteReader& in) {
    PixMapHeader header;
    in.skip(2, "pixel map"); // pmVersion
    header.packType = in.u16("pixel map");
    in.skip(12, "pixel map"); // packSize, hRes, vRes
    in.skip(2, "pixel map");  // pixelType
    header.pixelSize = in.u16("pixel map");
    header.componentCount = in.u16("pixel map");
    in.skip(14, "pixel map"); // cmpSize, planeBytes, pmTable, pmReserved
    return header;
}

namespace {

Palette opaqueBlack() {
    Palette palette;
    palette.fill({0, 0, 0, 255});
    return palette;
}

} // namespace

Palette blackAndWhite() {
    Palette palette = opaqueBlack();
    palette[0] = {255, 255, 255, 255};
    palette[1] = {0, 0, 0, 255};
    return palette;
}

Palette readColorTable(ByteReader& in) {
    Palette palette = opaqueBlack();
    in.skip(4, "colour table"); // seed
    const std::uint16_t flags = in.u16("colour table");
    const std::uint16_t last = in.u16("colour table");
    if (last > 255) {
        throw ReadFailure("colour table with " + std::to_string(last + 1) + " entries");
    }
    for (std::uint16_t i = 0; i <= last; ++i) {
        const std::uint16_t value = in.u16("colour table");
        const std::uint8_t r = scale16(in.u16("colour table"));
        const std::uint8_t g = scale16(in.u16("colour table"));
        const std::uint8_t b = scale16(in.u16("colour table"));
        // A device table numbers its entries by position.
        const std::size_t index = (flags & 0x8000) ? i : (value & 0xFF);
        palette[index] = {r, g, b, 255};
    }
    return palette;
}

std::span<const std::uint8_t> RowReader::next() {
    if (!packed_) {
        return in_.take(row_.size(), "pixel data");
    }
    const std::size_t count = countIsWord_ ? in_.u16("pixel data") : in_.u8("pixel data");
    unpackBits(in_.take(count, "pixel data"), row_, unit_);
    return row_;
}

void indexedRow(std::span<const std::uint8_t> bits, std::size_t width, std::size_t depth,
                const Palette& palette, std::uint8_t* out) {
    const std::size_t perByte = 8 / depth;
    const std::uint8_t mask = static_cast<std::uint8_t>((1u << depth) - 1);
    for (std::size_t x = 0; x < width; ++x) {
        const std::size_t shift = 8 - depth * (x % perByte + 1);
        const auto index = static_cast<std::uint8_t>((bits[x / perByte] >> shift) & mask);
        std::memcpy(out + x * 4, palette[index].data(), 4);
    }
}

std::uint16_t directPackType(const PixMapHeader& header, std::size_t rowBytes) {
    const std::uint16_t size = header.pixelSize;
    if (size != 16 && size != 32) {
        throw ReadFailure("direct pixels of " + std::to_string(size) + " bits");
    }
    std::uint16_t packType = header.packType;
    if (packType == 0) {
        packType = size == 16 ? 3 : 4;
    }
    if (rowBytes < 8) {
        packType = 1;
    }
    const bool valid = packType == 1 || (packType == 2 && size == 32) ||
                       (packType == 3 && size == 16) || (packType == 4 && size == 32);
    if (!valid) {
        throw ReadFailure("pack type " + std::to_string(packType) + " for " + std::to_string(size) +
                          "-bit pixels");
    }
    return packType;
}

void directRow(std::span<const std::uint8_t> bytes, std::size_t width, std::uint16_t size,
               std::uint16_t packType, std::size_t components, std::uint8_t* out) {
    for (std::size_t x = 0; x < width; ++x) {
        std::uint8_t* pixel = out + x * 4;
        if (size == 16) {
            rgb555ToRgba(bytes.data() + x * 2, pixel);
        } else if (packType == 1) { // x R G B
            pixel[0] = bytes[x * 4 + 1];
            pixel[1] = bytes[x * 4 + 2];
            pixel[2] = bytes[x * 4 + 3];
            pixel[3] = 255;
        } else if (packType == 2) {
            std::memcpy(pixel, bytes.data() + x * 3, 3);
            pixel[3] = 255;
        } else { // one plane a component: (A) R G B
            // QuickDraw copies pixels and never composites: a fourth plane is
            // carried, not drawn (Photoshop fills it with zeros).
            const std::size_t rgb = components == 4 ? width : 0;
            pixel[0] = bytes[rgb + x];
            pixel[1] = bytes[rgb + width + x];
            pixel[2] = bytes[rgb + 2 * width + x];
            pixel[3] = 255;
        }
    }
}

PatternTile readPatternTile(ByteReader& in) {
    const std::uint16_t rowBytesField = in.u16("pattern");
    const Rect bounds = readRect(in);
    const PixMapHeader header = readPixMapHeader(in);
    const Palette palette = readColorTable(in);
    const std::size_t rowBytes = rowBytesField & 0x3FFF;
    const std::size_t depth = header.pixelSize;
    if (bounds.empty() || bounds.width() > 64 || bounds.height() > 64 ||
        rowBytes * 8 < std::size_t(bounds.width()) * depth ||
        (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16 && depth != 32)) {
        throw ReadFailure("pixel pattern of " + std::to_string(bounds.width()) + " x " +
                          std::to_string(bounds.height()) + " at " + std::to_string(depth) +
                          " bits");
    }
    RowReader rows(in, rowBytes, rowBytes, header.packType != 1);
    PatternTile tile{static_cast<std::uint32_t>(bounds.width()),
                     static_cast<std::uint32_t>(bounds.height()),
                     {}};
    const auto width = std::size_t(bounds.width());
    std::vector<std::uint8_t> rgba(width * 4);
    for (std::int64_t y = 0; y < bounds.height(); ++y) {
        const auto bytes = rows.next();
        if (depth == 16 || depth == 32) {
            directRow(bytes, width, static_cast<std::uint16_t>(depth), 1, 3, rgba.data());
        } else {
            indexedRow(bytes, width, depth, palette, rgba.data());
        }
        for (std::size_t x = 0; x < width; ++x) {
            tile.colours.push_back({rgba[x * 4], rgba[x * 4 + 1], rgba[x * 4 + 2]});
        }
    }
    return tile;
}

} // namespace scrivlette::image
