#pragma once

// Pictures for the decoder tests: a PICT writer, opcode by opcode, and ways
// to look at what was drawn.

#include "TestSupport.h"
#include "formats/pict/Pict.h"

#include <array>
#include <string>
#include <string_view>

namespace scrivlette::image {

using Pixel = std::array<std::uint8_t, 4>;

inline Pixel pixelAt(const Image& image, std::uint32_t x, std::uint32_t y) {
    const std::uint8_t* p = image.rgba.data() + (std::size_t{y} * image.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

// Writes a PICT, big-endian, opcode by opcode.
class PictWriter {
public:
    explicit PictWriter(int version = 2, int width = 3, int height = 2, int left = 0)
        : version_(version) {
        u16(0);
        rect(0, left, height, left + width);
        if (version == 1) {
            u8(0x11);
            u8(0x01);
        } else {
            u16(0x0011);
            u16(0x02FF);
            u16(0x0C00);
            bytes_.append(24, '\0');
        }
    }
    PictWriter& u8(unsigned value) {
        bytes_.push_back(static_cast<char>(value));
        return *this;
    }
    PictWriter& u16(unsigned value) { return u8(value >> 8).u8(value & 0xFF); }
    PictWriter& u32(std::uint32_t value) { return u16(value >> 16).u16(value & 0xFFFF); }
    PictWriter& rect(int top, int left, int bottom, int right) {
        for (int value : {top, left, bottom, right}) {
            u16(static_cast<unsigned>(value) & 0xFFFF);
        }
        return *this;
    }
    PictWriter& raw(std::string_view data) {
        bytes_.append(data);
        return *this;
    }
    PictWriter& op(unsigned code) {
        if (version_ == 2) {
            if (bytes_.size() % 2) {
                u8(0);
            }
            return u16(code);
        }
        return u8(code);
    }
    // The fields of a PixMap after rowBytes and bounds.
    PictWriter& pixMap(unsigned packType, unsigned pixelSize, unsigned components) {
        u16(0).u16(packType).u32(0).u32(0x00480000).u32(0x00480000);
        u16(pixelSize > 8 ? 16 : 0).u16(pixelSize).u16(components);
        return u16(pixelSize > 16 ? 8 : pixelSize > 8 ? 5 : pixelSize).u32(0).u32(0).u32(0);
    }
    std::string finish() {
        op(0x00FF);
        return bytes_;
    }

private:
    int version_;
    std::string bytes_;
};

// PackBits with one literal run, or one repeat when every unit is the same.
// (Built by appending: GCC 12 warns falsely on two temporaries joined.)
inline std::string packRow(std::string_view row, std::size_t unit = 1) {
    const std::size_t units = row.size() / unit;
    bool same = units > 1;
    for (std::size_t i = unit; i < row.size(); ++i) {
        same = same && row[i] == row[i % unit];
    }
    std::string packed;
    if (same) {
        packed.push_back(static_cast<char>(1 - static_cast<int>(units)));
        packed.append(row.substr(0, unit));
        return packed;
    }
    packed.push_back(static_cast<char>(units - 1));
    packed.append(row);
    return packed;
}

// A packed row after its byte count.
inline std::string counted(const std::string& packed) {
    std::string out(1, static_cast<char>(packed.size()));
    out += packed;
    return out;
}

inline ImageResult decode(const std::string& pict) {
    return decodePict(test::bytesOf(pict).span());
}

inline const Pixel red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255},
    white{255, 255, 255, 255}, black{0, 0, 0, 255};

} // namespace scrivlette::image
