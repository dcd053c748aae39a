#include "Image.h"

namespace scrivlette::image {

std::optional<std::string> sizeProblem(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) {
        return "empty picture (" + std::to_string(width) + " x " + std::to_string(height) + ")";
    }
    if (width > maxSide || height > maxSide || width * height > maxPixels) {
        return "picture too large (" + std::to_string(width) + " x " + std::to_string(height) +
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
