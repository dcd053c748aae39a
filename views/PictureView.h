#pragma once

#include <QImage>
#include <QWidget>

namespace scrivlette {

// A decoded picture, fitted to the width it is given but never enlarged past
// its own size (one picture pixel to one screen pixel, so it stays sharp on a
// scaled display), its transparent parts over a neutral checkerboard.
class PictureView final : public QWidget {
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setImage(QImage image);
    const QImage& image() const { return image_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF naturalSize() const;
    QRectF placement() const;

    QImage image_;
};

} // namespace scrivlette
