#include "DecodedImage.h"

#include "model/ClipContent.h"

#include <cstring>

namespace scrivlette {

QImage toQImage(const image::Image& decoded) {
    QImage image(static_cast<int>(decoded.width), static_cast<int>(decoded.height),
                 QImage::Format_RGBA8888);
    if (image.isNull()) {
        return image;
    }
    for (std::uint32_t y = 0; y < decoded.height; ++y) {
        std::memcpy(image.scanLine(static_cast<int>(y)),
                    decoded.rgba.data() + std::size_t{y} * decoded.width * 4,
                    std::size_t{decoded.width} * 4);
    }
    return image;
}

QImage attachedImage(std::string_view name, const Bytes& bytes, image::Fit fit) {
    if (auto decoded = attachedPicture(name, bytes, fit)) {
        return *decoded ? toQImage(**decoded) : QImage();
    }
    return QImage::fromData(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<qsizetype>(bytes.size())));
}

} // namespace scrivlette
