#include "Pict.h"

#include "formats/codecs/Colour.h"
#include "formats/pict/PackBits.h"
#include "formats/pict/QuickDraw.h"
#include "formats/pict/QuickTime.h"
#include "platform/ByteReader.h"
#include "platform/image/Budget.h"
#include "platform/image/Canvas.h"
#include "platform/image/Pixels.h"

#include <array>
#include <cstring>
#include <map>

namespace scrivlette::image {
namespace {

// The opcodes read by name rather than skipped.
namespace opcode {
constexpr std::uint16_t clipRegion = 0x0001;
constexpr std::uint16_t backPattern = 0x0002;
constexpr std::uint16_t textFont = 0x0003;
constexpr std::uint16_t textFace = 0x0004;
constexpr std::uint16_t penSize = 0x0007;
constexpr std::uint16_t penMode = 0x0008;
constexpr std::uint16_t penPattern = 0x0009;
constexpr std::uint16_t fillPattern = 0x000A;
constexpr std::uint16_t ovalSize = 0x000B;
constexpr std::uint16_t origin = 0x000C;
constexpr std::uint16_t textSize = 0x000D;
constexpr std::uint16_t foreColour = 0x000E;
constexpr std::uint16_t backColour = 0x000F;
constexpr std::uint16_t version = 0x0011;
constexpr std::uint16_t backPixPat = 0x0012;
constexpr std::uint16_t penPixPat = 0x0013;
constexpr std::uint16_t fillPixPat = 0x0014;
constexpr std::uint16_t rgbForeColour = 0x001A;
constexpr std::uint16_t rgbBackColour = 0x001B;
constexpr std::uint16_t line = 0x0020;
constexpr std::uint16_t lineFrom = 0x0021;
constexpr std::uint16_t shortLine = 0x0022;
constexpr std::uint16_t shortLineFrom = 0x0023;
constexpr std::uint16_t longText = 0x0028;
constexpr std::uint16_t dhText = 0x0029;
constexpr std::uint16_t dvText = 0x002A;
constexpr std::uint16_t dhdvText = 0x002B;
constexpr std::uint16_t fontName = 0x002C;
constexpr std::uint16_t bitsRect = 0x0090;
constexpr std::uint16_t bitsRegion = 0x0091;
constexpr std::uint16_t packBitsRect = 0x0098;
constexpr std::uint16_t packBitsRegion = 0x0099;
constexpr std::uint16_t directBitsRect = 0x009A;
constexpr std::uint16_t directBitsRegion = 0x009B;
constexpr std::uint16_t longComment = 0x00A1;
constexpr std::uint16_t endOfPicture = 0x00FF;
constexpr std::uint16_t headerOp = 0x0C00;
constexpr std::uint16_t compressedQuickTime = 0x8200;
} // namespace opcode

// Opcodes whose data has a fixed length, from Apple's table of PICT opcodes
// (Inside Macintosh: Imaging With QuickDraw, appendix A).
struct FixedLength {
    std::uint16_t first;
    std::uint16_t last;
    std::uint8_t bytes;
};

constexpr std::array<FixedLength, 36> fixedLengths = {{
    {0x0000, 0x0000, 0},  // NOP
    {0x0002, 0x0002, 8},  // BkPat
    {0x0003, 0x0003, 2},  // TxFont
    {0x0004, 0x0004, 1},  // TxFace
    {0x0005, 0x0005, 2},  // TxMode
    {0x0006, 0x0007, 4},  // SpExtra, PnSize
    {0x0008, 0x0008, 2},  // PnMode
    {0x0009, 0x000A, 8},  // PnPat, FillPat
    {0x000B, 0x000C, 4},  // OvSize, Origin
    {0x000D, 0x000D, 2},  // TxSize
    {0x000E, 0x000F, 4},  // FgColor, BkColor
    {0x0010, 0x0010, 8},  // TxRatio
    {0x0015, 0x0016, 2},  // PnLocHFrac, ChExtra
    {0x0017, 0x0019, 0},  // reserved
    {0x001A, 0x001B, 6},  // RGBFgCol, RGBBkCol
    {0x001C, 0x001C, 0},  // HiliteMode
    {0x001D, 0x001D, 6},  // HiliteColor
    {0x001E, 0x001E, 0},  // DefHilite
    {0x001F, 0x001F, 6},  // OpColor
    {0x0020, 0x0020, 8},  // Line
    {0x0021, 0x0021, 4},  // LineFrom
    {0x0022, 0x0022, 6},  // ShortLine
    {0x0023, 0x0023, 2},  // ShortLineFrom
    {0x0030, 0x0037, 8},  // rectangles
    {0x0038, 0x003F, 0},  // the same rectangle
    {0x0040, 0x0047, 8},  // round rectangles
    {0x0048, 0x004F, 0},  // the same round rectangle
    {0x0050, 0x0057, 8},  // ovals
    {0x0058, 0x005F, 0},  // the same oval
    {0x0060, 0x0067, 12}, // arcs
    {0x0068, 0x006F, 4},  // the same arc's angles
    {0x0078, 0x007F, 0},  // the same polygon
    {0x0088, 0x008F, 0},  // the same region
    {0x00A0, 0x00A0, 2},  // ShortComment
    {0x00B0, 0x00CF, 0},  // reserved
    {0x8000, 0x80FF, 0},  // reserved
}};

// How many bytes of data follow `op`, or nothing for the opcodes that need reading.
std::optional<std::size_t> fixedLength(std::uint16_t op, int version) {
    if (op == opcode::version) {
        return version == 1 ? 1 : 2;
    }
    if (op >= 0x0100 && op <= 0x7FFF) {
        return std::size_t(op >> 8) * 2; // reserved: the high byte counts words
    }
    for (const FixedLength& known : fixedLengths) {
        if (op >= known.first && op <= known.last) {
            return known.bytes;
        }
    }
    return std::nullopt;
}

// Mac fonts stood in for by the faces every Linux desktop has: Times and
// New York are serif, Monaco and Courier fixed-width, the rest sans serif.
Drawing::Font fontFor(std::uint16_t id, const std::map<std::uint16_t, std::string>& names,
                      Drawing::Font font) {
    std::string name;
    if (const auto it = names.find(id); it != names.end()) {
        name = it->second;
    }
    if (id == 20 || id == 2 || name == "Times" || name == "New York" || name == "Palatino") {
        font.family = "serif";
    } else if (id == 4 || id == 22 || name == "Monaco" || name == "Courier") {
        font.family = "monospace";
    } else {
        font.family = "sans-serif";
    }
    return font;
}

Rect readRect(ByteReader& in) {
    Rect rect;
    rect.top = in.s16("rectangle");
    rect.left = in.s16("rectangle");
    rect.bottom = in.s16("rectangle");
    rect.right = in.s16("rectangle");
    return rect;
}

std::uint8_t scale16(std::uint16_t value) {
    return static_cast<std::uint8_t>(value >> 8);
}

// The fields of a PixMap after its rowBytes and bounds.
struct PixMapHeader {
    std::uint16_t packType = 0;
    std::uint16_t pixelSize = 1;
    std::uint16_t componentCount = 1;
};

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

using Palette = std::array<std::array<std::uint8_t, 4>, 256>;

Palette opaqueBlack() {
    Palette palette;
    palette.fill({0, 0, 0, 255});
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

Palette blackAndWhite() {
    Palette palette = opaqueBlack();
    palette[0] = {255, 255, 255, 255};
    palette[1] = {0, 0, 0, 255};
    return palette;
}

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

    std::span<const std::uint8_t> next() {
        if (!packed_) {
            return in_.take(row_.size(), "pixel data");
        }
        const std::size_t count = countIsWord_ ? in_.u16("pixel data") : in_.u8("pixel data");
        unpackBits(in_.take(count, "pixel data"), row_, unit_);
        return row_;
    }

private:
    ByteReader& in_;
    bool packed_;
    std::size_t unit_;
    std::vector<std::uint8_t> row_;
    bool countIsWord_;
};

class PictDecoder {
public:
    // Where the opcode being read started, or the reading stopped.
    std::size_t offset() const { return opcodeAt_; }
    PictDecoder(std::span<const std::uint8_t> bytes, std::optional<Fit> fit)
        : in_(bytes), fit_(fit) {}
    Image run();

private:
    void readHeader();
    void readExtendedHeader();
    void longComment();
    bool step();
    void skipSized16() { in_.skip(in_.u16("opcode data"), "opcode data"); }
    void skipRegion() {
        const std::uint16_t size = in_.u16("region");
        if (size < 2) {
            throw ReadFailure("region smaller than its own size field");
        }
        in_.skip(size - 2, "region");
    }

