#pragma once

#include "views/ScrivletteDropDelegate.h"

#include <QObject>
#include <functional>

class QWidget;

namespace scrivlette {

// Makes a widget (and the children that pass drags on) a drop target that
// takes a drag only when the delegate validates it, and hands the drop over.
class DropTarget final : public QObject {
public:
    using DelegateFactory = std::function<ScrivletteDropDelegate()>;

    DropTarget(QWidget* widget, DelegateFactory makeDelegate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DelegateFactory makeDelegate_;
};

} // namespace scrivlette
