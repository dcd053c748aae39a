// Dolphin's thumbnails of clippings on KDE Frameworks 5, which runs only
// thumbnail plugins: the page or picture scrivlette-thumbnailer draws, handed
// over as a QImage.

#include "thumbnailer/Pages.h"

#include <KIO/ThumbnailCreator>
#include <KPluginFactory>
#include <QFile>
#include <QImage>
#include <algorithm>

namespace {

class ClippingThumbnailer final : public KIO::ThumbnailCreator {
public:
    ClippingThumbnailer(QObject* parent, const QVariantList& arguments)
        : KIO::ThumbnailCreator(parent, arguments) {}

    KIO::ThumbnailResult create(const KIO::ThumbnailRequest& request) override {
        if (!request.url().isLocalFile()) {
            return KIO::ThumbnailResult::fail();
        }
        const QSize target = request.targetSize() * request.devicePixelRatio();
        const auto size = static_cast<std::uint32_t>(
            std::clamp(std::max(target.width(), target.height()), 1, 1024));
        const auto picture = scrivlette::thumbnail::thumbnailOf(
            QFile::encodeName(request.url().toLocalFile()).toStdString(), size);
        if (!picture) {
            return KIO::ThumbnailResult::fail();
        }
        const QImage image(picture->rgba.data(), static_cast<int>(picture->width),
                           static_cast<int>(picture->height),
                           static_cast<qsizetype>(picture->width) * 4, QImage::Format_RGBA8888);
        return KIO::ThumbnailResult::pass(image.copy()); // the pixels go with `picture`
    }
};

} // namespace

K_PLUGIN_CLASS_WITH_JSON(ClippingThumbnailer, "scrivlette-thumbnailer.json")

#include "ClippingThumbnailer.moc"