    void indexedBits(std::uint16_t op);
    void directBits(std::uint16_t op);
    void quickTime();
    void paintPixels(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                     const Canvas::RowFiller& fill);
    void paintIndexed(ByteReader& in, const Rect& bounds, std::size_t rowBytes, std::size_t depth,
                      const Palette& palette, bool packed, Rect source, Rect destination);

    ByteReader in_;
    std::size_t opcodeAt_ = 0;
    std::optional<Fit> fit_;
    int version_ = 1;
    Rect frame_;
    std::optional<Canvas> canvas_;
    int drawn_ = 0;       // images drawn whole
    std::string skipped_; // why a drawable-looking opcode drew nothing
    // After a QuickTime image that was drawn, what QuickTime stores for
    // readers without it follows (a bitmap, or a frame and "QuickTime and a
    // decompressor are needed to see this picture"): read, not drawn.
    bool afterQuickTime_ = false;
    // QuickDraw's drawing state: the pen, the last shapes for the "same"
    // opcodes, the text.
    Drawing& drawing() {
        if (!drawing_) {
            drawing_.emplace(*canvas_);
        }
        drawing_->setSuppressed(afterQuickTime_);
        return *drawing_;
    }
    // Each false, or nothing, for an opcode not of its kind.
    bool setState(std::uint16_t op);
    bool setColour(std::uint16_t op);
    bool readPixelData(std::uint16_t op);
    void skipOpcodeData(std::uint16_t op);
    // Whether it drew, or nothing for an opcode that draws no line or shape.
    std::optional<bool> drawShape(std::uint16_t op);
    bool drawLine(std::uint16_t op);
    void readFontName();
    void readPolygon();
    void drawText(std::uint16_t op);
    Pattern readPattern() const;
    Pattern readPixPat();
    Point readPoint() {
        const double y = in_.s16("point");
        return {double(in_.s16("point")), y};
    }
    std::optional<Drawing> drawing_;
    Point penAt_;
    Point textAt_;
    Rect lastRect_, lastRoundRect_, lastOval_, lastArc_;
    Point ovalSize_;
    std::vector<Point> lastPolygon_;
    std::optional<Spans> lastRegion_;
    Drawing::Font font_;
    std::map<std::uint16_t, std::string> fontNames_;
    // The ICC profile ColorSync writes into picture comments, in chunks.
    std::vector<std::uint8_t> profile_;
    bool profileComplete_ = false;
};

void PictDecoder::readHeader() {
    in_.skip(2, "picture header"); // the low 16 bits of the size: unreliable
    frame_ = readRect(in_);
    const std::uint8_t first = in_.u8("picture header");
    const std::uint8_t second = in_.u8("picture header");
    if (first == 0x11 && second == 0x01) {
        version_ = 1;
    } else if (first == 0x00 && second == 0x11 && in_.u16("picture header") == 0x02FF) {
        version_ = 2;
    } else {
        throw ReadFailure("not a PICT picture (no version opcode)");
    }
    canvas_.emplace(frame_, in_.size(), fit_);
}

// A version 2 header of the extended form (-2) gives the picture's own
// resolution: the opcodes that follow draw in its source rectangle, which is
// the frame at that resolution. A 300 dpi picture's pixels are all there
// only when drawn on that rectangle.
void PictDecoder::readExtendedHeader() {
    const std::int16_t form = in_.s16("picture header");
    in_.skip(2 + 4 + 4, "picture header"); // reserved, horizontal and vertical resolution
    const Rect source = readRect(in_);
    in_.skip(4, "picture header");
    if (form == -2 && !source.empty() && !canvas_->painted()) {
        frame_ = source;
        drawing_.reset();
        canvas_.emplace(frame_, in_.size(), fit_);
    }
}

// ColorSync's picture comment (kind 224) carries the picture's ICC profile:
// a selector, then for "begin" (0) and "continue" (1) the next piece of it;
// "end" (2) closes it. A profile cut off or larger than any real one is left
// out, and the pixels keep their stored colours.
void PictDecoder::longComment() {
    constexpr std::uint16_t colorSync = 224;
    const std::uint16_t kind = in_.u16("comment");
    ByteReader data(in_.take(in_.u16("comment"), "comment"));
    if (kind != colorSync || data.remaining() < 4) {
        return;
    }
    const std::uint32_t selector = data.u32("comment");
    const auto piece = data.take(data.remaining(), "comment");
    if (selector == 0) {
        profile_.assign(piece.begin(), piece.end());
        profileComplete_ = false;
    } else if (selector == 1 && !profile_.empty() && !profileComplete_) {
        if (profile_.size() + piece.size() > maxProfileBytes) {
            profile_.clear();
            return;
        }
        profile_.insert(profile_.end(), piece.begin(), piece.end());
    } else if (selector == 2 && !profile_.empty()) {
        profileComplete_ = true;
    }
}

Pattern PictDecoder::readPattern() const {
    Pattern pattern;
    const auto bits = const_cast<ByteReader&>(in_).take(8, "pattern");
    std::copy(bits.begin(), bits.end(), pattern.bits.begin());
    return pattern;
}

// A pixel pattern: its old one-bit form, then (type 1) a small pixel map
// to tile with, or (type 2) one colour.
Pattern PictDecoder::readPixPat() {
    const std::uint16_t type = in_.u16("pattern");
    Pattern pattern = readPattern();
    if (type == 2) {
        const Colour colour{scale16(in_.u16("pattern")), scale16(in_.u16("pattern")),
                            scale16(in_.u16("pattern"))};
        return Pattern{{}, 1, 1, {colour}};
    }
    if (type != 1) {
        return pattern;
    }
    const std::uint16_t rowBytesField = in_.u16("pattern");
    const Rect bounds = readRect(in_);
    const PixMapHeader header = readPixMapHeader(in_);
    const Palette palette = readColorTable(in_);
    const std::size_t rowBytes = rowBytesField & 0x3FFF;
    const std::size_t depth = header.pixelSize;
    if (bounds.empty() || bounds.width() > 64 || bounds.height() > 64 ||
        rowBytes * 8 < std::size_t(bounds.width()) * depth ||
        (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16 && depth != 32)) {
        throw ReadFailure("pixel pattern of " + std::to_string(bounds.width()) + " x " +
                          std::to_string(bounds.height()) + " at " + std::to_string(depth) +
                          " bits");
    }
    RowReader rows(in_, rowBytes, rowBytes, header.packType != 1);
    Pattern tile;
    tile.tileWidth = static_cast<std::uint32_t>(bounds.width());
    tile.tileHeight = static_cast<std::uint32_t>(bounds.height());
    for (std::int64_t y = 0; y < bounds.height(); ++y) {
        const auto bytes = rows.next();
        for (std::int64_t x = 0; x < bounds.width(); ++x) {
            if (depth == 32) {
                tile.tile.push_back({bytes[x * 4 + 1], bytes[x * 4 + 2], bytes[x * 4 + 3]});
            } else if (depth == 16) {
                std::uint8_t rgba[4];
                rgb555ToRgba(bytes.data() + x * 2, rgba);
                tile.tile.push_back({rgba[0], rgba[1], rgba[2]});
            } else {
                const std::size_t perByte = 8 / depth;
                const std::size_t shift = 8 - depth * (std::size_t(x) % perByte + 1);
                const auto index = static_cast<std::uint8_t>(
                    (bytes[std::size_t(x) / perByte] >> shift) & ((1u << depth) - 1));
                tile.tile.push_back({palette[index][0], palette[index][1], palette[index][2]});
            }
        }
    }
    return tile;
}

void PictDecoder::paintIndexed(ByteReader& in, const Rect& bounds, std::size_t rowBytes,
                               std::size_t depth, const Palette& palette, bool packed, Rect source,
                               Rect destination) {
    const std::int64_t width = bounds.width();
    const std::int64_t height = bounds.height();
    if (auto problem = sizeProblem(width, height, in_.size())) {
        throw ReadFailure("bitmap: " + *problem);
    }
    if (depth != 1 && depth != 2 && depth != 4 && depth != 8) {
        throw ReadFailure("indexed pixels of " + std::to_string(depth) + " bits");
    }
    if (rowBytes * 8 < std::size_t(width) * depth) {
        throw ReadFailure("bitmap rows shorter than its width");
    }
    RowReader rows(in, rowBytes, rowBytes, packed);
    const Rect local{source.top - bounds.top, source.left - bounds.left, source.bottom - bounds.top,
                     source.right - bounds.left};
    paintPixels(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), local,
                destination, [&](std::uint32_t, std::uint8_t* out) {
                    const auto bits = rows.next();
                    const std::size_t perByte = 8 / depth;
                    const std::uint8_t mask = static_cast<std::uint8_t>((1u << depth) - 1);
                    for (std::int64_t x = 0; x < width; ++x) {
                        const std::size_t shift = 8 - depth * (x % perByte + 1);
                        const auto index =
                            static_cast<std::uint8_t>((bits[x / perByte] >> shift) & mask);
                        std::memcpy(out + x * 4, palette[index].data(), 4);
                    }
                });
}

void PictDecoder::indexedBits(std::uint16_t op) {
    const bool packed = op == 0x0098 || op == 0x0099;
    const bool withRegion = op == 0x0091 || op == 0x0099;
    const std::uint16_t rowBytesField = in_.u16("bitmap");
    const Rect bounds = readRect(in_);
    std::size_t depth = 1;
    Palette palette = blackAndWhite();
    if (rowBytesField & 0x8000) {
        depth = readPixMapHeader(in_).pixelSize;
        palette = readColorTable(in_);
    }
    const Rect source = readRect(in_);
    const Rect destination = readRect(in_);
    in_.skip(2, "bitmap"); // transfer mode
    if (withRegion) {
        skipRegion();
    }
    paintIndexed(in_, bounds, rowBytesField & 0x3FFF, depth, palette, packed, source, destination);
}

namespace {

// The packing a direct pixel map's rows have, as QuickDraw reads it: 0 is the
// default for the depth, and rows under eight bytes are never packed.
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

// One unpacked row of direct pixels as RGBA.
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

} // namespace

void PictDecoder::directBits(std::uint16_t op) {
    in_.skip(4, "direct pixels"); // baseAddr
    const std::size_t rowBytes = in_.u16("direct pixels") & 0x3FFF;
    const Rect bounds = readRect(in_);
    const PixMapHeader header = readPixMapHeader(in_);
    const Rect source = readRect(in_);
    const Rect destination = readRect(in_);
    in_.skip(2, "direct pixels"); // transfer mode
    if (op == opcode::directBitsRegion) {
        skipRegion();
    }
    const std::int64_t width = bounds.width();
    const std::int64_t height = bounds.height();
    if (auto problem = sizeProblem(width, height, in_.size())) {
        throw ReadFailure("pixel map: " + *problem);
    }
    const std::uint16_t size = header.pixelSize;
    const std::uint16_t packType = directPackType(header, rowBytes);
    const std::size_t components = header.componentCount == 4 ? 4 : 3;
    std::size_t rowLength = rowBytes;
    if (packType == 2) {
        rowLength = std::size_t(width) * 3;
    } else if (packType == 4) {
        rowLength = std::size_t(width) * components;
    }
    if ((packType == 1 || packType == 3) && rowBytes < std::size_t(width) * size / 8) {
        throw ReadFailure("pixel rows shorter than their width");
    }
    RowReader rows(in_, rowBytes, rowLength, packType == 3 || packType == 4, packType == 3 ? 2 : 1);
    const Rect local{source.top - bounds.top, source.left - bounds.left, source.bottom - bounds.top,
                     source.right - bounds.left};
    paintPixels(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), local,
                destination, [&](std::uint32_t, std::uint8_t* out) {
                    directRow(rows.next(), std::size_t(width), size, packType, components, out);
                });
}

