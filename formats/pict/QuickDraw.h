#pragma once

// QuickDraw's drawing: shapes, lines, regions, patterns and pen modes, drawn
// onto a canvas at its scale with QuickDraw's integer rules: no smoothing of
// shapes, the pen hangs below and to the right of its line, frames lie
// inside their shape.

#include "platform/ByteReader.h"
#include "platform/image/Budget.h"
#include "platform/image/Canvas.h"
#include "platform/image/Spans.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace scrivlette::image {

using Colour = std::array<std::uint8_t, 3>;

// An 8 x 8 one-bit pattern (1 takes the foreground colour), or a pixel
// pattern's colour tile.
struct Pattern {
    std::array<std::uint8_t, 8> bits{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::uint32_t tileWidth = 0; // a colour tile when not zero
    std::uint32_t tileHeight = 0;
    std::vector<Colour> tile;
};

enum class Verb { frame, paint, erase, invert, fill };

class Drawing {
public:
    explicit Drawing(Canvas& canvas) : canvas_(canvas) {}

    // State.
    void setPenSize(std::int64_t width, std::int64_t height) { pen_ = {width, height}; }
    void setPenMode(std::uint16_t mode) { penMode_ = mode; }
    void setPenPattern(Pattern pattern) { penPattern_ = std::move(pattern); }
    void setFillPattern(Pattern pattern) { fillPattern_ = std::move(pattern); }
    void setBackPattern(Pattern pattern) { backPattern_ = std::move(pattern); }
    void setForeground(Colour colour) { foreground_ = colour; }
    void setBackground(Colour colour) { background_ = colour; }
    // Classic QuickDraw's eight colours, by their old constants.
    static std::optional<Colour> classicColour(std::uint32_t value);
    void setClip(std::optional<Spans> clip) { clip_ = std::move(clip); }
    void setOrigin(std::int64_t dx, std::int64_t dy) { originX_ += dx, originY_ += dy; }
    // Shapes and text read but not drawn, while on.
    void setSuppressed(bool suppressed) { suppressed_ = suppressed; }

    // Shapes, in picture coordinates.
    void rect(Verb verb, Rect r);
    void roundRect(Verb verb, Rect r, std::int64_t ovalWidth, std::int64_t ovalHeight);
    void oval(Verb verb, Rect r);
    void arc(Verb verb, Rect r, std::int64_t startAngle, std::int64_t arcAngle);
    void polygon(Verb verb, std::span<const Point> points);
    void region(Verb verb, const Spans& region);
    void line(Point from, Point to);

    // A region's bytes (after its size) as canvas spans.
    Spans readRegion(ByteReader& in) const;
    // What a region or clip looks like for a whole-canvas clip.
    Spans rectSpans(Rect r) const;

    // Text at a picture point, in the current font.
    struct Font {
        std::string family = "sans-serif";
        double size = 12;
        bool bold = false;
        bool italic = false;
    };
    void text(Point at, std::string_view macRoman, const Font& font);

    double toX(double x) const;
    double toY(double y) const;

private:
    bool inClip(std::int64_t x, std::int64_t y) const;
    void fillShape(const Spans& shape, Verb verb);
    // A shape's pixels for its bounds in canvas coordinates (left, top,
    // right, bottom).
    using BoundedShape = std::function<Spans(double, double, double, double)>;
    Spans frameOf(Rect r, const BoundedShape& shape) const;
    // The oval inside a box in canvas pixels.
    Spans ovalIn(double left, double top, double right, double bottom) const;
    void drawBounded(Verb verb, Rect r, const BoundedShape& shape);
    void apply(const Spans& shape, const Pattern& pattern, std::uint16_t mode);
    void copyPattern(const Spans& shape, const Pattern& pattern, bool inverted);

    Canvas& canvas_;
    std::pair<std::int64_t, std::int64_t> pen_{1, 1};
    std::uint16_t penMode_ = 8; // patCopy
    Pattern penPattern_;
    Pattern fillPattern_;
    Pattern backPattern_{{0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, {}};
    Colour foreground_{0, 0, 0};
    Colour background_{255, 255, 255};
    std::optional<Spans> clip_;
    std::int64_t originX_ = 0;
    std::int64_t originY_ = 0;
    bool suppressed_ = false;
};

} // namespace scrivlette::image
