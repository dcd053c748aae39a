#pragma once

// Shapes as the pixels they cover, row by row: QuickDraw's way of drawing
// and clipping, in a canvas's integer pixel coordinates. Every shape is cut
// to the canvas, so its cost is the pixels it touches, not what it claims.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace scrivlette::image {

struct Point {
    double x = 0;
    double y = 0;
};

class Spans {
public:
    using Interval = std::pair<std::int64_t, std::int64_t>; // [first, end)

    // Nothing, on a canvas of `width` x `height`.
    Spans(std::int64_t width, std::int64_t height) : width_(width), rows_(std::size_t(height)) {}

    std::int64_t width() const { return width_; }
    std::int64_t height() const { return std::int64_t(rows_.size()); }
    const std::vector<Interval>& row(std::int64_t y) const { return rows_[std::size_t(y)]; }
    bool empty() const;
    std::int64_t area() const;

    // Adds [first, end) to row y, cut to the canvas; rows must be given
    // intervals that do not overlap, in order.
    void add(std::int64_t y, std::int64_t first, std::int64_t end);

    // What is in this and not in `other`; what is in both.
    Spans minus(const Spans& other) const;
    Spans intersect(const Spans& other) const;

    // Pixels whose centres lie in the shape.
    static Spans rect(std::int64_t width, std::int64_t height, std::int64_t left, std::int64_t top,
                      std::int64_t right, std::int64_t bottom);
    static Spans oval(std::int64_t width, std::int64_t height, double left, double top,
                      double right, double bottom);
    static Spans roundRect(std::int64_t width, std::int64_t height, double left, double top,
                           double right, double bottom, double ovalWidth, double ovalHeight);
    // QuickDraw's angles: 0 at twelve o'clock, clockwise, in degrees, taken
    // on the oval's own rectangle (45 passes through its corner).
    static Spans wedge(std::int64_t width, std::int64_t height, double left, double top,
                       double right, double bottom, double startAngle, double arcAngle);
    // Even-odd, with an active edge list: time in proportion to the rows
    // and the crossings, whatever the number of points.
    static Spans polygon(std::int64_t width, std::int64_t height, std::span<const Point> points);

private:
    std::int64_t width_;
    std::vector<std::vector<Interval>> rows_;
};

} // namespace scrivlette::image
