#include "ElidedLabel.h"

#include <QResizeEvent>

namespace scrivlette {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(0);
}

void ElidedLabel::setWholeText(const QString& text) {
    whole_ = text;
    setToolTip(text);
    elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    const int room = contentsRect().width();
    setText(room > 0 ? fontMetrics().elidedText(whole_, Qt::ElideMiddle, room) : whole_);
}

} // namespace scrivlette
