#include "Spans.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

} // namespace

bool Spans::empty() const {
    return std::all_of(rows_.begin(), rows_.end(), [](const auto& row) { return row.empty(); });
}

std::int64_t Spans::area() const {
    std::int64_t total = 0;
    for (const auto& row : rows_) {
        for (const auto& [first, end] : row) {
            total += end - first;
        }
    }
    return total;
}

void Spans::add(std::int64_t y, std::int64_t first, std::int64_t end) {
    if (y < 0 || y >= height()) {
        return;
    }
    first = std::max<std::int64_t>(first, 0);
    end = std::min(end, width_);
    if (first >= end) {
        return;
    }
    auto& row = rows_[std::size_t(y)];
    if (!row.empty() && row.back().second >= first) {
        row.back().second = std::max(row.back().second, end);
        return;
    }
    row.emplace_back(first, end);
}

Spans Spans::minus(const Spans& other) const {
    Spans out(width_, height());
    for (std::int64_t y = 0; y < height(); ++y) {
        const auto& cut = y < other.height() ? other.row(y) : std::vector<Interval>{};
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
    return out;
}

Spans Spans::intersect(const Spans& other) const {
    Spans out(width_, height());
    for (std::int64_t y = 0; y < std::min(height(), other.height()); ++y) {
        const auto& a = row(y);
        const auto& b = other.row(y);
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < a.size() && j < b.size()) {
            out.add(y, std::max(a[i].first, b[j].first), std::min(a[i].second, b[j].second));
            (a[i].second < b[j].second ? i : j) += 1;
        }
    }
    return out;
}

Spans Spans::rect(std::int64_t width, std::int64_t height, std::int64_t left, std::int64_t top,
                  std::int64_t right, std::int64_t bottom) {
    Spans out(width, height);
    for (std::int64_t y = std::max<std::int64_t>(top, 0); y < std::min(bottom, height); ++y) {
        out.add(y, left, right);
    }
    return out;
}

Spans Spans::oval(std::int64_t width, std::int64_t height, double left, double top, double right,
                  double bottom) {
    return roundRect(width, height, left, top, right, bottom, right - left, bottom - top);
}

Spans Spans::roundRect(std::int64_t width, std::int64_t height, double left, double top,
                       double right, double bottom, double ovalWidth, double ovalHeight) {
    Spans out(width, height);
    const double rx = std::clamp(ovalWidth, 0.0, right - left) / 2;
    const double ry = std::clamp(ovalHeight, 0.0, bottom - top) / 2;
    const std::int64_t first = clampTo(std::ceil(top - 0.5), 0, height);
    const std::int64_t end = clampTo(std::ceil(bottom - 0.5), 0, height);
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
    return out;
}

Spans Spans::wedge(std::int64_t width, std::int64_t height, double left, double top, double right,
                   double bottom, double startAngle, double arcAngle) {
    Spans whole = oval(width, height, left, top, right, bottom);
    if (std::abs(arcAngle) >= 360) {
        return whole;
    }
    if (arcAngle < 0) {
        startAngle += arcAngle;
        arcAngle = -arcAngle;
    }
    startAngle = std::fmod(std::fmod(startAngle, 360) + 360, 360);
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double w = std::max(right - left, 1e-9);
    const double h = std::max(bottom - top, 1e-9);
    Spans out(width, height);
    for (std::int64_t y = 0; y < whole.height(); ++y) {
        for (const auto& [first, end] : whole.row(y)) {
            std::int64_t runStart = -1;
            for (std::int64_t x = first; x < end; ++x) {
                const double nx = (double(x) + 0.5 - cx) / w;
                const double ny = (double(y) + 0.5 - cy) / h;
                double angle = std::atan2(nx, -ny) * 180 / std::numbers::pi;
                angle = std::fmod(angle - startAngle + 720, 360);
                const bool inside = angle <= arcAngle;
                if (inside && runStart < 0) {
                    runStart = x;
                } else if (!inside && runStart >= 0) {
                    out.add(y, runStart, x);
                    runStart = -1;
                }
            }
            if (runStart >= 0) {
                out.add(y, runStart, end);
            }
        }
    }
    return out;
}

Spans Spans::polygon(std::int64_t width, std::int64_t height, std::span<const Point> points) {
    Spans out(width, height);
    struct Edge {
        double yTop, yBottom, x, slope;
    };
    std::vector<Edge> edges;
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
