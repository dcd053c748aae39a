#include "QuickDraw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace scrivlette::image {
namespace {

// Pen and pattern transfer modes: the four operations and their "not" forms;
// the pattern modes (8-15) are the same operations. Arithmetic and hilite
// modes are drawn as copy.
enum class Operation { copy, orOp, xorOp, bic };

std::pair<Operation, bool> operationOf(std::uint16_t mode) {
    if (mode >= 8 && mode <= 15) {
        mode -= 8;
    }
    if (mode > 7) {
        return {Operation::copy, false};
    }
    return {static_cast<Operation>(mode & 3), (mode & 4) != 0};
}

std::int64_t rounded(double value) {
    return static_cast<std::int64_t>(std::llround(std::clamp(value, -1e12, 1e12)));
}

// A coordinate on the pixel grid: QuickDraw's shapes have integer corners.
double snapped(double value) {
    return std::round(std::clamp(value, -1e12, 1e12));
}

// Inversion points of two rows of a region combined: points in both cancel.
std::vector<std::int64_t> exclusiveOr(const std::vector<std::int64_t>& a,
                                      const std::vector<std::int64_t>& b) {
    std::vector<std::int64_t> out;
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

} // namespace

std::optional<Colour> Drawing::classicColour(std::uint32_t value) {
    switch (value) {
    case 33:
        return Colour{0, 0, 0};
    case 30:
        return Colour{255, 255, 255};
    case 205:
        return Colour{255, 0, 0};
    case 341:
        return Colour{0, 255, 0};
    case 409:
        return Colour{0, 0, 255};
    case 273:
        return Colour{0, 255, 255};
    case 137:
        return Colour{255, 0, 255};
    case 69:
        return Colour{255, 255, 0};
    default:
        return std::nullopt;
    }
}

double Drawing::toX(double x) const {
    return (x - double(originX_) - double(canvas_.frame().left)) * canvas_.scaleX();
}

double Drawing::toY(double y) const {
    return (y - double(originY_) - double(canvas_.frame().top)) * canvas_.scaleY();
}

Spans Drawing::rectSpans(Rect r) const {
    return Spans::rect(canvas_.extent(), rounded(toX(double(r.left))), rounded(toY(double(r.top))),
                       rounded(toX(double(r.right))), rounded(toY(double(r.bottom))));
}

Spans Drawing::readRegion(ByteReader& in) const {
    const std::uint16_t size = in.u16("region");
    if (size < 10) {
        throw ReadFailure("region smaller than its own header");
    }
    const Rect bounds{in.s16("region"), in.s16("region"), in.s16("region"), in.s16("region")};
    if (size == 10) {
        return rectSpans(bounds);
    }
    ByteReader data(in.take(size - 10u, "region"));
    Spans out(canvas_.extent());
    std::vector<std::int64_t> state; // inversion points in force, sorted
    std::vector<std::int64_t> points;
    std::int64_t from = bounds.top;
    const auto emit = [&](std::int64_t until) {
        const std::int64_t first = std::max<std::int64_t>(rounded(toY(double(from))), 0);
        const std::int64_t end = std::min<std::int64_t>(rounded(toY(double(until))), out.height());
        // Charged before the rows are made: a few bytes of inversion points
        // can stand for millions of pieces.
        canvas_.spend(std::max<std::int64_t>(0, end - first) *
                      (std::int64_t(state.size() / 2) + 1));
        for (std::int64_t y = first; y < end; ++y) {
            for (std::size_t i = 0; i + 1 < state.size(); i += 2) {
                out.add(y, rounded(toX(double(state[i]))), rounded(toX(double(state[i + 1]))));
            }
        }
    };
    while (data.remaining() >= 2) {
        const std::int16_t y = data.s16("region");
        if (y == 0x7FFF) {
            break;
        }
        points.clear();
        while (true) {
            const std::int16_t x = data.s16("region");
            if (x == 0x7FFF) {
                break;
            }
            points.push_back(x);
        }
        std::sort(points.begin(), points.end());
        emit(std::max<std::int64_t>(y, from));
        from = std::max<std::int64_t>(y, from);
        state = exclusiveOr(state, points);
    }
    return out;
}

namespace {

// What a transfer operation makes of a pixel the pattern has `on` or off
// there: false where the pixel stays as it is, else true with `colour` (the
// pen's, coming in) set to what it becomes.
inline bool transfer(Operation operation, bool on, Colour& colour, const Colour& background,
                     const std::uint8_t* pixel) {
    switch (operation) {
    case Operation::copy:
        if (!on) {
            colour = background;
        }
        return true;
    case Operation::orOp:
        return on;
    case Operation::xorOp:
        colour = {std::uint8_t(255 - pixel[0]), std::uint8_t(255 - pixel[1]),
                  std::uint8_t(255 - pixel[2])};
        return on;
    case Operation::bic:
        colour = background;
        return on;
    }
    return false;
}

} // namespace

void Drawing::apply(const Spans& shapeIn, const Pattern& pattern, std::uint16_t mode) {
    if (suppressed_) {
        return;
    }
    std::optional<Spans> clipped;
    if (clip_) {
        clipped = shapeIn.intersect(*clip_);
    }
    const Spans& shape = clipped ? *clipped : shapeIn;
    // Each piece costs its set-up as well as its pixels.
    canvas_.spend(shape.area() + 4 * shape.intervals());
    Image& pixels = canvas_.pixels();
    const auto [operation, inverted] = operationOf(mode);
    if (operation == Operation::copy) {
        copyPattern(shape, pattern, inverted);
        return;
    }
    // QuickDraw tiles patterns in the device's own pixels, from its corner:
    // a picture drawn smaller keeps them at their size rather than
    // shrinking them into something else.
    for (std::int64_t y = shape.firstRow(); y < shape.endRow(); ++y) {
        const std::int64_t py = y;
        for (const auto& [first, end] : shape.row(y)) {
            std::uint8_t* pixel = pixels.rgba.data() + (std::size_t(y) * pixels.width + first) * 4;
            for (std::int64_t x = first; x < end; ++x, pixel += 4) {
                const std::int64_t px = x;
                Colour pen = foreground_;
                bool on = true;
                if (pattern.tileWidth > 0) {
                    pen = pattern.tile[std::size_t(py % pattern.tileHeight) * pattern.tileWidth +
                                       std::size_t(px % pattern.tileWidth)];
                } else {
                    on = (pattern.bits[std::size_t(py & 7)] >> (7 - (px & 7)) & 1) != 0;
                }
                if (pixel[3] == 0) { // clear is paper: white
                    pixel[0] = pixel[1] = pixel[2] = 255;
                }
                if (transfer(operation, on != inverted, pen, background_, pixel)) {
                    pixel[0] = pen[0];
                    pixel[1] = pen[1];
                    pixel[2] = pen[2];
                    pixel[3] = 255;
                }
            }
        }
    }
}

// Copy modes set each pixel from the pattern alone, whatever was there:
// a row's colours are worked out once, then laid down.
void Drawing::copyPattern(const Spans& shape, const Pattern& pattern, bool inverted) {
    Image& pixels = canvas_.pixels();
    const std::size_t period = pattern.tileWidth > 0 ? pattern.tileWidth : 8;
    std::vector<std::array<std::uint8_t, 4>> colours(period);
    const auto opaque = [](const Colour& colour) {
        return std::array<std::uint8_t, 4>{colour[0], colour[1], colour[2], 255};
    };
    for (std::int64_t y = shape.firstRow(); y < shape.endRow(); ++y) {
        for (std::size_t k = 0; k < period; ++k) {
            if (pattern.tileWidth > 0) {
                colours[k] = opaque(
                    inverted ? background_
                             : pattern.tile[std::size_t(y % pattern.tileHeight) * period + k]);
            } else {
                const bool on = (pattern.bits[std::size_t(y & 7)] >> (7 - k) & 1) != 0;
                colours[k] = opaque(on != inverted ? foreground_ : background_);
            }
        }
        for (const auto& [first, end] : shape.row(y)) {
            std::uint8_t* pixel = pixels.rgba.data() + (std::size_t(y) * pixels.width + first) * 4;
            for (std::int64_t x = first; x < end; ++x, pixel += 4) {
                std::memcpy(pixel, colours[std::size_t(x) % period].data(), 4);
            }
        }
    }
}

void Drawing::fillShape(const Spans& shape, Verb verb) {
    switch (verb) {
    case Verb::frame:
    case Verb::paint:
        apply(shape, penPattern_, penMode_);
        return;
    case Verb::fill:
        apply(shape, fillPattern_, 8);
        return;
    case Verb::erase:
        apply(shape, backPattern_, 8);
        return;
    case Verb::invert:
        apply(shape, Pattern{}, 10); // patXor with black: every pixel turned over
        return;
    }
}

// The pen's outline of a shape: the shape less the same shape inset by the
// pen, so the frame lies inside it.
Spans Drawing::frameOf(Rect r, const BoundedShape& shape) const {
    const double left = toX(double(r.left));
    const double top = toY(double(r.top));
    const double right = toX(double(r.right));
    const double bottom = toY(double(r.bottom));
    const double penX = std::max(1.0, double(pen_.first) * canvas_.scaleX());
    const double penY = std::max(1.0, double(pen_.second) * canvas_.scaleY());
    Spans outer = shape(left, top, right, bottom);
    if (right - left <= 2 * penX || bottom - top <= 2 * penY) {
        return outer;
    }
    return outer.minus(shape(left + penX, top + penY, right - penX, bottom - penY));
}

// A shape given by its bounds: framed inside them with the pen, or filled.
void Drawing::drawBounded(Verb verb, Rect r, const BoundedShape& shape) {
    if (verb == Verb::frame) {
        if (pen_.first > 0 && pen_.second > 0) {
            fillShape(frameOf(r, shape), verb);
        }
        return;
    }
    fillShape(
        shape(toX(double(r.left)), toY(double(r.top)), toX(double(r.right)), toY(double(r.bottom))),
        verb);
}

void Drawing::rect(Verb verb, Rect r) {
    const Extent extent = canvas_.extent();
    const auto shape = [&](double left, double top, double right, double bottom) {
        return Spans::rect(extent, rounded(left), rounded(top), rounded(right), rounded(bottom));
    };
    drawBounded(verb, r, shape);
}

void Drawing::roundRect(Verb verb, Rect r, std::int64_t ovalWidth, std::int64_t ovalHeight) {
    const Extent extent = canvas_.extent();
    const double ow = double(ovalWidth) * canvas_.scaleX();
    const double oh = double(ovalHeight) * canvas_.scaleY();
    const auto shape = [&](double left, double top, double right, double bottom) {
        return Spans::roundRect(extent, snapped(left), snapped(top), snapped(right),
                                snapped(bottom), ow, oh);
    };
    drawBounded(verb, r, shape);
}

Spans Drawing::ovalIn(double left, double top, double right, double bottom) const {
    return Spans::oval(canvas_.extent(), snapped(left), snapped(top), snapped(right),
                       snapped(bottom));
}

void Drawing::oval(Verb verb, Rect r) {
    drawBounded(verb, r, [this](double left, double top, double right, double bottom) {
        return ovalIn(left, top, right, bottom);
    });
}

void Drawing::arc(Verb verb, Rect r, std::int64_t startAngle, std::int64_t arcAngle) {
    const Extent extent = canvas_.extent();
    const double left = toX(double(r.left));
    const double top = toY(double(r.top));
    const double right = toX(double(r.right));
    const double bottom = toY(double(r.bottom));
    const auto wedge = [&](double l, double t, double rt, double b) {
        return Spans::wedge(extent, snapped(l), snapped(t), snapped(rt), snapped(b),
                            double(startAngle), double(arcAngle));
    };
    if (verb == Verb::frame) {
        // The curve only, not the radii: the oval's outline within the wedge.
        if (pen_.first > 0 && pen_.second > 0) {
            const auto oval = [this](double l, double t, double rt, double b) {
                return ovalIn(l, t, rt, b);
            };
            fillShape(frameOf(r, oval).intersect(wedge(left, top, right, bottom)), verb);
        }
        return;
    }
    fillShape(wedge(left, top, right, bottom), verb);
}

void Drawing::polygon(Verb verb, std::span<const Point> points) {
    if (points.empty()) {
        return;
    }
    if (verb == Verb::frame) {
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            line(points[i], points[i + 1]);
        }
        return;
    }
    std::vector<Point> scaled;
    scaled.reserve(points.size());
    for (const Point& point : points) {
        scaled.push_back({double(rounded(toX(point.x))), double(rounded(toY(point.y)))});
    }
    fillShape(Spans::polygon(canvas_.extent(), scaled), verb);
}

