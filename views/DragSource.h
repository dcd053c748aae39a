#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class QWidget;

namespace scrivlette {

// Starts a plain-text drag when the mouse is pulled far enough from where it
// was pressed in any of the watched widgets. The text is asked for when the
// drag starts; with none, there is no drag. Presses still reach the widgets.
class DragSource final : public QObject {
public:
    using Payload = std::function<std::optional<QString>()>;

    DragSource(QObject* parent, Payload payload);
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Payload payload_;
    std::optional<QPoint> pressedAt_;
};

} // namespace scrivlette
