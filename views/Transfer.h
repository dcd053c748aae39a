#pragma once

#include "model/ClipDetail.h"

class QMimeData;

namespace scrivlette {

// What copy and drag of an entry carry: its content as plain text, and for a
// picture entry the picture as PNG too, made off the GUI thread.
QMimeData* mimeDataFor(const ClipDetail& clip);

} // namespace scrivlette
