#pragma once

// QuickDraw's stored pixels: bitmaps and pixel maps as PICT opcodes and
// pixel patterns carry them — their headers, colour tables, packed rows and
// pixel layouts — unpacked to RGBA.

#include "platform/ByteReader.h"
#include "platform/image/Canvas.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace scrivlette::image {

Rect readRect(ByteReader& in);

// A 16-bit colour component as 8 bits.
inline std::uint8_t scale16(std::uint16_t value) {
    return static_cast<std::uint8_t>(value >> 8);
}

// The fields of a PixMap after its rowBytes and bounds.
struct PixMapHeader {
    std::uint16_t packType = 0;
    std::uint16_t pixelSize = 1;
    std::uint16_t componentCount = 1;
};

PixMapHeader readPixMapHeader(ByteReader& in);

// Indexed colours as RGBA; entries a table leaves out are opaque black.
using Palette = std::array<std::array<std::uint8_t, 4>, 256>;

// What a one-bit bitmap's 0 and 1 stand for: white and black.
Palette blackAndWhite();
Palette readColorTable(ByteReader& in);

// The bytes of one row: packed with a byte count before it, or as they are.
// QuickDraw decides both from the pixel map's rowBytes, whatever the row
// unpacks to: rows of fewer than 8 bytes are never packed, and the count is a
// word when rowBytes passes 250.
class RowReader {
public:
    RowReader(ByteReader& in, std::size_t rowBytes, std::size_t rowLength, bool packed,
              std::size_t unit = 1)
        : in_(in), packed_(packed && rowBytes >= 8), unit_(unit), row_(rowLength),
          countIsWord_(rowBytes > 250) {}

    std::span<const std::uint8_t> next();

private:
    ByteReader& in_;
    bool packed_;
    std::size_t unit_;
    std::vector<std::uint8_t> row_;
    bool countIsWord_;
};

// One row of 1-, 2-, 4- or 8-bit indices as RGBA.
void indexedRow(std::span<const std::uint8_t> bits, std::size_t width, std::size_t depth,
                const Palette& palette, std::uint8_t* out);

// The packing a direct pixel map's rows have, as QuickDraw reads it: 0 is the
// default for the depth, and rows under eight bytes are never packed.
std::uint16_t directPackType(const PixMapHeader& header, std::size_t rowBytes);

// One unpacked row of 16- or 32-bit direct pixels as RGBA.
void directRow(std::span<const std::uint8_t> bytes, std::size_t width, std::uint16_t size,
               std::uint16_t packType, std::size_t components, std::uint8_t* out);

// A pixel pattern's pixel map (after its type and one-bit form): its tile's
// width and height, and its colours row by row as RGB.
struct PatternTile {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::array<std::uint8_t, 3>> colours;
};

PatternTile readPatternTile(ByteReader& in);

} // namespace scrivlette::image
