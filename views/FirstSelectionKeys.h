#pragma once

#include <QObject>

class QAbstractItemView;

namespace scrivlette {

// A list's first arrow key: while no row is selected, Down, Up, Home and End
// select one (the row that has the focus, for the arrows) instead of moving
// past it, so focus and selection agree and a list of one entry can be
// selected from the keyboard.
class FirstSelectionKeys final : public QObject {
public:
    explicit FirstSelectionKeys(QAbstractItemView* view);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* view_;
};

} // namespace scrivlette