void PictDecoder::paintPixels(std::uint32_t width, std::uint32_t height, Rect source,
                              Rect destination, const Canvas::RowFiller& fill) {
    if (!afterQuickTime_) {
        canvas_->paintRows(width, height, source, destination, fill);
        return;
    }
    std::vector<std::uint8_t> row(std::size_t{width} * 4);
    for (std::uint32_t y = 0; y < height; ++y) {
        fill(y, row.data());
    }
}

void PictDecoder::quickTime() {
    const std::uint32_t length = in_.u32("QuickTime image");
    ByteReader body(in_.take(length, "QuickTime image"));
    try {
        afterQuickTime_ = false;
        drawQuickTimeImage(body, *canvas_);
        afterQuickTime_ = true;
        ++drawn_;
    } catch (const BudgetExceeded&) {
        throw;
    } catch (const ReadFailure& error) {
        // The QuickDraw opcodes that follow may still draw something.
        skipped_ = error.what();
    }
}

// One opcode; false at the end of the picture.
bool PictDecoder::step() {
    std::uint16_t op = 0;
    if (version_ == 2) {
        in_.alignToWord();
    }
    opcodeAt_ = in_.position();
    if (version_ == 2) {
        op = in_.u16("opcode");
    } else {
        op = in_.u8("opcode");
    }
    if (op == opcode::endOfPicture) {
        return false;
    }
    if (op == opcode::headerOp && version_ == 2) {
        readExtendedHeader();
        return true;
    }
    if (drawing_) {
        drawing_->setSuppressed(afterQuickTime_);
    }
    if (setState(op) || setColour(op)) {
        return true;
    }
    if (const auto drew = drawShape(op)) {
        drawn_ += *drew ? 1 : 0;
        return true;
    }
    if (auto length = fixedLength(op, version_)) {
        in_.skip(*length, "opcode data");
        return true;
    }
    if (!readPixelData(op)) {
        skipOpcodeData(op);
    }
    return true;
}

