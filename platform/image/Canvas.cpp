#include "Canvas.h"

#include "platform/ByteReader.h"
#include "platform/image/Budget.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace scrivlette::image {
namespace {

constexpr std::int64_t maxOverdraw = 16;
// Work any picture may do whatever its size: real pictures do at most a few
// times their canvas (the worst of ours, 3.4 times at thumbnail size).
constexpr std::int64_t freeWork = std::int64_t{1} << 20;

// The source span [first, end) that canvas position `at` of a `to`-long
// target covers in a `from`-long source starting at `start`.
std::pair<std::int64_t, std::int64_t> span(std::int64_t at, std::int64_t to, std::int64_t from,
                                           std::int64_t start) {
    const std::int64_t first = start + at * from / to;
    const std::int64_t end = start + (at + 1) * from / to;
    return {first, std::max(end, first + 1)};
}

} // namespace

Canvas::Canvas(Rect frame, std::size_t inputBytes, std::optional<Fit> fit)
    : frame_(frame), inputBytes_(inputBytes), fit_(fit) {
    std::tie(width_, height_) = fittedSize(frame.width(), frame.height(), fit);
}

std::optional<Fit> Canvas::fitFor(Rect destination) const {
    if (!fit_) {
        return std::nullopt;
    }
    const auto side = [](double value) {
        return static_cast<std::uint32_t>(std::clamp(std::ceil(value), 1.0, double(maxSide)));
    };
    return Fit{side(double(destination.width()) * scaleX()),
               side(double(destination.height()) * scaleY()), fit_->memory};
}

void Canvas::allocate() {
    if (painted_) {
        return;
    }
    if (frame_.width() > maxSide || frame_.height() > maxSide) {
        throw BudgetExceeded("picture frame: picture too large (" + std::to_string(frame_.width()) +
                             " x " + std::to_string(frame_.height()) + " pixels)");
    }
    if (auto problem = sizeProblem(width_, height_, inputBytes_)) {
        throw BudgetExceeded("picture frame: " + *problem);
    }
    image_ = blankImage(static_cast<std::uint32_t>(width_), static_cast<std::uint32_t>(height_));
    painted_ = true;
}

Extent Canvas::extent() {
    allocate();
    if (!spanBudget_) {
        // A real shape has a few pieces a row; one for every 16 pixels of
        // the canvas (1 byte a pixel, a quarter of the canvas) is far past any.
        spanBudget_.emplace([this](std::int64_t units) { spend(units); },
                            width_ * height_ / 16 + 65536);
    }
    return Extent{width_, height_, &*spanBudget_};
}

void Canvas::spend(std::int64_t pixels) {
    // Scaling lets a few bytes paint the whole frame; many such images would
    // cost time without bound, and no real picture paints its frame over
    // more than a few times.
    paintedPixels_ += pixels;
    if (paintedPixels_ > maxOverdraw * width_ * height_ + freeWork) {
        throw BudgetExceeded("the picture asks for more drawing than painting its frame over " +
                             std::to_string(maxOverdraw) + " times");
    }
}

Canvas::Placement Canvas::place(std::uint32_t width, std::uint32_t height, Rect source,
                                Rect destination) const {
    Placement at;
    source.top = std::max<std::int64_t>(source.top, 0);
    source.left = std::max<std::int64_t>(source.left, 0);
    source.bottom = std::min<std::int64_t>(source.bottom, height);
    source.right = std::min<std::int64_t>(source.right, width);
    at.source = source;
    // Destination in canvas pixels, and the part of it on the canvas.
    const auto across = [&](std::int64_t x) { return (x - frame_.left) * width_ / frame_.width(); };
    const auto down = [&](std::int64_t y) { return (y - frame_.top) * height_ / frame_.height(); };
    const Rect target{down(destination.top), across(destination.left), down(destination.bottom),
                      across(destination.right)};
    at.target = target;
    at.firstRow = std::max<std::int64_t>(target.top, 0);
    at.endRow = std::min(target.bottom, height_);
    at.firstColumn = std::max<std::int64_t>(target.left, 0);
    at.endColumn = std::min(target.right, width_);
    at.visible = !source.empty() && !target.empty() && at.firstRow < at.endRow &&
                 at.firstColumn < at.endColumn;
    // Rows that land whole and unscaled are written straight into the canvas.
    at.direct = at.visible && source.left == 0 && source.width() == width &&
                source.width() == target.width() && source.height() == target.height() &&
                target.left >= 0 && target.right <= width_;
    at.columns = at.visible ? std::size_t(at.endColumn - at.firstColumn) : 0;
    at.shrinks = source.width() > target.width() || source.height() > target.height();
    return at;
}

