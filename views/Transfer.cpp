#include "Transfer.h"

#include "model/ClipConversion.h"

#include <QMimeData>

namespace scrivlette {

QMimeData* mimeDataFor(const ClipDetail& clip) {
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(plainText(clip)));
    if (conversionFor(clip) == Conversion::png) {
        if (auto png = convertClip(clip, Conversion::png)) {
            mime->setData(QStringLiteral("image/png"),
                          QByteArray(reinterpret_cast<const char*>(png->data()),
                                     static_cast<qsizetype>(png->size())));
        }
    }
    return mime;
}

} // namespace scrivlette
