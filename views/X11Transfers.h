#pragma once

class QMimeData;

namespace scrivlette::x11 {

// Answers other programs that ask for a picture entry's PNG over X11, on the
// clipboard and in drags, in Qt's place. Qt writes a drag's data in a single
// request, and a server closes the connection of a client whose request
// passes its limit (16 MB on Xorg): a large picture dropped in another
// program would end the window. And Qt makes the window wait for a PNG that
// is still being made. Here a request is answered when the PNG is ready,
// with the window running meanwhile, and a large PNG goes in INCR steps as
// ICCCM has it. Does nothing off X11; safe to call more than once.
void servePictures();

// The drag about to start carries `mime`.
void dragging(QMimeData* mime);

} // namespace scrivlette::x11
