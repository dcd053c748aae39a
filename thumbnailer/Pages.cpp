#include "Pages.h"

#include "platform/image/Typesetter.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace scrivlette::thumbnail {
namespace {

using image::TextStyle;

// A sheet of paper, three by four, with a thin grey edge, as file managers
// show documents.
image::Image blankPage(std::uint32_t size) {
    const std::uint32_t width = std::max<std::uint32_t>(8, size * 3 / 4);
    const std::uint32_t height = std::max<std::uint32_t>(8, size);
    image::Image page = image::blankImage(width, height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x + 1 == width || y + 1 == height;
            std::uint8_t* pixel = page.rgba.data() + (std::size_t{y} * width + x) * 4;
            pixel[0] = pixel[1] = pixel[2] = edge ? 170 : 255;
            pixel[3] = 255;
        }
    }
    return page;
}

double widthOf(std::string_view text, const TextStyle& style) {
    return image::drawText(nullptr, 0, 0, text, style);
}

// `text` in lines no wider than `width`: at spaces where it can, anywhere
// in a word too long for a line.
std::vector<std::string> wrapped(std::string_view text, const TextStyle& style, double width,
                                 std::size_t maxLines) {
    std::vector<std::string> lines;
    std::string line;
    const auto flush = [&] {
        lines.push_back(std::move(line));
        line.clear();
    };
    for (std::size_t at = 0; at < text.size() && lines.size() < maxLines;) {
        if (text[at] == '\n' || text[at] == '\r') {
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            ++at;
            flush();
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", at), text.size());
        std::string word(text.substr(at, end - at));
        if (end < text.size() && (text[end] == ' ' || text[end] == '\t')) {
            word.push_back(' ');
        }
        at = std::max(end + (end < text.size() && text[end] != '\n' && text[end] != '\r'), at + 1);
        if (widthOf(line + word, style) <= width) {
            line += word;
            continue;
        }
        if (!line.empty()) {
            flush();
        }
        // A word longer than a line goes in pieces, a character at a time.
        for (std::size_t i = 0; i < word.size() && lines.size() < maxLines;) {
            const std::size_t length = std::max<std::size_t>(1, utf8SequenceLength(word.substr(i)));
            const std::string next = line + word.substr(i, length);
            if (!line.empty() && widthOf(next, style) > width) {
                flush();
                continue;
            }
            line = next;
            i += length;
        }
    }
    if (!line.empty() && lines.size() < maxLines) {
        lines.push_back(line);
    }
    return lines;
}

void drawLines(image::Image& page, const std::vector<std::string>& lines, const TextStyle& style,
               double left, double top, double lineHeight, double width, bool centred) {
    double baseline = top + style.pixelSize;
    for (const std::string& line : lines) {
        const double x = centred ? left + (width - widthOf(line, style)) / 2 : left;
        image::drawText(&page, x, baseline, line, style);
        baseline += lineHeight;
    }
}

} // namespace

image::Image textPage(const Text& text, std::uint32_t size) {
    image::Image page = blankPage(size);
    // Legible at 128 pixels (9-pixel type) and at 256 (14).
    TextStyle style;
    style.pixelSize = size <= 128 ? 9 : double(size) / 18;
    style.colour = {40, 40, 40};
    const double margin = std::max(3.0, double(size) / 20);
    const double lineHeight = std::ceil(style.pixelSize * 1.3);
    const double width = double(page.width) - 2 * margin;
    const auto lines = static_cast<std::size_t>((double(page.height) - 2 * margin) / lineHeight);
    drawLines(page, wrapped(text.text, style, width, lines), style, margin, margin, lineHeight,
              width, false);
    return page;
}

image::Image locationPage(const Location& location, std::uint32_t size) {
    image::Image page = blankPage(size);
    const double margin = std::max(3.0, double(size) / 20);
    const double width = double(page.width) - 2 * margin;
    // The host large, made smaller to fit on one line, the address under it.
    TextStyle headline;
    headline.bold = true;
    headline.colour = {20, 60, 140};
    headline.pixelSize = double(size) / 8;
    const double natural = widthOf(location.headline, headline);
    if (natural > width) {
        headline.pixelSize = std::max(6.0, headline.pixelSize * width / natural);
    }
    const double top = double(size) / 3 - headline.pixelSize;
    drawLines(page, wrapped(location.headline, headline, width, 1), headline, margin, top,
              headline.pixelSize, width, true);
    TextStyle address;
    address.pixelSize = size <= 128 ? 8 : double(size) / 20;
    address.colour = {70, 70, 70};
    const double lineHeight = std::ceil(address.pixelSize * 1.3);
    const double below = top + headline.pixelSize * 1.6;
    const auto lines =
        static_cast<std::size_t>(std::max(0.0, double(page.height) - margin - below) / lineHeight);
    drawLines(page, wrapped(location.url, address, width, lines), address, margin, below,
              lineHeight, width, true);
    return page;
}

} // namespace scrivlette::thumbnail
