#pragma once

// The pages a thumbnail draws for text and locations, with Qt's text layout
// (fontconfig's fonts, fallbacks for scripts and emoji) on an image in
// memory: no window system.

#include "thumbnailer/Subject.h"

#include <QImage>

namespace scrivlette::thumbnail {

// A page no larger than `size` either way.
QImage textPage(const Text& text, int size);
QImage locationPage(const Location& location, int size);

} // namespace scrivlette::thumbnail
