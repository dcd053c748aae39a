#include "DropTarget.h"

#include "platform/qt/QtDropInfo.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QWidget>

namespace scrivlette {

DropTarget::DropTarget(QWidget* widget, DelegateFactory makeDelegate)
    : QObject(widget), makeDelegate_(std::move(makeDelegate)) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (makeDelegate_().validateDrop(QtDropInfo(drag->mimeData()))) {
            drag->acceptProposedAction();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        ScrivletteDropDelegate delegate = makeDelegate_();
        const QtDropInfo info(drop->mimeData());
        if (delegate.validateDrop(info) && delegate.performDrop(info)) {
            drop->acceptProposedAction();
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace scrivlette
