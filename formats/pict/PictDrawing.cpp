// The PICT opcodes that set QuickDraw's state and draw lines, shapes and text.

#include "formats/pict/PictDecoder.h"

namespace scrivlette::image::pict {
namespace {

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

} // namespace

Drawing& Decoder::drawing() {
    if (!drawing_) {
        drawing_.emplace(*canvas_);
    }
    drawing_->setSuppressed(afterQuickTime_);
    return *drawing_;
}

Pattern Decoder::readPattern() {
    Pattern pattern;
    const auto bits = in_.take(8, "pattern");
    std::copy(bits.begin(), bits.end(), pattern.bits.begin());
    return pattern;
}

Colour Decoder::readRgb() {
    const std::uint8_t r = scale16(in_.u16("colour"));
    const std::uint8_t g = scale16(in_.u16("colour"));
    return {r, g, scale16(in_.u16("colour"))};
}

// A pixel pattern: its old one-bit form, then (type 1) a small pixel map
// to tile with, or (type 2) one colour.
Pattern Decoder::readPixPat() {
    const std::uint16_t type = in_.u16("pattern");
    Pattern pattern = readPattern();
    if (type == 2) {
        return Pattern{{}, 1, 1, {readRgb()}};
    }
    if (type != 1) {
        return pattern;
    }
    PatternTile tile = readPatternTile(in_);
    Pattern tiled;
    tiled.tileWidth = tile.width;
    tiled.tileHeight = tile.height;
    tiled.tile = std::move(tile.colours);
    return tiled;
}

void Decoder::clipRegion(std::uint16_t) {
    Drawing& draw = drawing();
    draw.setClip(draw.readRegion(in_));
}

void Decoder::backPattern(std::uint16_t) {
    drawing().setBackPattern(readPattern());
}

void Decoder::penPattern(std::uint16_t) {
    drawing().setPenPattern(readPattern());
}

void Decoder::fillPattern(std::uint16_t) {
    drawing().setFillPattern(readPattern());
}

void Decoder::backPixPat(std::uint16_t) {
    drawing().setBackPattern(readPixPat());
}

void Decoder::penPixPat(std::uint16_t) {
    drawing().setPenPattern(readPixPat());
}

void Decoder::fillPixPat(std::uint16_t) {
    drawing().setFillPattern(readPixPat());
}

void Decoder::textFont(std::uint16_t) {
    font_ = fontFor(in_.u16("text font"), fontNames_, font_);
}

void Decoder::textFace(std::uint16_t) {
    const std::uint8_t face = in_.u8("text face");
    font_.bold = (face & 1) != 0;
    font_.italic = (face & 2) != 0;
}

void Decoder::textSize(std::uint16_t) {
    font_.size = in_.u16("text size");
}

void Decoder::fontName(std::uint16_t) {
    const std::uint16_t length = in_.u16("font name");
    ByteReader data(in_.take(length, "font name"));
    const std::uint16_t id = data.u16("font name");
    const std::uint8_t claimed = data.u8("font name");
    const auto name = data.take(std::min<std::size_t>(claimed, data.remaining()), "font name");
    fontNames_[id].assign(name.begin(), name.end());
}

void Decoder::penSize(std::uint16_t) {
    const Point size = readPoint();
    drawing().setPenSize(std::int64_t(size.x), std::int64_t(size.y));
}

void Decoder::penMode(std::uint16_t) {
    drawing().setPenMode(in_.u16("pen mode"));
}

void Decoder::ovalSize(std::uint16_t) {
    ovalSize_ = readPoint();
}

void Decoder::origin(std::uint16_t) {
    const std::int16_t dh = in_.s16("origin");
    drawing().setOrigin(dh, in_.s16("origin"));
}

void Decoder::foreColour(std::uint16_t) {
    if (const auto colour = Drawing::classicColour(in_.u32("colour"))) {
        drawing().setForeground(*colour);
    }
}

void Decoder::backColour(std::uint16_t) {
    if (const auto colour = Drawing::classicColour(in_.u32("colour"))) {
        drawing().setBackground(*colour);
    }
}

void Decoder::rgbForeColour(std::uint16_t) {
    drawing().setForeground(readRgb());
}

void Decoder::rgbBackColour(std::uint16_t) {
    drawing().setBackground(readRgb());
}

// Line and ShortLine start where they say, LineFrom and ShortLineFrom at the
// pen; the short ones end a signed byte's step away.
void Decoder::line(std::uint16_t op) {
    const bool fromPen = (op & 1) != 0;
    const bool isShort = (op & 2) != 0;
    if (!fromPen) {
        penAt_ = readPoint();
    }
    Point to;
    if (isShort) {
        const auto dh = static_cast<std::int8_t>(in_.u8("line"));
        const auto dv = static_cast<std::int8_t>(in_.u8("line"));
        to = {penAt_.x + dh, penAt_.y + dv};
    } else {
        to = readPoint();
    }
    drawing().line(penAt_, to);
    penAt_ = to;
}

// LongText starts at a point; DHText, DVText and DHDVText move from the last
// text by a byte across, down, or both.
void Decoder::text(std::uint16_t op) {
    if (op == 0x0028) {
        textAt_ = readPoint();
    } else {
        const double dh = (op & 1) ? in_.u8("text") : 0;
        const double dv = (op & 2) ? in_.u8("text") : 0;
        textAt_ = {textAt_.x + dh, textAt_.y + dv};
    }
    // A count past the picture's end is cut to what is there.
    const std::uint8_t claimed = in_.u8("text");
    const std::size_t count = std::min<std::size_t>(claimed, in_.remaining());
    const auto bytes = in_.take(count, "text");
    drawing().text(textAt_, std::string_view(reinterpret_cast<const char*>(bytes.data()), count),
                   font_);
}

void Decoder::readPolygon() {
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

// Each sixteen opcodes from 0x30 are one shape: its five verbs (frame, paint,
// erase, invert, fill) of a shape given, then of the last one ("same").
void Decoder::shape(std::uint16_t op) {
    Drawing& draw = drawing();
    const auto verb = static_cast<Verb>(op & 7);
    const bool same = (op & 8) != 0;
    switch (op & 0xF0) {
    case 0x30:
        lastRect_ = same ? lastRect_ : readRect(in_);
        draw.rect(verb, lastRect_);
        return;
    case 0x40:
        lastRoundRect_ = same ? lastRoundRect_ : readRect(in_);
        draw.roundRect(verb, lastRoundRect_, std::int64_t(ovalSize_.x), std::int64_t(ovalSize_.y));
        return;
    case 0x50:
        lastOval_ = same ? lastOval_ : readRect(in_);
        draw.oval(verb, lastOval_);
        return;
    case 0x60: {
        lastArc_ = same ? lastArc_ : readRect(in_);
        const std::int16_t start = in_.s16("arc");
        draw.arc(verb, lastArc_, start, in_.s16("arc"));
        return;
    }
    case 0x70:
        if (!same) {
            readPolygon();
        }
        draw.polygon(verb, lastPolygon_);
        return;
    default: // 0x80, regions
        if (!same) {
            lastRegion_ = draw.readRegion(in_);
        }
        if (lastRegion_) {
            draw.region(verb, *lastRegion_);
        }
        return;
    }
}

} // namespace scrivlette::image::pict
