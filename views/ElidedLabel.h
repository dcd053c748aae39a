#pragma once

#include <QLabel>

namespace scrivlette {

// One line of plain text that never widens its layout: cut in the middle
// with an ellipsis when it does not fit, the whole text in its tool tip.
class ElidedLabel final : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setWholeText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString whole_;
};

} // namespace scrivlette