// Text, pixel maps, comments and QuickTime: the opcodes with data of their own length.
bool PictDecoder::readPixelData(std::uint16_t op) {
    switch (op) {
    case opcode::longText:
    case opcode::dhText:
    case opcode::dvText:
    case opcode::dhdvText:
        drawText(op);
        ++drawn_;
        return true;
    case opcode::bitsRect:
    case opcode::bitsRegion:
    case opcode::packBitsRect:
    case opcode::packBitsRegion:
        indexedBits(op);
        ++drawn_;
        return true;
    case opcode::directBitsRect:
    case opcode::directBitsRegion:
        directBits(op);
        ++drawn_;
        return true;
    case opcode::longComment:
        longComment();
        return true;
    case opcode::compressedQuickTime:
        quickTime();
        return true;
    default:
        return false;
    }
}

// What is left: reserved opcodes, which say how long their data is, and
// regions and polygons of verbs QuickDraw never had.
void PictDecoder::skipOpcodeData(std::uint16_t op) {
    if ((op >= 0x0070 && op <= 0x0077) || (op >= 0x0080 && op <= 0x0087)) {
        skipRegion(); // polygons, too, start with their size
    } else if ((op >= 0x0024 && op <= 0x0027) || (op >= 0x002C && op <= 0x002F) ||
               (op >= 0x0092 && op <= 0x0097) || (op >= 0x009C && op <= 0x009F) ||
               (op >= 0x00A2 && op <= 0x00AF)) {
        skipSized16();
    } else if ((op >= 0x00D0 && op <= 0x00FE) || op >= 0x8100) {
        // Includes 0x8201, uncompressed QuickTime, whose pixels follow as
        // ordinary opcodes.
        in_.skip(in_.u32("opcode data"), "opcode data");
    } else {
        throw ReadFailure("unknown opcode " + std::to_string(op));
    }
}

