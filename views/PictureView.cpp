#include "PictureView.h"

#include <QPainter>
#include <cmath>

namespace scrivlette {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void PictureView::setImage(QImage image) {
    image_ = std::move(image);
    updateGeometry();
    update();
}

QSizeF PictureView::naturalSize() const {
    return QSizeF(image_.size()) / devicePixelRatioF();
}

int PictureView::heightForWidth(int width) const {
    const QSizeF natural = naturalSize();
    if (natural.isEmpty()) {
        return 0;
    }
    const double shown = std::min<double>(width, natural.width());
    return static_cast<int>(std::ceil(natural.height() * shown / natural.width()));
}

QSize PictureView::sizeHint() const {
    return naturalSize().toSize();
}

QRectF PictureView::placement() const {
    const QSizeF natural = naturalSize();
    if (natural.isEmpty()) {
        return {};
    }
    const double scale = std::min(1.0, width() / natural.width());
    return QRectF(QPointF(0, 0), natural * scale);
}

void PictureView::paintEvent(QPaintEvent*) {
    const QRectF where = placement();
    if (where.isEmpty()) {
        return;
    }
    QPainter painter(this);
    if (image_.hasAlphaChannel()) {
        // On paper, as the Mac shows a clipping: QuickDraw leaves what it did
        // not draw clear, and its black lines vanish on a dark theme's page.
        painter.fillRect(where, Qt::white);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, where.width() < naturalSize().width());
    painter.drawImage(where, image_);
}

} // namespace scrivlette
