#include "Spans.h"

#include "platform/image/Budget.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace scrivlette::image {
namespace {

// The first pixel whose centre is at or past `at`.
std::int64_t firstCentre(double at) {
    return static_cast<std::int64_t>(std::ceil(at - 0.5));
}

std::int64_t clampTo(double value, std::int64_t low, std::int64_t high) {
    if (!(value > double(low))) {
        return low;
    }
    if (value > double(high)) {
        return high;
    }
    return static_cast<std::int64_t>(value);
}

// The integers x for which a + b * x >= 0: [from, to).
struct HalfLine {
    std::int64_t from;
    std::int64_t to;
};

// What visiting a row costs, in pixels painted: a pixel is a few
// instructions, a row's set-up a few dozen.
constexpr std::int64_t rowCost = 24;

constexpr std::int64_t farLeft = -(std::int64_t{1} << 50);
constexpr std::int64_t farRight = std::int64_t{1} << 50;

HalfLine solve(double a, double b) {
    if (b == 0) {
        return a >= 0 ? HalfLine{farLeft, farRight} : HalfLine{farRight, farRight};
    }
    const double at = std::clamp(-a / b, double(farLeft), double(farRight));
    if (b > 0) {
        return {static_cast<std::int64_t>(std::ceil(at)), farRight};
    }
    return {farLeft, static_cast<std::int64_t>(std::floor(at)) + 1};
}

} // namespace

std::span<const Spans::Interval> Spans::row(std::int64_t y) const {
    if (y < top_ || y >= endRow()) {
        return {};
    }
    const auto index = std::size_t(y - top_);
    const std::size_t first = index == 0 ? 0 : rowEnds_[index - 1];
    return std::span<const Interval>(pieces_).subspan(first, rowEnds_[index] - first);
}

std::int64_t Spans::area() const {
    std::int64_t total = 0;
    for (const auto& [first, end] : pieces_) {
        total += end - first;
    }
    return total;
}

bool Spans::contains(std::int64_t x, std::int64_t y) const {
    const auto intervals = row(y);
    const auto after = std::upper_bound(
        intervals.begin(), intervals.end(), x,
        [](std::int64_t value, const Interval& interval) { return value < interval.first; });
    return after != intervals.begin() && x < std::prev(after)->second;
}

void Spans::add(std::int64_t y, std::int64_t first, std::int64_t end) {
    if (y < 0 || y >= height()) {
        return;
    }
    first = std::max<std::int64_t>(first, 0);
    end = std::min(end, width());
    if (first >= end) {
        return;
    }
    if (rowEnds_.empty()) {
        top_ = y;
    } else if (y < endRow() - 1) {
        throw std::logic_error("shape rows added out of order");
    }
    const std::size_t lastRowStart = rowEnds_.size() < 2 ? 0 : rowEnds_[rowEnds_.size() - 2];
    const bool inLastRow = y == endRow() - 1 && pieces_.size() > lastRowStart;
    if (inLastRow && pieces_.back().second >= first) {
        pieces_.back().second = std::max(pieces_.back().second, end);
        return;
    }
    if (extent_.budget && std::int64_t(pieces_.size()) >= extent_.budget->maxIntervals()) {
        throw BudgetExceeded("a shape of more than " +
                             std::to_string(extent_.budget->maxIntervals()) +
                             " pieces, more than the picture's size can hold");
    }
    rowEnds_.resize(std::size_t(y - top_ + 1), pieces_.size());
    pieces_.emplace_back(first, end);
    rowEnds_.back() = pieces_.size();
}