// The pen, patterns, origin and text settings.
bool PictDecoder::setState(std::uint16_t op) {
    Drawing& draw = drawing();
    switch (op) {
    case opcode::clipRegion:
        draw.setClip(draw.readRegion(in_));
        return true;
    case opcode::backPattern:
        draw.setBackPattern(readPattern());
        return true;
    case opcode::textFont:
        font_ = fontFor(in_.u16("text font"), fontNames_, font_);
        return true;
    case opcode::textFace: {
        const std::uint8_t face = in_.u8("text face");
        font_.bold = (face & 1) != 0;
        font_.italic = (face & 2) != 0;
        return true;
    }
    case opcode::penSize: {
        const Point size = readPoint();
        draw.setPenSize(std::int64_t(size.x), std::int64_t(size.y));
        return true;
    }
    case opcode::penMode:
        draw.setPenMode(in_.u16("pen mode"));
        return true;
    case opcode::penPattern:
        draw.setPenPattern(readPattern());
        return true;
    case opcode::fillPattern:
        draw.setFillPattern(readPattern());
        return true;
    case opcode::ovalSize:
        ovalSize_ = readPoint();
        return true;
    case opcode::origin: {
        const std::int16_t dh = in_.s16("origin");
        draw.setOrigin(dh, in_.s16("origin"));
        return true;
    }
    case opcode::textSize:
        font_.size = in_.u16("text size");
        return true;
    case opcode::fontName:
        readFontName();
        return true;
    default:
        return false;
    }
}

