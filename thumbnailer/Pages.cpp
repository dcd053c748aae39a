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
// in a word too long for a line. A line's width is the sum of its parts'
// (the typesetter does not kern), so each word is measured once.
std::vector<std::string> wrapped(std::string_view text, const TextStyle& style, double width,
                                 std::size_t maxLines) {
    std::vector<std::string> lines;
    std::string line;
    double lineWidth = 0;
    const auto flush = [&] {
        lines.push_back(std::move(line));
        line.clear();
        lineWidth = 0;
    };
    const auto breakWord = [&](std::string_view word) {
        for (std::size_t i = 0; i < word.size() && lines.size() < maxLines;) {
            const std::size_t length = std::max<std::size_t>(1, utf8SequenceLength(word.substr(i)));
            const double advance = widthOf(word.substr(i, length), style);
            if (!line.empty() && lineWidth + advance > width) {
                flush();
                continue;
            }
            line.append(word.substr(i, length));
            lineWidth += advance;
            i += length;
        }
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
            word.push_back(' '); // a tab, too, is a space here
        }
        at = std::max(end + (end < text.size() && text[end] != '\n' && text[end] != '\r'), at + 1);
        const double wordWidth = widthOf(word, style);
        if (lineWidth + wordWidth <= width) {
            line.append(word);
            lineWidth += wordWidth;
            continue;
        }
        if (!line.empty()) {
            flush();
        }
        if (wordWidth <= width) {
            line.append(word);
            lineWidth = wordWidth;
            continue;
        }
        breakWord(word); // a word longer than a line goes in pieces
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

Headline layOutHeadline(const std::string& host, std::uint32_t size) {
    const double margin = std::max(3.0, double(size) / 20);
    const double width = double(blankPage(size).width) - 2 * margin;
    Headline out;
    out.style.bold = true;
    out.style.colour = {20, 60, 140};
    out.style.pixelSize = double(size) / 8;
    // Hinting makes width follow size only roughly: measure again until it
    // fits. A host too long even at the smallest size goes on more lines,
    // whole, rather than cut.
    constexpr double smallest = 6;
    for (int attempt = 0; attempt < 8 && out.style.pixelSize > smallest; ++attempt) {
        const double natural = widthOf(host, out.style);
        if (natural <= width) {
            break;
        }
        out.style.pixelSize =
            std::max(smallest, std::min(out.style.pixelSize - 0.5,
                                        std::floor(out.style.pixelSize * width / natural * 2) / 2));
    }
    out.top = double(size) / 3 - out.style.pixelSize;
    out.lines = wrapped(host, out.style, width, host.size());
    return out;
}

double textWidth(std::string_view text, const image::TextStyle& style) {
    return widthOf(text, style);
}

image::Image locationPage(const Location& location, std::uint32_t size) {
    image::Image page = blankPage(size);
    const double margin = std::max(3.0, double(size) / 20);
    const double width = double(page.width) - 2 * margin;
    // The host large, made smaller to fit on one line, the address under it.
    const Headline headline = layOutHeadline(location.headline, size);
    drawLines(page, headline.lines, headline.style, margin, headline.top, headline.style.pixelSize,
              width, true);
    TextStyle address;
    address.pixelSize = size <= 128 ? 8 : double(size) / 20;
    address.colour = {70, 70, 70};
    const double lineHeight = std::ceil(address.pixelSize * 1.3);
    const double below =
        headline.top +
        headline.style.pixelSize * (0.6 + double(std::max<std::size_t>(1, headline.lines.size())));
    const auto lines =
        static_cast<std::size_t>(std::max(0.0, double(page.height) - margin - below) / lineHeight);
    drawLines(page, wrapped(location.url, address, width, lines), address, margin, below,
              lineHeight, width, true);
    return page;
}

Expected<image::Image, ReadError> thumbnailOf(const std::string& path, std::uint32_t size) {
    auto subject = subjectOf(path, size);
    if (!subject) {
        return subject.error();
    }
    if (const auto* text = std::get_if<Text>(&*subject)) {
        return textPage(*text, size);
    }
    if (const auto* location = std::get_if<Location>(&*subject)) {
        return locationPage(*location, size);
    }
    return std::get<image::Image>(*subject);
}

} // namespace scrivlette::thumbnail