Spans Spans::minus(const Spans& other) const {
    Spans out(extent_);
    std::int64_t work = 0;
    for (std::int64_t y = firstRow(); y < endRow(); ++y) {
        const auto& cut = other.row(y);
        work += std::int64_t(cut.size() + row(y).size()) + rowCost;
        std::size_t at = 0;
        for (auto [first, end] : row(y)) {
            while (at < cut.size() && cut[at].second <= first) {
                ++at;
            }
            std::size_t next = at;
            while (first < end && next < cut.size() && cut[next].first < end) {
                out.add(y, first, std::min(end, cut[next].first));
                first = std::max(first, cut[next].second);
                ++next;
            }
            out.add(y, first, end);
        }
    }
    charge(work);
    return out;
}

Spans Spans::intersect(const Spans& other) const {
    Spans out(extent_);
    std::int64_t work = 0;
    const std::int64_t first = std::max(firstRow(), other.firstRow());
    const std::int64_t end = std::min(endRow(), other.endRow());
    for (std::int64_t y = first; y < end; ++y) {
        const auto& a = row(y);
        const auto& b = other.row(y);
        work += std::int64_t(a.size() + b.size()) + rowCost;
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < a.size() && j < b.size()) {
            out.add(y, std::max(a[i].first, b[j].first), std::min(a[i].second, b[j].second));
            (a[i].second < b[j].second ? i : j) += 1;
        }
    }
    charge(work);
    return out;
}

Spans Spans::moved(std::int64_t dx, std::int64_t dy) const {
    Spans out(extent_);
    for (std::int64_t y = firstRow(); y < endRow(); ++y) {
        for (const auto& [first, end] : row(y)) {
            out.add(y + dy, first + dx, end + dx);
        }
    }
    charge((endRow() - firstRow()) * rowCost + intervals());
    return out;
}

Spans Spans::rect(const Extent& extent, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom) {
    Spans out(extent);
    const std::int64_t first = std::max<std::int64_t>(top, 0);
    const std::int64_t end = std::min(bottom, extent.height);
    for (std::int64_t y = first; y < end; ++y) {
        out.add(y, left, right);
    }
    out.charge((end - first) * rowCost);
    return out;
}

Spans Spans::oval(const Extent& extent, double left, double top, double right, double bottom) {
    return roundRect(extent, left, top, right, bottom, right - left, bottom - top);
}

Spans Spans::roundRect(const Extent& extent, double left, double top, double right, double bottom,
                       double ovalWidth, double ovalHeight) {
    Spans out(extent);
    const double rx = std::clamp(ovalWidth, 0.0, right - left) / 2;
    const double ry = std::clamp(ovalHeight, 0.0, bottom - top) / 2;
    const std::int64_t first = clampTo(std::ceil(top - 0.5), 0, extent.height);
    const std::int64_t end = clampTo(std::ceil(bottom - 0.5), 0, extent.height);
    for (std::int64_t y = first; y < end; ++y) {
        const double centre = double(y) + 0.5;
        // How far the corner's oval pulls this row in from the rectangle.
        double inset = 0;
        const double fromEdge = std::min(centre - top, bottom - centre);
        if (ry > 0 && fromEdge < ry) {
            const double dy = (ry - fromEdge) / ry;
            inset = rx * (1 - std::sqrt(std::max(0.0, 1 - dy * dy)));
        }
        out.add(y, firstCentre(left + inset), firstCentre(right - inset));
    }
    out.charge((end - first) * rowCost);
    return out;
}

