#include "DragSource.h"

#include "X11Transfers.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

namespace scrivlette {

DragSource::DragSource(QObject* parent, Payload payload)
    : QObject(parent), payload_(std::move(payload)) {}

void DragSource::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

bool DragSource::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        pressedAt_ = press->button() == Qt::LeftButton ? std::optional(press->position().toPoint())
                                                       : std::nullopt;
        break;
    }
    case QEvent::MouseButtonRelease:
        pressedAt_.reset();
        break;
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        if (!pressedAt_ || !(move->buttons() & Qt::LeftButton) ||
            (move->position().toPoint() - *pressedAt_).manhattanLength() <
                QApplication::startDragDistance()) {
            break;
        }
        pressedAt_.reset();
        QMimeData* mime = payload_();
        if (!mime) {
            break;
        }
        x11::dragging(mime);
        auto* drag = new QDrag(watched);
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace scrivlette
