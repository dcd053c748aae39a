#include "LocationOpening.h"

#include "model/ClipContent.h"
#include "model/ClipReading.h"

#include <QString>

namespace scrivlette {

std::vector<Url> openLocations(const std::vector<Url>& files,
                               const std::function<bool(const QUrl&)>& open) {
    std::vector<Url> left;
    for (const Url& file : files) {
        const auto path = file.filePath();
        const auto clipping = path ? std::optional(readClippingFile(*path)) : std::nullopt;
        const ClipDetail* location =
            clipping && *clipping ? firstLocation((*clipping)->entries) : nullptr;
        if (!location || !mayOpen(location->content) ||
            !open(QUrl(QString::fromStdString(location->content)))) {
            left.push_back(file);
        }
    }
    return left;
}

} // namespace scrivlette