void Canvas::paintRows(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                       const RowFiller& fill) {
    allocate();
    const Placement at = place(width, height, source, destination);
    if (at.visible) {
        spend((at.endRow - at.firstRow) * (at.endColumn - at.firstColumn));
    }
    row_.resize(std::size_t{width} * 4);
    // Each canvas column's first source byte, and its span when it shrinks.
    columns_.clear();
    for (std::int64_t x = at.firstColumn; at.visible && !at.direct && x < at.endColumn; ++x) {
        const auto [first, end] =
            span(x - at.target.left, at.target.width(), at.source.width(), at.source.left);
        columns_.push_back(std::size_t(first));
        columns_.push_back(std::size_t(end));
    }
    reduced_.resize(at.columns * 4);
    sums_.assign(at.shrinks ? at.columns * 4 : 0, 0);
    std::uint64_t weight = 0;

    std::int64_t nextRow = at.firstRow;
    for (std::uint32_t row = 0; row < height; ++row) {
        if (at.direct) {
            const std::int64_t y = at.target.top + (row - at.source.top);
            if (row >= at.source.top && row < at.source.bottom && y >= 0 && y < height_) {
                fill(row, image_.rgba.data() + (std::size_t(y) * width_ + at.target.left) * 4);
            } else {
                fill(row, row_.data());
            }
            continue;
        }
        fill(row, row_.data());
        if (!at.visible || nextRow >= at.endRow) {
            continue;
        }
        if (at.shrinks) {
            shrinkRow(at, row, nextRow, weight);
        } else {
            growRow(at, row, nextRow);
        }
    }
}

// Growing: canvas row y shows source row top + (y - t) * h / H.
void Canvas::growRow(const Placement& at, std::uint32_t row, std::int64_t& nextRow) {
    while (nextRow < at.endRow &&
           span(nextRow - at.target.top, at.target.height(), at.source.height(), at.source.top)
                   .first == row) {
        std::uint8_t* out = image_.rgba.data() + std::size_t(nextRow) * width_ * 4;
        for (std::size_t x = 0; x < at.columns; ++x) {
            std::memcpy(out + (at.firstColumn + x) * 4, row_.data() + columns_[x * 2] * 4, 4);
        }
        ++nextRow;
    }
}

// Shrinking: a box filter. Colours are weighted by their alpha, so a
// transparent pixel lends no colour to its neighbours.
void Canvas::shrinkRow(const Placement& at, std::uint32_t row, std::int64_t& nextRow,
                       std::uint64_t& weight) {
    auto [firstSource, endSource] =
        span(nextRow - at.target.top, at.target.height(), at.source.height(), at.source.top);
    if (row < firstSource) {
        return;
    }
    for (std::size_t x = 0; x < at.columns; ++x) {
        std::uint64_t* sum = &sums_[x * 4];
        for (std::size_t from = columns_[x * 2]; from < columns_[x * 2 + 1]; ++from) {
            const std::uint8_t* pixel = row_.data() + from * 4;
            sum[0] += std::uint64_t{pixel[0]} * pixel[3];
            sum[1] += std::uint64_t{pixel[1]} * pixel[3];
            sum[2] += std::uint64_t{pixel[2]} * pixel[3];
            sum[3] += pixel[3];
        }
    }
    ++weight;
    while (row + 1 >= std::uint32_t(endSource)) {
        emitShrunkRow(at, nextRow, weight);
        ++nextRow;
        if (nextRow >= at.endRow) {
            break;
        }
        const auto next =
            span(nextRow - at.target.top, at.target.height(), at.source.height(), at.source.top);
        endSource = next.second;
        if (next.first <= std::int64_t(row)) {
            continue; // growing down while shrinking across: the same row again
        }
        std::fill(sums_.begin(), sums_.end(), 0);
        weight = 0;
        break;
    }
}

void Canvas::emitShrunkRow(const Placement& at, std::int64_t y, std::uint64_t weight) {
    std::uint8_t* out = image_.rgba.data() + std::size_t(y) * width_ * 4;
    for (std::size_t x = 0; x < at.columns; ++x) {
        const std::uint64_t* sum = &sums_[x * 4];
        std::uint8_t* pixel = out + (at.firstColumn + x) * 4;
        const std::uint64_t count = weight * (columns_[x * 2 + 1] - columns_[x * 2]);
        if (sum[3] == 0) {
            std::memset(pixel, 0, 4);
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            pixel[c] = static_cast<std::uint8_t>((sum[c] + sum[3] / 2) / sum[3]);
        }
        pixel[3] = static_cast<std::uint8_t>((sum[3] + count / 2) / count);
    }
}

void Canvas::paint(const Image& picture, Rect destination) {
    const std::size_t rowBytes = std::size_t{picture.width} * 4;
    paintRows(picture.width, picture.height, Rect{0, 0, picture.height, picture.width}, destination,
              [&](std::uint32_t row, std::uint8_t* out) {
                  std::memcpy(out, picture.rgba.data() + row * rowBytes, rowBytes);
              });
}

} // namespace scrivlette::image