bool PictDecoder::setColour(std::uint16_t op) {
    Drawing& draw = drawing();
    switch (op) {
    case opcode::foreColour:
    case opcode::backColour: {
        const auto colour = Drawing::classicColour(in_.u32("colour"));
        if (colour) {
            op == opcode::foreColour ? draw.setForeground(*colour) : draw.setBackground(*colour);
        }
        return true;
    }
    case opcode::backPixPat:
        draw.setBackPattern(readPixPat());
        return true;
    case opcode::penPixPat:
        draw.setPenPattern(readPixPat());
        return true;
    case opcode::fillPixPat:
        draw.setFillPattern(readPixPat());
        return true;
    case opcode::rgbForeColour:
    case opcode::rgbBackColour: {
        const Colour colour{scale16(in_.u16("colour")), scale16(in_.u16("colour")),
                            scale16(in_.u16("colour"))};
        op == opcode::rgbForeColour ? draw.setForeground(colour) : draw.setBackground(colour);
        return true;
    }
    default:
        return false;
    }
}

void PictDecoder::readFontName() {
    const std::uint16_t length = in_.u16("font name");
    ByteReader data(in_.take(length, "font name"));
    const std::uint16_t id = data.u16("font name");
    const std::uint8_t claimed = data.u8("font name");
    const auto name = data.take(std::min<std::size_t>(claimed, data.remaining()), "font name");
    fontNames_[id].assign(name.begin(), name.end());
}

