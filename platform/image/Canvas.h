#pragma once

#include "platform/image/Image.h"
#include "platform/image/Spans.h"

#include <functional>

namespace scrivlette::image {

// A rectangle in QuickDraw's coordinates: top and left inside, bottom and
// right outside.
struct Rect {
    std::int64_t top = 0, left = 0, bottom = 0, right = 0;
    std::int64_t width() const { return right - left; }
    std::int64_t height() const { return bottom - top; }
    bool empty() const { return width() <= 0 || height() <= 0; }
};

// The picture being drawn: its frame, drawn at the frame's size or smaller
// to fit a box, allocated only when something is first drawn (a frame may
// claim far more than it holds).
class Canvas {
public:
    // `inputBytes` is the size of the whole picture, which bounds how large
    // a canvas it can justify.
    Canvas(Rect frame, std::size_t inputBytes, std::optional<Fit> fit = std::nullopt);

    // The box the canvas was fitted to, if any, for the images painted on it:
    // they need be no larger than the part of the canvas they cover.
    std::optional<Fit> fitFor(Rect destination) const;

    std::size_t inputBytes() const { return inputBytes_; }
    Rect frame() const { return frame_; }
    // Canvas pixels per picture unit, across and down (1 unless fitted).
    double scaleX() const { return double(width_) / double(frame_.width()); }
    double scaleY() const { return double(height_) / double(frame_.height()); }

    // Writes one row of a source picture, `width` RGBA pixels, to `out`.
    using RowFiller = std::function<void(std::uint32_t row, std::uint8_t* out)>;

    // Draws the `source` part of a `width` x `height` picture onto
    // `destination` (picture coordinates), scaled to fit: averaged over the
    // pixels that meet in one where it shrinks, repeated where it grows.
    // `fill` is called once for every row, in order, whatever is clipped,
    // since it reads the picture's bytes as it goes.
    void paintRows(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                   const RowFiller& fill);
    void paint(const Image& picture, Rect destination);

    // The canvas's pixels, allocated on first use; for drawing.
    Image& pixels() {
        allocate();
        return image_;
    }
    bool painted() const { return painted_; }
    Image take() { return std::move(image_); }

    // The profile of the images painted, the first one offered: a canvas
    // takes one, and is converted as a whole once it is done.
    void offerProfile(std::vector<std::uint8_t> profile) {
        if (profile_.empty()) {
            profile_ = std::move(profile);
        }
    }
    std::vector<std::uint8_t>& profile() { return profile_; }

    // Counts work done on the canvas against what its picture may cost:
    // pixels painted, and the rows and pieces of the shapes drawn.
    void spend(std::int64_t pixels);
    // The canvas as shapes are cut to it and charged to its budget.
    Extent extent();

private:
    // Where a source picture lands on the canvas, and how.
    struct Placement {
        Rect source; // cut to the picture
        Rect target; // in canvas pixels
        std::int64_t firstRow = 0, endRow = 0, firstColumn = 0, endColumn = 0;
        bool visible = false; // any of it on the canvas
        bool direct = false;  // whole rows unscaled, written in place
        bool shrinks = false;
        std::size_t columns = 0;
    };

    void allocate();
    Placement place(std::uint32_t width, std::uint32_t height, Rect source, Rect destination) const;
    void growRow(const Placement& at, std::uint32_t row, std::int64_t& nextRow);
    void shrinkRow(const Placement& at, std::uint32_t row, std::int64_t& nextRow,
                   std::uint64_t& weight);
    void emitShrunkRow(const Placement& at, std::int64_t y, std::uint64_t weight);

    Rect frame_;
    std::size_t inputBytes_;
    std::optional<Fit> fit_;
    std::int64_t width_ = 0;
    std::int64_t height_ = 0;
    std::int64_t paintedPixels_ = 0;
    Image image_;
    bool painted_ = false;
    std::vector<std::uint8_t> row_;
    std::vector<std::size_t> columns_;
    std::vector<std::uint8_t> reduced_;
    std::vector<std::uint64_t> sums_;
    std::vector<std::uint8_t> profile_;
    std::optional<SpanBudget> spanBudget_;
};

} // namespace scrivlette::image
