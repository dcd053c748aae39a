// The PICT reader: the picture's header, the opcodes read in turn by their
// row in the opcode table, and the pixel maps, comments and QuickTime images
// among them. What sets QuickDraw's state and draws shapes, lines and text is
// in PictDrawing.cpp.

#include "Pict.h"

#include "formats/codecs/ColourManagement.h"
#include "formats/pict/PictDecoder.h"
#include "formats/pict/QuickTime.h"
#include "platform/image/Budget.h"

namespace scrivlette::image {
namespace pict {

void Decoder::readHeader() {
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
void Decoder::extendedHeader(std::uint16_t) {
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
void Decoder::longComment(std::uint16_t) {
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

void Decoder::quickTime(std::uint16_t) {
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

void Decoder::skipRegion() {
    const std::uint16_t size = in_.u16("region");
    if (size < 2) {
        throw ReadFailure("region smaller than its own size field");
    }
    in_.skip(size - 2, "region");
}

void Decoder::paintPixels(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                          const Canvas::RowFiller& fill) {
    if (!afterQuickTime_) {
        canvas_->paintRows(width, height, source, destination, fill);
        return;
    }
    std::vector<std::uint8_t> row(std::size_t{width} * 4);
    for (std::uint32_t y = 0; y < height; ++y) {
        fill(y, row.data());
    }
}

namespace {

// The part of a pixel map's bounds its source rectangle picks, in its own pixels.
Rect localSource(const Rect& source, const Rect& bounds) {
    return {source.top - bounds.top, source.left - bounds.left, source.bottom - bounds.top,
            source.right - bounds.left};
}

} // namespace

// BitsRect, BitsRgn, PackBitsRect and PackBitsRgn: a bitmap, or with the
// high bit of rowBytes an indexed pixel map; packed in 0x98 and 0x99, with a
// mask region in the odd ones.
void Decoder::indexedBits(std::uint16_t op) {
    const bool packed = (op & 0x08) != 0;
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
    if (op & 1) {
        skipRegion();
    }
    const std::int64_t width = bounds.width();
    const std::int64_t height = bounds.height();
    if (auto problem = sizeProblem(width, height, in_.size())) {
        throw ReadFailure("bitmap: " + *problem);
    }
    if (depth != 1 && depth != 2 && depth != 4 && depth != 8) {
        throw ReadFailure("indexed pixels of " + std::to_string(depth) + " bits");
    }
    const std::size_t rowBytes = rowBytesField & 0x3FFF;
    if (rowBytes * 8 < std::size_t(width) * depth) {
        throw ReadFailure("bitmap rows shorter than its width");
    }
    RowReader rows(in_, rowBytes, rowBytes, packed);
    paintPixels(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                localSource(source, bounds), destination, [&](std::uint32_t, std::uint8_t* out) {
                    indexedRow(rows.next(), std::size_t(width), depth, palette, out);
                });
}

// DirectBitsRect and DirectBitsRgn: 16- or 32-bit pixels, the second with a
// mask region.
void Decoder::directBits(std::uint16_t op) {
    in_.skip(4, "direct pixels"); // baseAddr
    const std::size_t rowBytes = in_.u16("direct pixels") & 0x3FFF;
    const Rect bounds = readRect(in_);
    const PixMapHeader header = readPixMapHeader(in_);
    const Rect source = readRect(in_);
    const Rect destination = readRect(in_);
    in_.skip(2, "direct pixels"); // transfer mode
    if (op & 1) {
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
    paintPixels(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                localSource(source, bounds), destination, [&](std::uint32_t, std::uint8_t* out) {
                    directRow(rows.next(), std::size_t(width), size, packType, components, out);
                });
}

// Passes over the data of an opcode that draws nothing we show.
void Decoder::skip(const Opcode& opcode, std::uint16_t op) {
    switch (opcode.length) {
    case Length::fixed:
        in_.skip(opcode.bytes, "opcode data");
        return;
    case Length::version:
        in_.skip(version_ == 1 ? 1 : 2, "opcode data");
        return;
    case Length::highByte:
        in_.skip(std::size_t(op >> 8) * 2, "opcode data");
        return;
    case Length::word:
        in_.skip(in_.u16("opcode data"), "opcode data");
        return;
    case Length::longWord:
        in_.skip(in_.u32("opcode data"), "opcode data");
        return;
    case Length::sizedRegion:
        skipRegion();
        return;
    case Length::read:
        break;
    }
    throw ReadFailure("unknown opcode " + std::to_string(op));
}

// One opcode; false at the end of the picture.
bool Decoder::step() {
    if (version_ == 2) {
        in_.alignToWord();
    }
    opcodeAt_ = in_.position();
    const std::uint16_t op = version_ == 2 ? in_.u16("opcode") : in_.u8("opcode");
    if (op == 0x00FF) { // OpEndPic
        return false;
    }
    if (drawing_) {
        drawing_->setSuppressed(afterQuickTime_);
    }
    const Opcode& opcode = opcodeFor(op);
    if (!opcode.handler) {
        skip(opcode, op);
        return true;
    }
    (this->*opcode.handler)(op);
    drawn_ += opcode.draws ? 1 : 0;
    return true;
}

Image Decoder::run() {
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

} // namespace pict

ImageResult decodePict(std::span<const std::uint8_t> bytes, std::optional<Fit> fit) {
    pict::Decoder decoder(bytes, fit);
    try {
        return decoder.run();
    } catch (const ReadFailure& failure) {
        ReadError error = failure.error();
        if (error.offset == ReadError::unplaced && error.kind != ErrorKind::Unsupported) {
            error.offset = decoder.offset();
        }
        error.message = "not decodable: " + error.message;
        return error;
    } catch (const std::bad_alloc&) {
        return ReadError::of(ErrorKind::TooLarge, "not decodable: out of memory");
    }
}

} // namespace scrivlette::image