bool PictDecoder::drawLine(std::uint16_t op) {
    if (op == opcode::line || op == opcode::shortLine) {
        penAt_ = readPoint();
    }
    Point to;
    if (op == opcode::line || op == opcode::lineFrom) {
        to = readPoint();
    } else if (op == opcode::shortLine || op == opcode::shortLineFrom) {
        const auto dh = static_cast<std::int8_t>(in_.u8("line"));
        const auto dv = static_cast<std::int8_t>(in_.u8("line"));
        to = {penAt_.x + dh, penAt_.y + dv};
    } else {
        return false;
    }
    drawing().line(penAt_, to);
    penAt_ = to;
    return true;
}

void PictDecoder::readPolygon() {
    const std::uint16_t size = in_.u16("polygon");
    if (size < 10 || (size - 10) % 4 != 0) {
        throw ReadFailure("polygon of " + std::to_string(size) + " bytes");
    }
    ByteReader points(in_.take(size - 2u, "polygon"));
    points.skip(8, "polygon"); // bounds
    lastPolygon_.clear();
    while (!points.atEnd()) {
        const double y = points.s16("polygon");
        lastPolygon_.push_back({double(points.s16("polygon")), y});
    }
}

std::optional<bool> PictDecoder::drawShape(std::uint16_t op) {
    if (drawLine(op)) {
        return true;
    }
    if (op < 0x0030 || op > 0x008F || (op & 7) > 4) {
        return std::nullopt;
    }
    // Shapes: frame, paint, erase, invert and fill, each of a shape given or
    // of the last one ("same", the second eight of each sixteen).
    Drawing& draw = drawing();
    const auto verb = static_cast<Verb>(op & 7);
    const bool same = (op & 8) != 0;
    switch (op & 0xF0) {
    case 0x30:
        lastRect_ = same ? lastRect_ : readRect(in_);
        draw.rect(verb, lastRect_);
        return true;
    case 0x40:
        lastRoundRect_ = same ? lastRoundRect_ : readRect(in_);
        draw.roundRect(verb, lastRoundRect_, std::int64_t(ovalSize_.x), std::int64_t(ovalSize_.y));
        return true;
    case 0x50:
        lastOval_ = same ? lastOval_ : readRect(in_);
        draw.oval(verb, lastOval_);
        return true;
    case 0x60: {
        lastArc_ = same ? lastArc_ : readRect(in_);
        const std::int16_t start = in_.s16("arc");
        draw.arc(verb, lastArc_, start, in_.s16("arc"));
        return true;
    }
    case 0x70:
        if (!same) {
            readPolygon();
        }
        draw.polygon(verb, lastPolygon_);
        return true;
    default: // 0x80
        if (!same) {
            lastRegion_ = draw.readRegion(in_);
        }
        if (lastRegion_) {
            draw.region(verb, *lastRegion_);
        }
        return true;
    }
}

