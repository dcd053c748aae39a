#include "formats/pict/PictDecoder.h"

#include <algorithm>
#include <array>

namespace scrivlette::image::pict {
namespace {

using L = Length;
using Handler = void (Decoder::*)(std::uint16_t);

constexpr Opcode fixed(std::uint16_t first, std::uint16_t last, std::string_view name,
                       std::uint8_t bytes) {
    return {first, last, name, L::fixed, bytes};
}
constexpr Opcode fixed(std::uint16_t op, std::string_view name, std::uint8_t bytes) {
    return fixed(op, op, name, bytes);
}
constexpr Opcode counted(std::uint16_t first, std::uint16_t last, std::string_view name,
                         Length length) {
    return {first, last, name, length};
}
constexpr Opcode counted(std::uint16_t op, std::string_view name, Length length) {
    return counted(op, op, name, length);
}
constexpr Opcode reads(std::uint16_t op, std::string_view name, Handler handler) {
    return {op, op, name, L::read, 0, handler};
}
constexpr Opcode draws(std::uint16_t op, std::string_view name, Handler handler) {
    return {op, op, name, L::read, 0, handler, true};
}

// Every opcode, in order, each named once as Apple names it. Uncompressed
// QuickTime's pixels follow it as ordinary opcodes: only its own data is
// passed over.
// clang-format off
constexpr std::array<Opcode, 137> opcodes = {{
    fixed(0x0000, "NOP", 0),
    reads(0x0001, "Clip", &Decoder::clipRegion),
    reads(0x0002, "BkPat", &Decoder::backPattern),
    reads(0x0003, "TxFont", &Decoder::textFont),
    reads(0x0004, "TxFace", &Decoder::textFace),
    fixed(0x0005, "TxMode", 2),
    fixed(0x0006, "SpExtra", 4),
    reads(0x0007, "PnSize", &Decoder::penSize),
    reads(0x0008, "PnMode", &Decoder::penMode),
    reads(0x0009, "PnPat", &Decoder::penPattern),
    reads(0x000A, "FillPat", &Decoder::fillPattern),
    reads(0x000B, "OvSize", &Decoder::ovalSize),
    reads(0x000C, "Origin", &Decoder::origin),
    reads(0x000D, "TxSize", &Decoder::textSize),
    reads(0x000E, "FgColor", &Decoder::foreColour),
    reads(0x000F, "BkColor", &Decoder::backColour),
    fixed(0x0010, "TxRatio", 8),
    counted(0x0011, "VersionOp", L::version),
    reads(0x0012, "BkPixPat", &Decoder::backPixPat),
    reads(0x0013, "PnPixPat", &Decoder::penPixPat),
    reads(0x0014, "FillPixPat", &Decoder::fillPixPat),
    fixed(0x0015, "PnLocHFrac", 2),
    fixed(0x0016, "ChExtra", 2),
    fixed(0x0017, 0x0019, "reserved", 0),
    reads(0x001A, "RGBFgCol", &Decoder::rgbForeColour),
    reads(0x001B, "RGBBkCol", &Decoder::rgbBackColour),
    fixed(0x001C, "HiliteMode", 0),
    fixed(0x001D, "HiliteColor", 6),
    fixed(0x001E, "DefHilite", 0),
    fixed(0x001F, "OpColor", 6),
    draws(0x0020, "Line", &Decoder::line),
    draws(0x0021, "LineFrom", &Decoder::line),
    draws(0x0022, "ShortLine", &Decoder::line),
    draws(0x0023, "ShortLineFrom", &Decoder::line),
    counted(0x0024, 0x0027, "reserved", L::word),
    draws(0x0028, "LongText", &Decoder::text),
    draws(0x0029, "DHText", &Decoder::text),
    draws(0x002A, "DVText", &Decoder::text),
    draws(0x002B, "DHDVText", &Decoder::text),
    reads(0x002C, "fontName", &Decoder::fontName),
    counted(0x002D, "lineJustify", L::word),
    counted(0x002E, "glyphState", L::word),
    counted(0x002F, "reserved", L::word),
    draws(0x0030, "FrameRect", &Decoder::shape),
    draws(0x0031, "PaintRect", &Decoder::shape),
    draws(0x0032, "EraseRect", &Decoder::shape),
    draws(0x0033, "InvertRect", &Decoder::shape),
    draws(0x0034, "FillRect", &Decoder::shape),
    fixed(0x0035, 0x0037, "reserved", 8),
    draws(0x0038, "FrameSameRect", &Decoder::shape),
    draws(0x0039, "PaintSameRect", &Decoder::shape),
    draws(0x003A, "EraseSameRect", &Decoder::shape),
    draws(0x003B, "InvertSameRect", &Decoder::shape),
    draws(0x003C, "FillSameRect", &Decoder::shape),
    fixed(0x003D, 0x003F, "reserved", 0),
    draws(0x0040, "FrameRRect", &Decoder::shape),
    draws(0x0041, "PaintRRect", &Decoder::shape),
    draws(0x0042, "EraseRRect", &Decoder::shape),
    draws(0x0043, "InvertRRect", &Decoder::shape),
    draws(0x0044, "FillRRect", &Decoder::shape),
    fixed(0x0045, 0x0047, "reserved", 8),
    draws(0x0048, "FrameSameRRect", &Decoder::shape),
    draws(0x0049, "PaintSameRRect", &Decoder::shape),
    draws(0x004A, "EraseSameRRect", &Decoder::shape),
    draws(0x004B, "InvertSameRRect", &Decoder::shape),
    draws(0x004C, "FillSameRRect", &Decoder::shape),
    fixed(0x004D, 0x004F, "reserved", 0),
    draws(0x0050, "FrameOval", &Decoder::shape),
    draws(0x0051, "PaintOval", &Decoder::shape),
    draws(0x0052, "EraseOval", &Decoder::shape),
    draws(0x0053, "InvertOval", &Decoder::shape),
    draws(0x0054, "FillOval", &Decoder::shape),
    fixed(0x0055, 0x0057, "reserved", 8),
    draws(0x0058, "FrameSameOval", &Decoder::shape),
    draws(0x0059, "PaintSameOval", &Decoder::shape),
    draws(0x005A, "EraseSameOval", &Decoder::shape),
    draws(0x005B, "InvertSameOval", &Decoder::shape),
    draws(0x005C, "FillSameOval", &Decoder::shape),
    fixed(0x005D, 0x005F, "reserved", 0),
    draws(0x0060, "FrameArc", &Decoder::shape),
    draws(0x0061, "PaintArc", &Decoder::shape),
    draws(0x0062, "EraseArc", &Decoder::shape),
    draws(0x0063, "InvertArc", &Decoder::shape),
    draws(0x0064, "FillArc", &Decoder::shape),
    fixed(0x0065, 0x0067, "reserved", 12),
    draws(0x0068, "FrameSameArc", &Decoder::shape),
    draws(0x0069, "PaintSameArc", &Decoder::shape),
    draws(0x006A, "EraseSameArc", &Decoder::shape),
    draws(0x006B, "InvertSameArc", &Decoder::shape),
    draws(0x006C, "FillSameArc", &Decoder::shape),
    fixed(0x006D, 0x006F, "reserved", 4),
    draws(0x0070, "FramePoly", &Decoder::shape),
    draws(0x0071, "PaintPoly", &Decoder::shape),
    draws(0x0072, "ErasePoly", &Decoder::shape),
    draws(0x0073, "InvertPoly", &Decoder::shape),
    draws(0x0074, "FillPoly", &Decoder::shape),
    counted(0x0075, 0x0077, "reserved", L::sizedRegion),
    draws(0x0078, "FrameSamePoly", &Decoder::shape),
    draws(0x0079, "PaintSamePoly", &Decoder::shape),
    draws(0x007A, "EraseSamePoly", &Decoder::shape),
    draws(0x007B, "InvertSamePoly", &Decoder::shape),
    draws(0x007C, "FillSamePoly", &Decoder::shape),
    fixed(0x007D, 0x007F, "reserved", 0),
    draws(0x0080, "FrameRgn", &Decoder::shape),
    draws(0x0081, "PaintRgn", &Decoder::shape),
    draws(0x0082, "EraseRgn", &Decoder::shape),
    draws(0x0083, "InvertRgn", &Decoder::shape),
    draws(0x0084, "FillRgn", &Decoder::shape),
    counted(0x0085, 0x0087, "reserved", L::sizedRegion),
    draws(0x0088, "FrameSameRgn", &Decoder::shape),
    draws(0x0089, "PaintSameRgn", &Decoder::shape),
    draws(0x008A, "EraseSameRgn", &Decoder::shape),
    draws(0x008B, "InvertSameRgn", &Decoder::shape),
    draws(0x008C, "FillSameRgn", &Decoder::shape),
    fixed(0x008D, 0x008F, "reserved", 0),
    draws(0x0090, "BitsRect", &Decoder::indexedBits),
    draws(0x0091, "BitsRgn", &Decoder::indexedBits),
    counted(0x0092, 0x0097, "reserved", L::word),
    draws(0x0098, "PackBitsRect", &Decoder::indexedBits),
    draws(0x0099, "PackBitsRgn", &Decoder::indexedBits),
    draws(0x009A, "DirectBitsRect", &Decoder::directBits),
    draws(0x009B, "DirectBitsRgn", &Decoder::directBits),
    counted(0x009C, 0x009F, "reserved", L::word),
    fixed(0x00A0, "ShortComment", 2),
    reads(0x00A1, "LongComment", &Decoder::longComment),
    counted(0x00A2, 0x00AF, "reserved", L::word),
    fixed(0x00B0, 0x00CF, "reserved", 0),
    counted(0x00D0, 0x00FE, "reserved", L::longWord),
    fixed(0x00FF, "OpEndPic", 0),
    counted(0x0100, 0x0BFF, "reserved", L::highByte),
    reads(0x0C00, "HeaderOp", &Decoder::extendedHeader),
    counted(0x0C01, 0x7FFF, "reserved", L::highByte),
    fixed(0x8000, 0x80FF, "reserved", 0),
    counted(0x8100, 0x81FF, "reserved", L::longWord),
    reads(0x8200, "CompressedQuickTime", &Decoder::quickTime),
    counted(0x8201, "UncompressedQuickTime", L::longWord),
    counted(0x8202, 0xFFFF, "reserved", L::longWord),
}};
// clang-format on

} // namespace

const Opcode& opcodeFor(std::uint16_t op) {
    const auto after =
        std::upper_bound(opcodes.begin(), opcodes.end(), op,
                         [](std::uint16_t value, const Opcode& row) { return value < row.first; });
    return *(after - 1);
}

} // namespace scrivlette::image::pict
