#include "Image.h"

#include <algorithm>

namespace scrivlette::image {

std::int64_t pixelBudget(std::size_t inputBytes) {
    const std::int64_t earned =
        static_cast<std::int64_t>(std::min<std::size_t>(inputBytes, maxPixels)) * pixelsPerByte;
    return std::clamp(earned, freePixels, maxPixels);
}

std::optional<std::string> sizeProblem(std::int64_t width, std::int64_t height,
                                       std::size_t inputBytes) {
    const auto size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0) {
        return "empty picture (" + size + ")";
    }
    if (width > maxSide || height > maxSide || width * height > maxPixels) {
        return "picture too large (" + size + " pixels)";
    }
    if (width * height > pixelBudget(inputBytes)) {
        return "picture too large for its " + std::to_string(inputBytes) + " bytes (" + size +
               " pixels)";
    }
    return std::nullopt;
}

Image blankImage(std::uint32_t width, std::uint32_t height) {
    Image image;
    image.width = width;
    image.height = height;
    image.rgba.assign(std::size_t{width} * height * 4, 0);
    return image;
}

} // namespace scrivlette::image
