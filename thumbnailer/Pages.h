#pragma once

// The pages a thumbnail draws for text and locations: a sheet of paper with
// the text wrapped on it, in the desktop's fonts through fontconfig. No Qt
// and no display, so a sandbox with nothing but fonts and /usr will do.

#include "thumbnailer/Subject.h"

namespace scrivlette::thumbnail {

// A page no larger than `size` either way.
image::Image textPage(const Text& text, std::uint32_t size);
image::Image locationPage(const Location& location, std::uint32_t size);

} // namespace scrivlette::thumbnail
