#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace scrivlette {

// Starts a drag when the mouse is pulled far enough from where it was pressed
// in any of the watched widgets. What it carries is asked for when the drag
// starts; with nothing, there is no drag. Presses still reach the widgets.
class DragSource final : public QObject {
public:
    using Payload = std::function<QMimeData*()>;

    DragSource(QObject* parent, Payload payload);
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Payload payload_;
    std::optional<QPoint> pressedAt_;
};

} // namespace scrivlette
