#include "Image.h"

#include "platform/image/Canvas.h"

#include <algorithm>
#include <cmath>

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

std::optional<std::string> memoryProblem(std::int64_t width, std::int64_t height,
                                         std::int64_t bytesPerPixel, std::optional<Fit> fit) {
    if (!fit || fit->memory == 0 || width * height * bytesPerPixel <= std::int64_t(fit->memory)) {
        return std::nullopt;
    }
    return "picture too large to draw small (" + std::to_string(width) + " x " +
           std::to_string(height) + " pixels)";
}

std::pair<std::int64_t, std::int64_t> fittedSize(std::int64_t width, std::int64_t height,
                                                 std::optional<Fit> fit) {
    if (!fit || width <= 0 || height <= 0 || (width <= fit->width && height <= fit->height)) {
        return {width, height};
    }
    const double scale =
        std::min(double(fit->width) / double(width), double(fit->height) / double(height));
    return {std::max<std::int64_t>(1, std::llround(double(width) * scale)),
            std::max<std::int64_t>(1, std::llround(double(height) * scale))};
}

Image shrinkToFit(Image image, std::optional<Fit> fit) {
    const auto [width, height] = fittedSize(image.width, image.height, fit);
    if (width == image.width && height == image.height) {
        return image;
    }
    Canvas canvas(Rect{0, 0, image.height, image.width}, image.rgba.size(),
                  Fit{std::uint32_t(width), std::uint32_t(height)});
    canvas.paint(image, Rect{0, 0, image.height, image.width});
    Image shrunk = canvas.take();
    shrunk.iccProfile = std::move(image.iccProfile);
    return shrunk;
}

} // namespace scrivlette::image
