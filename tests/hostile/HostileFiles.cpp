#include "HostileFiles.h"

#include <array>

namespace scrivlette::hostile {
namespace {

class BigEndian {
public:
    BigEndian& u8(unsigned value) {
        bytes.push_back(static_cast<char>(value & 0xFF));
        return *this;
    }
    BigEndian& u16(unsigned value) { return u8(value >> 8).u8(value); }
    BigEndian& u32(std::uint32_t value) { return u16(value >> 16).u16(value & 0xFFFF); }
    BigEndian& raw(const std::string& data) {
        bytes += data;
        return *this;
    }
    std::string bytes;
};

std::uint32_t crc32(const std::string& data) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
    }
    return ~crc;
}

BigEndian pictOf(std::uint16_t width, std::uint16_t height) {
    BigEndian pict;
    pict.u16(0).u16(0).u16(0).u16(height).u16(width);
    pict.u16(0x0011).u16(0x02FF).u16(0x0C00).raw(std::string(24, '\0'));
    return pict;
}

std::string ended(BigEndian& pict) {
    if (pict.bytes.size() % 2 != 0) {
        pict.u8(0);
    }
    return pict.u16(0x00FF).bytes;
}

// An empty clip region: no drawing shows, yet the shapes are still made.
void emptyClip(BigEndian& pict) {
    pict.u16(0x0001).u16(10).u16(0).u16(0).u16(0).u16(0);
}

} // namespace

std::string jpegScanBomb(std::uint16_t width, std::uint16_t height, int scans, int components) {
    BigEndian jpeg;
    jpeg.u16(0xFFD8);
    jpeg.u16(0xFFDB).u16(67).u8(0); // quantisation table 0: all ones
    for (int i = 0; i < 64; ++i) {
        jpeg.u8(1);
    }
    jpeg.u16(0xFFC2).u16(8 + 3 * components).u8(8).u16(height).u16(width).u8(components);
    for (int component = 1; component <= components; ++component) {
        jpeg.u8(component).u8(0x11).u8(0); // no subsampling, the one table
    }
    for (unsigned tableClass : {0u, 1u}) { // one code of one bit, for symbol 0
        jpeg.u16(0xFFC4).u16(2 + 1 + 16 + 1).u8(tableClass << 4).u8(1);
        for (int i = 1; i < 16; ++i) {
            jpeg.u8(0);
        }
        jpeg.u8(0);
    }
    for (int scan = 0; scan < scans; ++scan) {
        // A DC scan with no data: the next marker ends it at once.
        jpeg.u16(0xFFDA).u16(6 + 2 * components).u8(components);
        for (int component = 1; component <= components; ++component) {
            jpeg.u8(component).u8(0x00);
        }
        jpeg.u8(0).u8(0).u8(0);
    }
    return jpeg.u16(0xFFD9).bytes;
}

std::string pictFrameBomb(std::uint16_t side, int paints, std::uint16_t stretch) {
    BigEndian pict = pictOf(side, side);
    for (int i = 0; i < paints; ++i) {
        pict.u16(0x009A).u32(0xFF).u16(0x8000 | 4).u16(0).u16(0).u16(1).u16(1);
        // pixMap: version, pack type 1, pack size, 72 dpi, direct, 32 bits, 3 x 8
        pict.u16(0).u16(1).u32(0).u32(0x00480000).u32(0x00480000);
        pict.u16(16).u16(32).u16(3).u16(8).u32(0).u32(0).u32(0);
        pict.u16(0).u16(0).u16(1).u16(1);                    // source
        pict.u16(0).u16(0).u16(stretch).u16(stretch).u16(0); // destination, mode
        pict.u32(0x00FF0000);                                // one red pixel
    }
    return ended(pict);
}

std::string pictWithQuickTime(const std::string& codec, std::uint16_t width, std::uint16_t height,
                              const std::string& data, std::uint16_t depth,
                              const std::string& after) {
    BigEndian quickTime;
    quickTime.u16(0);
    for (std::uint32_t m : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u}) {
        quickTime.u32(m); // the identity matrix
    }
    quickTime.u32(0).raw(std::string(8 + 2 + 8 + 4, '\0')).u32(0); // no matte, no mask
    quickTime.u32(86).raw(codec).raw(std::string(4 + 2 + 2 + 2 + 2 + 4 + 4 + 4, '\0'));
    quickTime.u16(width).u16(height).u32(0x00480000).u32(0x00480000);
    quickTime.u32(static_cast<std::uint32_t>(data.size())).u16(1).raw(std::string(32, '\0'));
    quickTime.u16(depth).u16(0xFFFF).raw(data);
    BigEndian pict = pictOf(width, height);
    pict.u16(0x8200).u32(static_cast<std::uint32_t>(quickTime.bytes.size())).raw(quickTime.bytes);
    if (pict.bytes.size() % 2 != 0) {
        pict.u8(0);
    }
    return ended(pict.raw(after));
}

std::string pictRegionBomb(std::uint16_t side, int points, int paints) {
    BigEndian pict = pictOf(side, side);
    BigEndian row;
    for (int i = 0; i < points; ++i) {
        row.u16(static_cast<unsigned>(i * 2)); // ascending, as QuickDraw stores them
    }
    row.u16(0x7FFF);
    const std::string rows = row.bytes;
    // Every point inverted on the first row and again on the last: each row
    // between holds them all.
    pict.u16(0x0081).u16(static_cast<unsigned>(10 + 2 * (2 + rows.size()) + 2));
    pict.u16(0).u16(0).u16(side).u16(side);
    pict.u16(0).raw(rows).u16(side).raw(rows).u16(0x7FFF);
    for (int i = 1; i < paints; ++i) {
        pict.u16(0x0089); // the same region
    }
    return ended(pict);
}

