#include "platform/image/Codecs.h"

#include <png.h>

namespace scrivlette::image {
namespace {

// libpng's simplified API keeps its state in a png_image and needs freeing
// on every path.
struct PngImage {
    png_image image{};
    PngImage() { image.version = PNG_IMAGE_VERSION; }
    ~PngImage() { png_image_free(&image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
};

} // namespace

ImageResult decodePng(std::span<const std::uint8_t> bytes) {
    PngImage png;
    if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size())) {
        return std::string("not a PNG picture: ") + png.image.message;
    }
    if (auto problem = sizeProblem(png.image.width, png.image.height)) {
        return "PNG: " + *problem;
    }
    png.image.format = PNG_FORMAT_RGBA;
    Image image = blankImage(png.image.width, png.image.height);
    if (!png_image_finish_read(&png.image, nullptr, image.rgba.data(), 0, nullptr)) {
        return std::string("PNG: ") + png.image.message;
    }
    return image;
}

Expected<std::vector<std::uint8_t>, std::string> encodePng(const Image& image) {
    PngImage png;
    png.image.width = image.width;
    png.image.height = image.height;
    png.image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(png.image, size, 0, image.rgba.data(), 0, nullptr)) {
        return std::string("cannot make a PNG: ") + png.image.message;
    }
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&png.image, out.data(), &size, 0, image.rgba.data(), 0,
                                   nullptr)) {
        return std::string("cannot make a PNG: ") + png.image.message;
    }
    out.resize(size);
    return out;
}

} // namespace scrivlette::image
