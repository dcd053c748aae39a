// QuickDraw's text, in the stand-in for the Mac font the picture names.

#include "QuickDraw.h"
#include "platform/image/Typesetter.h"
#include "platform/text/TextDecoding.h"

namespace scrivlette::image {

void Drawing::text(Point at, std::string_view macRoman, const Font& font) {
    if (macRoman.empty() || suppressed_) {
        return;
    }
    Image& pixels = canvas_.pixels();
    const TextStyle style{font.family, std::max(font.size, 1.0) * canvas_.scaleY(), font.bold,
                          font.italic, foreground_};
    drawText(
        &pixels, toX(at.x), toY(at.y), decodeMacRoman(asBytes(macRoman)), style,
        [this](std::int64_t x, std::int64_t y) { return inClip(x, y); },
        [this](std::int64_t covered) { canvas_.spend(covered); });
}

bool Drawing::inClip(std::int64_t x, std::int64_t y) const {
    return !clip_ || clip_->contains(x, y);
}

} // namespace scrivlette::image