std::string pictArcBomb(std::uint16_t side, int degrees, int paints, bool clipped) {
    BigEndian pict = pictOf(side, side);
    if (clipped) {
        emptyClip(pict);
    }
    pict.u16(0x0061).u16(0).u16(0).u16(side).u16(side).u16(0).u16(static_cast<unsigned>(degrees));
    for (int i = 1; i < paints; ++i) {
        pict.u16(0x0069).u16(static_cast<unsigned>(i % 360)).u16(static_cast<unsigned>(degrees));
    }
    return ended(pict);
}

std::string pictPolygonBomb(std::uint16_t side, int points, int paints, bool framed) {
    BigEndian pict = pictOf(side, side);
    if (!framed) {
        emptyClip(pict);
    }
    pict.u16(framed ? 0x0070 : 0x0071).u16(static_cast<unsigned>(10 + 4 * points));
    pict.u16(0).u16(0).u16(side).u16(side);
    for (int i = 0; i < points; ++i) { // from top to bottom and back, across and back
        pict.u16(i % 2 == 0 ? 0 : side).u16(static_cast<unsigned>(i * 7 % side));
    }
    for (int i = 1; i < paints; ++i) {
        pict.u16(0x0079); // the same polygon
    }
    return ended(pict);
}

std::string pictTextBomb(std::uint16_t side, int texts) {
    BigEndian pict = pictOf(side, side);
    pict.u16(0x0028).u16(20).u16(0).u8(255).raw(std::string(255, '\xF0'));
    for (int i = 1; i < texts; ++i) {
        pict.u16(0x002A).u8(1).u8(255).raw(std::string(255, '\xF0')); // a line down
    }
    return ended(pict);
}

std::string iccProfileBomb() {
    // The profile: a header, one tag (A2B0) of type mAB whose grid claims
    // 255 x 255 x 255 points of 15 two-byte outputs and holds none of them.
    BigEndian tag;
    tag.raw("mAB ").u32(0).u8(3).u8(15).u16(0);
    tag.u32(0).u32(0).u32(0).u32(32).u32(0); // only a colour lookup table, at 32
    tag.raw(std::string("\xFF\xFF\xFF", 3) + std::string(13, '\0')).u8(2).u8(0).u16(0);
    tag.raw(std::string(744 - 128 - 4 - 12 - tag.bytes.size(), '\0'));
    BigEndian profile;
    profile.u32(744).raw("lcms").u32(0x04300000).raw("mntrRGB XYZ ").raw(std::string(12, '\0'));
    profile.raw("acsp").raw(std::string(128 - 40, '\0'));
    profile.u32(1).raw("A2B0").u32(128 + 4 + 12).u32(static_cast<std::uint32_t>(tag.bytes.size()));
    profile.raw(tag.bytes);
    return profile.bytes;
}

std::string pictProfileBomb() {
    BigEndian pict = pictOf(2, 2);
    const std::string bytes = iccProfileBomb();
    pict.u16(0x00A1).u16(224).u16(static_cast<unsigned>(4 + bytes.size())).u32(0).raw(bytes);
    pict.u16(0x00A1).u16(224).u16(4).u32(2);
    pict.u16(0x009A).u32(0xFF).u16(0x8000 | 8).u16(0).u16(0).u16(2).u16(2);
    pict.u16(0).u16(1).u32(0).u32(0x00480000).u32(0x00480000);
    pict.u16(16).u16(32).u16(3).u16(8).u32(0).u32(0).u32(0);
    pict.u16(0).u16(0).u16(2).u16(2).u16(0).u16(0).u16(2).u16(2).u16(0);
    pict.raw(std::string(16, '\x80'));
    return ended(pict);
}

std::string pngHeaderBomb(std::uint32_t side) {
    BigEndian header;
    header.raw("IHDR").u32(side).u32(side).u8(8).u8(6).u8(0).u8(0).u8(0);
    BigEndian png;
    png.raw("\x89PNG\r\n\x1A\n").u32(13).raw(header.bytes).u32(crc32(header.bytes));
    return png.u32(1000).raw("IDAT").raw(std::string(8, '\0')).bytes;
}

std::string tiffHeaderBomb(std::uint32_t side, std::uint32_t stripBytes) {
    // Little-endian, as most TIFFs are.
    std::string tiff = "II*";
    tiff.push_back('\0');
    const auto u16 = [&](unsigned value) {
        tiff.push_back(static_cast<char>(value & 0xFF));
        tiff.push_back(static_cast<char>(value >> 8 & 0xFF));
    };
    const auto u32 = [&](std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    };
    u32(8);
    const std::array<std::array<std::uint32_t, 3>, 9> entries = {
        {{256, 4, side},         // width
         {257, 4, side},         // height
         {258, 3, 8},            // bits per sample
         {259, 3, 1},            // no compression
         {262, 3, 1},            // grey, black is zero
         {273, 4, 200},          // strip offset
         {277, 3, 1},            // samples per pixel
         {278, 4, side},         // rows per strip
         {279, 4, stripBytes}}}; // strip byte count
    u16(entries.size());
    for (const auto& [tag, type, value] : entries) {
        u16(tag);
        u16(type);
        u32(1);
        if (type == 3) {
            u16(value);
            u16(0);
        } else {
            u32(value);
        }
    }
    u32(0);
    tiff.resize(231, '\0');
    return tiff;
}

} // namespace scrivlette::hostile
