#pragma once

// The pages a thumbnail draws for text and locations: a sheet of paper with
// the text wrapped on it, in the desktop's fonts through fontconfig. No Qt
// and no display, so a sandbox with nothing but fonts and /usr will do.

#include "platform/image/Typesetter.h"
#include "thumbnailer/Subject.h"

#include <string>
#include <vector>

namespace scrivlette::thumbnail {

// A page no larger than `size` either way.
image::Image textPage(const Text& text, std::uint32_t size);
image::Image locationPage(const Location& location, std::uint32_t size);

// The thumbnail of the file at `path`, no larger than `size` either way: its
// picture, or its text's or location's page; or why it has none. Every file
// manager's thumbnailer (ours, KDE's plugin) draws this.
Expected<image::Image, ReadError> thumbnailOf(const std::string& path, std::uint32_t size);

// A location page's host: as large as fits the page's width, in as many
// lines as it takes, never cut.
struct Headline {
    image::TextStyle style;
    double top = 0;
    std::vector<std::string> lines;
};
Headline layOutHeadline(const std::string& host, std::uint32_t size);

// How wide `text` is drawn in `style`, in pixels.
double textWidth(std::string_view text, const image::TextStyle& style);

} // namespace scrivlette::thumbnail