void Drawing::region(Verb verb, const Spans& region) {
    if (verb == Verb::frame) {
        // Inside the region, within a pen of its edge: the region less
        // itself moved by the pen each way.
        Spans inner = region;
        const std::int64_t dx =
            std::max<std::int64_t>(1, rounded(double(pen_.first) * canvas_.scaleX()));
        const std::int64_t dy =
            std::max<std::int64_t>(1, rounded(double(pen_.second) * canvas_.scaleY()));
        for (const auto& [mx, my] : {std::pair{dx, 0L}, {-dx, 0L}, {0L, dy}, {0L, -dy}}) {
            inner = inner.intersect(region.moved(mx, my));
        }
        fillShape(region.minus(inner), verb);
        return;
    }
    fillShape(region, verb);
}

void Drawing::line(Point from, Point to) {
    if (pen_.first <= 0 || pen_.second <= 0) {
        return;
    }
    // The pen's rectangle, hanging below and to the right of each point,
    // swept from one end to the other: the hull of its two end positions.
    const double penX = std::max(1.0, double(pen_.first) * canvas_.scaleX());
    const double penY = std::max(1.0, double(pen_.second) * canvas_.scaleY());
    const double x0 = double(rounded(toX(from.x)));
    const double y0 = double(rounded(toY(from.y)));
    const double x1 = double(rounded(toX(to.x)));
    const double y1 = double(rounded(toY(to.y)));
    std::vector<Point> corners = {
        {x0, y0}, {x0 + penX, y0}, {x0 + penX, y0 + penY}, {x0, y0 + penY},
        {x1, y1}, {x1 + penX, y1}, {x1 + penX, y1 + penY}, {x1, y1 + penY}};
    std::sort(corners.begin(), corners.end(), [](const Point& a, const Point& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    // Andrew's monotone chain.
    const auto cross = [](const Point& o, const Point& a, const Point& b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    std::vector<Point> hull;
    for (int pass = 0; pass < 2; ++pass) {
        const std::size_t start = hull.size();
        for (const Point& p : corners) {
            while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0) {
                hull.pop_back();
            }
            hull.push_back(p);
        }
        hull.pop_back();
        std::reverse(corners.begin(), corners.end());
    }
    apply(Spans::polygon(canvas_.extent(), hull), penPattern_, penMode_);
}

} // namespace scrivlette::image
