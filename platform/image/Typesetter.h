#pragma once

// Text drawn onto pictures with the faces a Linux desktop has: fontconfig
// finds a face for a family and style, and for each character the face
// lacks (Chinese, say) one that has it; FreeType draws the glyphs. No Qt.

#include "platform/image/Image.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace scrivlette::image {

struct TextStyle {
    std::string family = "sans-serif"; // a fontconfig family or alias
    double pixelSize = 12;
    bool bold = false;
    bool italic = false;
    std::array<std::uint8_t, 3> colour{0, 0, 0};
};

// The largest text drawn, in pixels: past it, glyphs cost more than any
// picture shows.
inline constexpr double maxPixelSize = 2048;

// Draws UTF-8 `text` on `image` from (x, baseline), or only measures it when
// `image` is null; returns the advance. `visible` says which pixels may be
// drawn (a clip); `budget` is told how many pixels each glyph covers, and
// may throw to stop. A character no face has is left out.
double drawText(Image* image, double x, double baseline, std::string_view text,
                const TextStyle& style,
                const std::function<bool(std::int64_t x, std::int64_t y)>& visible = {},
                const std::function<void(std::int64_t pixels)>& budget = {});

} // namespace scrivlette::image
