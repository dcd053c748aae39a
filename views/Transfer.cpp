#include "Transfer.h"

#include "model/ClipConversion.h"

#include <QMimeData>
#include <QThreadPool>
#include <future>
#include <memory>

namespace scrivlette {
namespace {

const QString pngType = QStringLiteral("image/png");

// A picture entry's PNG, made on a worker the moment the entry is copied or
// dragged: decoding and encoding a large picture takes longer than a window
// may stop. Only a program that asks for the PNG before it is ready waits.
class PictureMimeData final : public QMimeData {
public:
    explicit PictureMimeData(const ClipDetail& clip) {
        // A promise, not std::async: the data may be let go before the PNG is
        // made, and must not wait for it then.
        auto promise = std::make_shared<std::promise<QByteArray>>();
        png_ = promise->get_future().share();
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
            promise->set_value(std::move(bytes));
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

protected:
    QVariant retrieveData(const QString& type, QMetaType metaType) const override {
        if (type == pngType) {
            return png_.get();
        }
        return QMimeData::retrieveData(type, metaType);
    }

private:
    std::shared_future<QByteArray> png_;
};

} // namespace

QMimeData* mimeDataFor(const ClipDetail& clip) {
    QMimeData* mime =
        conversionFor(clip) == Conversion::png ? new PictureMimeData(clip) : new QMimeData;
    mime->setText(QString::fromStdString(plainText(clip)));
    return mime;
}

} // namespace scrivlette
