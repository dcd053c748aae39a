#pragma once

#include "model/ClipDetail.h"

#include <QFuture>
#include <optional>

class QByteArray;
class QMimeData;

namespace scrivlette {

// What copy and drag of an entry carry: its content as plain text, and for a
// picture entry the picture as PNG too, made off the GUI thread.
QMimeData* mimeDataFor(const ClipDetail& clip);

// The PNG a picture entry's data is making, for whoever can wait for it
// without stopping the window; none for any other data.
std::optional<QFuture<QByteArray>> pngInTheMaking(const QMimeData* mime);

} // namespace scrivlette
