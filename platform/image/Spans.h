#pragma once

// Shapes as the pixels they cover, row by row: QuickDraw's way of drawing
// and clipping, in a canvas's integer pixel coordinates. Every shape is cut
// to the canvas and holds only the rows it covers, so its cost is the rows
// and pixels it touches, not what it claims or the canvas's height.

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace scrivlette::image {

struct Point {
    double x = 0;
    double y = 0;
};

// What building shapes costs on one canvas: each row visited and each
// interval made is charged (the charge may throw to stop), and a shape of
// more intervals than the canvas can justify is refused before it is held.
class SpanBudget {
public:
    using Charge = std::function<void(std::int64_t units)>;
    SpanBudget(Charge charge, std::int64_t maxIntervals)
        : charge_(std::move(charge)), maxIntervals_(maxIntervals) {}
    void charge(std::int64_t units) const {
        if (charge_ && units > 0) {
            charge_(units);
        }
    }
    std::int64_t maxIntervals() const { return maxIntervals_; }

private:
    Charge charge_;
    std::int64_t maxIntervals_;
};

// The canvas shapes are cut to, and the budget they are charged to (none:
// free, for tests).
struct Extent {
    std::int64_t width = 0;
    std::int64_t height = 0;
    const SpanBudget* budget = nullptr;
};

class Spans {
public:
    using Interval = std::pair<std::int64_t, std::int64_t>; // [first, end)

    // Nothing, on the canvas of `extent`.
    explicit Spans(const Extent& extent) : extent_(extent) {}

    const Extent& extent() const { return extent_; }
    std::int64_t width() const { return extent_.width; }
    std::int64_t height() const { return extent_.height; }
    // The rows that may hold intervals: [firstRow, endRow).
    std::int64_t firstRow() const { return top_; }
    std::int64_t endRow() const { return top_ + std::int64_t(rowEnds_.size()); }
    std::span<const Interval> row(std::int64_t y) const;
    bool empty() const { return pieces_.empty(); }
    std::int64_t intervals() const { return std::int64_t(pieces_.size()); }
    std::int64_t area() const;
    // Whether pixel (x, y) is in the shape.
    bool contains(std::int64_t x, std::int64_t y) const;

    // Adds [first, end) to row y, cut to the canvas; rows must be given
    // in order, each its intervals in order (anything else is a bug).
    void add(std::int64_t y, std::int64_t first, std::int64_t end);

    // What is in this and not in `other`; what is in both.
    Spans minus(const Spans& other) const;
    Spans intersect(const Spans& other) const;
    // The shape moved by (dx, dy).
    Spans moved(std::int64_t dx, std::int64_t dy) const;

    // Pixels whose centres lie in the shape.
    static Spans rect(const Extent& extent, std::int64_t left, std::int64_t top, std::int64_t right,
                      std::int64_t bottom);
    static Spans oval(const Extent& extent, double left, double top, double right, double bottom);
    static Spans roundRect(const Extent& extent, double left, double top, double right,
                           double bottom, double ovalWidth, double ovalHeight);
    // QuickDraw's angles: 0 at twelve o'clock, clockwise, in degrees, taken
    // on the oval's own rectangle (45 passes through its corner). Worked out
    // a row at a time from where the two edges cross it.
    static Spans wedge(const Extent& extent, double left, double top, double right, double bottom,
                       double startAngle, double arcAngle);
    // Even-odd, with an active edge list: time in proportion to the rows
    // and the crossings, whatever the number of points.
    static Spans polygon(const Extent& extent, std::span<const Point> points);

private:
    void charge(std::int64_t units) const {
        if (extent_.budget) {
            extent_.budget->charge(units);
        }
    }

    Extent extent_;
    // One array of pieces, row after row, and where each row's end: a row
    // costs a number, not an allocation.
    std::int64_t top_ = 0;
    std::vector<std::size_t> rowEnds_;
    std::vector<Interval> pieces_;
};

} // namespace scrivlette::image
