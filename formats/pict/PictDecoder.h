#pragma once

// The PICT reader's own workings, shared by its files: the decoder, and the
// table of opcodes it reads by.

#include "formats/pict/PixMap.h"
#include "formats/pict/QuickDraw.h"
#include "platform/ByteReader.h"
#include "platform/image/Canvas.h"
#include "platform/image/Image.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette::image::pict {

class Decoder;

// How the reader finds where an opcode's data ends.
enum class Length {
    fixed,       // `bytes` bytes
    version,     // one byte in a version 1 picture, two in version 2
    highByte,    // reserved: the opcode's high byte counts words
    word,        // a 16-bit count of bytes first
    longWord,    // a 32-bit count of bytes first
    sizedRegion, // a region or polygon, which starts with its own size
    read,        // the handler reads it
};

// One row of Apple's table of PICT opcodes (Inside Macintosh: Imaging With
// QuickDraw, appendix A), for one opcode or a range of them.
struct Opcode {
    std::uint16_t first;
    std::uint16_t last;
    std::string_view name;
    Length length;
    std::uint8_t bytes = 0;
    void (Decoder::*handler)(std::uint16_t op) = nullptr;
    bool draws = false; // a picture that does this has something to show
};

// The row for `op`; every opcode has one.
const Opcode& opcodeFor(std::uint16_t op);

class Decoder {
public:
    Decoder(std::span<const std::uint8_t> bytes, std::optional<Fit> fit) : in_(bytes), fit_(fit) {}
    Image run();
    // Where the opcode being read started, or the reading stopped.
    std::size_t offset() const { return opcodeAt_; }

    // Handlers, each reading its opcode's data.
    void extendedHeader(std::uint16_t op);
    void longComment(std::uint16_t op);
    void quickTime(std::uint16_t op);
    void indexedBits(std::uint16_t op);
    void directBits(std::uint16_t op);
    void clipRegion(std::uint16_t op);
    void backPattern(std::uint16_t op);
    void penPattern(std::uint16_t op);
    void fillPattern(std::uint16_t op);
    void backPixPat(std::uint16_t op);
    void penPixPat(std::uint16_t op);
    void fillPixPat(std::uint16_t op);
    void textFont(std::uint16_t op);
    void textFace(std::uint16_t op);
    void textSize(std::uint16_t op);
    void fontName(std::uint16_t op);
    void penSize(std::uint16_t op);
    void penMode(std::uint16_t op);
    void ovalSize(std::uint16_t op);
    void origin(std::uint16_t op);
    void foreColour(std::uint16_t op);
    void backColour(std::uint16_t op);
    void rgbForeColour(std::uint16_t op);
    void rgbBackColour(std::uint16_t op);
    void line(std::uint16_t op);
    void text(std::uint16_t op);
    void shape(std::uint16_t op);

private:
    void readHeader();
    bool step();
    void skip(const Opcode& opcode, std::uint16_t op);
    void skipRegion();
    void paintPixels(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                     const Canvas::RowFiller& fill);
    Pattern readPattern();
    Pattern readPixPat();
    Colour readRgb();
    Point readPoint() {
        const double y = in_.s16("point");
        return {double(in_.s16("point")), y};
    }
    void readPolygon();
    // QuickDraw's drawing state: the pen, the last shapes for the "same"
    // opcodes, the text.
    Drawing& drawing();

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

} // namespace scrivlette::image::pict
