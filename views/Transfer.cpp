#include "Transfer.h"

#include "X11Transfers.h"
#include "model/ClipConversion.h"

#include <QMimeData>
#include <QPromise>
#include <QThreadPool>
#include <memory>

namespace scrivlette {
namespace {

const QString pngType = QStringLiteral("image/png");

// A picture entry's PNG, made on a worker the moment the entry is copied or
// dragged: decoding and encoding a large picture takes longer than a window
// may stop. A program that asks for it through Qt before it is ready waits;
// X11Transfers answers without waiting.
class PictureMimeData final : public QMimeData {
public:
    explicit PictureMimeData(const ClipDetail& clip) {
        // Shared with the worker: the data may be let go before the PNG is
        // made, and must not wait for it then.
        auto promise = std::make_shared<QPromise<QByteArray>>();
        png_ = promise->future();
        promise->start();
        QThreadPool::globalInstance()->start([promise, clip] {
            QByteArray bytes;
            try {
                if (const auto png = convertClip(clip, Conversion::png)) {
                    bytes = QByteArray(reinterpret_cast<const char*>(png->data()),
                                       static_cast<qsizetype>(png->size()));
                }
            } catch (const std::bad_alloc&) {
                // No PNG, then; the text still travels.
            }
            promise->addResult(std::move(bytes));
            promise->finish();
        });
    }

    QStringList formats() const override {
        QStringList all = QMimeData::formats();
        all << pngType;
        return all;
    }
    bool hasFormat(const QString& type) const override {
        return type == pngType || QMimeData::hasFormat(type);
    }
    QFuture<QByteArray> png() const { return png_; }

protected:
    QVariant retrieveData(const QString& type, QMetaType metaType) const override {
        if (type == pngType) {
            return png_.result();
        }
        return QMimeData::retrieveData(type, metaType);
    }

private:
    QFuture<QByteArray> png_;
};

} // namespace

QMimeData* mimeDataFor(const ClipDetail& clip) {
    const bool picture = conversionFor(clip) == Conversion::png;
    if (picture) {
        x11::servePictures();
    }
    QMimeData* mime = picture ? new PictureMimeData(clip) : new QMimeData;
    mime->setText(QString::fromStdString(plainText(clip)));
    return mime;
}

std::optional<QFuture<QByteArray>> pngInTheMaking(const QMimeData* mime) {
    if (const auto* picture = dynamic_cast<const PictureMimeData*>(mime)) {
        return picture->png();
    }
    return std::nullopt;
}

} // namespace scrivlette
