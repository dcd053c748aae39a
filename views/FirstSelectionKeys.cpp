#include "FirstSelectionKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace scrivlette {

FirstSelectionKeys::FirstSelectionKeys(QAbstractItemView* view) : QObject(view), view_(view) {
    view->installEventFilter(this);
}

bool FirstSelectionKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_ || event->type() != QEvent::KeyPress || !view_->model() ||
        view_->selectionModel()->hasSelection()) {
        return false;
    }
    const int rows = view_->model()->rowCount();
    const QModelIndex current = view_->currentIndex();
    int row = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Home:
        break;
    case Qt::Key_End:
        row = rows - 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Up: // the row with the focus; a list shows its first as that
        row = current.isValid() ? current.row() : 0;
        break;
    default:
        return false;
    }
    if (rows == 0) {
        return false;
    }
    view_->setCurrentIndex(view_->model()->index(row, 0)); // and selects it
    return true;
}

} // namespace scrivlette
