#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace scrivlette {

void keepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect frame = window.geometry();
    if (room.contains(frame)) {
        return;
    }
    const QSize size = frame.size().boundedTo(room.size());
    const int x = std::clamp(frame.x(), room.left(), room.right() + 1 - size.width());
    const int y = std::clamp(frame.y(), room.top(), room.bottom() + 1 - size.height());
    window.setGeometry(QRect(QPoint(x, y), size));
}

} // namespace scrivlette
