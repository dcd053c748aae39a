#include "Canvas.h"

#include "platform/image/ByteCursor.h"

#include <algorithm>
#include <cstring>

namespace scrivlette::image {
namespace {

constexpr std::int64_t maxOverdraw = 16;

} // namespace

void Canvas::allocate() {
    if (painted_) {
        return;
    }
    if (auto problem = sizeProblem(frame_.width(), frame_.height(), inputBytes_)) {
        throw BudgetExceeded("picture frame: " + *problem);
    }
    image_ = blankImage(static_cast<std::uint32_t>(frame_.width()),
                        static_cast<std::uint32_t>(frame_.height()));
    painted_ = true;
}

void Canvas::paintRows(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                       const RowFiller& fill) {
    allocate();
    source.top = std::max<std::int64_t>(source.top, 0);
    source.left = std::max<std::int64_t>(source.left, 0);
    source.bottom = std::min<std::int64_t>(source.bottom, height);
    source.right = std::min<std::int64_t>(source.right, width);
    const std::int64_t canvasWidth = image_.width;
    const std::int64_t canvasHeight = image_.height;
    // Destination in canvas coordinates, and the part of it on the canvas.
    const Rect target{destination.top - frame_.top, destination.left - frame_.left,
                      destination.bottom - frame_.top, destination.right - frame_.left};
    const std::int64_t firstRow = std::max<std::int64_t>(target.top, 0);
    const std::int64_t endRow = std::min(target.bottom, canvasHeight);
    const std::int64_t firstColumn = std::max<std::int64_t>(target.left, 0);
    const std::int64_t endColumn = std::min(target.right, canvasWidth);
    const bool visible =
        !source.empty() && !target.empty() && firstRow < endRow && firstColumn < endColumn;
    // Rows that land whole and unscaled are written straight into the canvas.
    const bool direct = visible && source.left == 0 && source.width() == width &&
                        source.width() == target.width() && source.height() == target.height() &&
                        target.left >= 0 && target.right <= canvasWidth;

    // Scaling lets a few bytes paint the whole frame; many such images would
    // cost time without bound, and no real picture paints its frame over
    // more than a few times.
    if (visible) {
        paintedPixels_ += (endRow - firstRow) * (endColumn - firstColumn);
        if (paintedPixels_ > maxOverdraw * canvasWidth * canvasHeight + freePixels) {
            throw BudgetExceeded("the picture paints its frame over more than " +
                                 std::to_string(maxOverdraw) + " times");
        }
    }
    row_.resize(std::size_t{width} * 4);
    // Nearest neighbour across: the source byte of each canvas column, once.
    columns_.clear();
    for (std::int64_t x = firstColumn; visible && !direct && x < endColumn; ++x) {
        columns_.push_back(
            std::size_t(source.left + (x - target.left) * source.width() / target.width()) * 4);
    }
    std::int64_t nextRow = firstRow;
    for (std::uint32_t row = 0; row < height; ++row) {
        if (direct) {
            const std::int64_t y = target.top + (row - source.top);
            if (row >= source.top && row < source.bottom && y >= 0 && y < canvasHeight) {
                fill(row, image_.rgba.data() + (std::size_t(y) * canvasWidth + target.left) * 4);
            } else {
                fill(row, row_.data());
            }
            continue;
        }
        fill(row, row_.data());
        if (!visible) {
            continue;
        }
        // Nearest neighbour: canvas row y shows source row top + (y - t) * h / H.
        while (nextRow < endRow) {
            const std::int64_t from =
                source.top + (nextRow - target.top) * source.height() / target.height();
            if (from != row) {
                break;
            }
            std::uint8_t* out = image_.rgba.data() + std::size_t(nextRow) * canvasWidth * 4;
            for (std::int64_t x = firstColumn; x < endColumn; ++x) {
                std::memcpy(out + x * 4, row_.data() + columns_[x - firstColumn], 4);
            }
            ++nextRow;
        }
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