void PictDecoder::drawText(std::uint16_t op) {
    if (op == 0x0028) {
        textAt_ = readPoint();
    } else {
        const double dh = op == 0x002A ? 0 : in_.u8("text");
        const double dv = op == 0x0029 ? 0 : in_.u8("text");
        textAt_ = {textAt_.x + dh, textAt_.y + dv};
    }
    // A count past the picture's end is cut to what is there.
    const std::uint8_t claimed = in_.u8("text");
    const std::size_t count = std::min<std::size_t>(claimed, in_.remaining());
    const auto text = in_.take(count, "text");
    drawing().text(textAt_, std::string_view(reinterpret_cast<const char*>(text.data()), count),
                   font_);
}

Image PictDecoder::run() {
    readHeader();
    try {
        while (!in_.atEnd() && step()) {
        }
    } catch (const BudgetExceeded&) {
        throw;
    } catch (const ReadFailure&) {
        // Cut short after a whole image (its end marker lost, say): show
        // what is there. Cut short inside an image: refuse.
        if (drawn_ == 0) {
            if (!skipped_.empty()) {
                throw ReadFailure(skipped_, ErrorKind::Unsupported);
            }
            throw;
        }
    }
    if (drawn_ == 0) {
        throw ReadFailure(skipped_.empty() ? "nothing in the picture can be drawn "
                                             "(no bitmap, pixel map or QuickTime image)"
                                           : skipped_,
                          ErrorKind::Unsupported);
    }
    Image picture = canvas_->take();
    picture.iccProfile = profileComplete_ ? std::move(profile_) : std::move(canvas_->profile());
    return picture;
}

} // namespace

ImageResult decodePict(std::span<const std::uint8_t> bytes, std::optional<Fit> fit) {
    PictDecoder decoder(bytes, fit);
    try {
        return decoder.run();
    } catch (const ReadFailure& failure) {
        ReadError error = failure.error();
        if (error.offset == ReadError::unplaced && error.kind != ErrorKind::Unsupported) {
            error.offset = decoder.offset();
        }
        return "not decodable: " + error.describe();
    } catch (const std::bad_alloc&) {
        return std::string("not decodable: out of memory");
    }
}

} // namespace scrivlette::image
