#include "views/DragSource.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace scrivlette {
namespace {

// Presses in `widget` and pulls the mouse away far enough to start a drag.
// A drag that starts runs its own loop; a timer notes what it carries and
// presses Escape to end it.
std::optional<QString> pull(QWidget& widget) {
    std::optional<QString> carried;
    QTimer::singleShot(0, [&] {
        if (auto* drag = widget.findChild<QDrag*>()) {
            carried = drag->mimeData()->text();
        }
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&widget, &escape);
    });
    const QPointF start(10, 10);
    const QPointF end(60, 60);
    QMouseEvent press(QEvent::MouseButtonPress, start, widget.mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent move(QEvent::MouseMove, end, widget.mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, end, widget.mapToGlobal(end), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
    QApplication::processEvents();
    return carried;
}

TEST(DragSource, CarriesTheTextOnlyWhenThereIsSome) {
    QWidget widget;
    widget.resize(200, 200);
    widget.show();
    std::optional<QString> payload;
    auto* source = new DragSource(&widget, [&]() -> QMimeData* {
        if (!payload) {
            return nullptr;
        }
        auto* mime = new QMimeData;
        mime->setText(*payload);
        return mime;
    });
    source->watch(&widget);

    EXPECT_EQ(pull(widget), std::nullopt) << "nothing selected: no drag";
    payload = QStringLiteral("随后 <b>x</b>");
    EXPECT_EQ(pull(widget), payload);
}

} // namespace
} // namespace scrivlette