// A pixel is in the wedge when its centre lies clockwise of the start edge
// and anticlockwise of the end edge (both, for a wedge of at most half the
// oval; either, for more). On one row each test holds on one side of where
// the edge crosses the row, so a row costs the same at any size.
Spans Spans::wedge(const Extent& extent, double left, double top, double right, double bottom,
                   double startAngle, double arcAngle) {
    Spans whole = oval(extent, left, top, right, bottom);
    if (std::abs(arcAngle) >= 360) {
        return whole;
    }
    Spans out(extent);
    if (arcAngle == 0) {
        return out;
    }
    if (arcAngle < 0) {
        startAngle += arcAngle;
        arcAngle = -arcAngle;
    }
    constexpr double degree = 3.14159265358979323846 / 180;
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double w = std::max(right - left, 1e-9);
    const double h = std::max(bottom - top, 1e-9);
    // The edges' directions on the unit oval: 0 degrees is up.
    const double sx = std::sin(startAngle * degree), sy = -std::cos(startAngle * degree);
    const double ex = std::sin((startAngle + arcAngle) * degree);
    const double ey = -std::cos((startAngle + arcAngle) * degree);
    const bool narrow = arcAngle <= 180;
    const double offset = (0.5 - cx) / w;
    for (std::int64_t y = whole.firstRow(); y < whole.endRow(); ++y) {
        const double ny = (double(y) + 0.5 - cy) / h;
        // cross(start, p) >= 0 and cross(p, end) >= 0, as a + b * x >= 0.
        const HalfLine after = solve(sx * ny - sy * offset, -sy / w);
        const HalfLine before = solve(-(ex * ny - ey * offset), ey / w);
        for (const auto& [first, end] : whole.row(y)) {
            if (narrow) {
                out.add(y, std::max({first, after.from, before.from}),
                        std::min({end, after.to, before.to}));
                continue;
            }
            const bool afterFirst = after.from <= before.from;
            const HalfLine& a = afterFirst ? after : before;
            const HalfLine& b = afterFirst ? before : after;
            const std::int64_t aEnd = std::min(end, a.to);
            const std::int64_t bFirst = std::max(first, b.from);
            if (aEnd >= bFirst) { // they meet: one run
                out.add(y, std::max(first, a.from), std::max(aEnd, std::min(end, b.to)));
            } else {
                out.add(y, std::max(first, a.from), aEnd);
                out.add(y, bFirst, std::min(end, b.to));
            }
        }
    }
    out.charge((whole.endRow() - whole.firstRow()) * rowCost);
    return out;
}

Spans Spans::polygon(const Extent& extent, std::span<const Point> points) {
    Spans out(extent);
    const std::int64_t width = extent.width;
    const std::int64_t height = extent.height;
    struct Edge {
        double yTop, yBottom, x, slope;
    };
    std::vector<Edge> edges;
    out.charge(std::int64_t(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        Point a = points[i];
        Point b = points[(i + 1) % points.size()];
        if (a.y == b.y) {
            continue;
        }
        if (a.y > b.y) {
            std::swap(a, b);
        }
        edges.push_back({a.y, b.y, a.x, (b.x - a.x) / (b.y - a.y)});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    std::vector<const Edge*> active;
    std::vector<double> crossings;
    std::size_t next = 0;
    const std::int64_t first =
        edges.empty() ? height : clampTo(std::ceil(edges.front().yTop - 0.5), 0, height);
    for (std::int64_t y = first; y < height; ++y) {
        const double centre = double(y) + 0.5;
        while (next < edges.size() && edges[next].yTop <= centre) {
            active.push_back(&edges[next++]);
        }
        std::erase_if(active, [&](const Edge* edge) { return edge->yBottom <= centre; });
        if (active.empty()) {
            if (next == edges.size()) {
                break;
            }
            // Skip the empty rows to the next edge at once.
            y = std::max(y, clampTo(std::ceil(edges[next].yTop - 0.5), 0, height) - 1);
            continue;
        }
        // Each crossing is worked out and sorted.
        const auto crossing = std::int64_t(active.size());
        out.charge(rowCost + crossing * std::int64_t(std::bit_width(std::uint64_t(crossing)) + 1));
        crossings.clear();
        for (const Edge* edge : active) {
            if (edge->yTop <= centre) {
                crossings.push_back(edge->x + (centre - edge->yTop) * edge->slope);
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            out.add(y, firstCentre(std::max(crossings[i], -1.0)),
                    firstCentre(std::min(crossings[i + 1], double(width) + 1)));
        }
    }
    return out;
}

} // namespace scrivlette::image
