#pragma once

#include "platform/image/Image.h"

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

// The picture being drawn: the size of the picture's frame, allocated only
// when something is first drawn (a frame may claim far more than it holds).
class Canvas {
public:
    // `inputBytes` is the size of the whole picture, which bounds how large
    // a frame it can justify.
    Canvas(Rect frame, std::size_t inputBytes) : frame_(frame), inputBytes_(inputBytes) {}

    std::size_t inputBytes() const { return inputBytes_; }

    // Writes one row of a source picture, `width` RGBA pixels, to `out`.
    using RowFiller = std::function<void(std::uint32_t row, std::uint8_t* out)>;

    // Draws the `source` part of a `width` x `height` picture onto
    // `destination` (picture coordinates), scaled to fit. `fill` is called
    // once for every row, in order, whatever is clipped, since it reads the
    // picture's bytes as it goes.
    void paintRows(std::uint32_t width, std::uint32_t height, Rect source, Rect destination,
                   const RowFiller& fill);
    void paint(const Image& picture, Rect destination);

    bool painted() const { return painted_; }

    // The profile of the images painted, the first one offered: a canvas
    // takes one, and is converted as a whole once it is done.
    void offerProfile(std::vector<std::uint8_t> profile) {
        if (profile_.empty()) {
            profile_ = std::move(profile);
        }
    }
    std::vector<std::uint8_t>& profile() { return profile_; }
    Image take() { return std::move(image_); }

private:
    void allocate();

    Rect frame_;
    std::size_t inputBytes_;
    std::int64_t paintedPixels_ = 0;
    Image image_;
    bool painted_ = false;
    std::vector<std::uint8_t> row_;
    std::vector<std::size_t> columns_;
    std::vector<std::uint8_t> profile_;
};

} // namespace scrivlette::image
