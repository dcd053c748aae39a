#include "formats/codecs/Codecs.h"
#include "formats/codecs/ColourManagement.h"

#include <algorithm>
#include <cstring>
#include <png.h>

namespace scrivlette::image {
namespace {

// libpng reports errors through a callback that must not return: it keeps
// the message and jumps back to png_jmpbuf.
struct PngState {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
    std::vector<std::uint8_t>* out = nullptr;
    char message[200] = {};
};

[[noreturn]] void onError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void readBytes(png_structp png, png_bytep into, png_size_t count) {
    auto* state = static_cast<PngState*>(png_get_io_ptr(png));
    if (count > state->bytes.size() - state->at) {
        png_error(png, "cut short");
    }
    std::memcpy(into, state->bytes.data() + state->at, count);
    state->at += count;
}

void writeBytes(png_structp png, png_bytep from, png_size_t count) {
    auto* state = static_cast<PngState*>(png_get_io_ptr(png));
    // An exception must not pass through libpng's C frames.
    try {
        state->out->insert(state->out->end(), from, from + count);
    } catch (const std::bad_alloc&) {
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) {}

// No single chunk (a text or profile, say) may ask for more than this.
constexpr png_alloc_size_t maxChunk = 16u << 20;

struct ReadStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadStructs() { png_destroy_read_struct(&png, &info, nullptr); }
};

// Reads the header and, when the size is acceptable, the pixels; false when
// the size is not, with `image` left empty. libpng jumps out on errors, so
// nothing here owns anything that needs unwinding.
bool readPng(png_structp png, png_infop info, PngState& state, Image& image,
             std::vector<png_bytep>& rows, std::string& problem, std::optional<Fit> fit) {
    png_set_read_fn(png, &state, readBytes);
    png_set_user_limits(png, maxSide, maxSide);
    png_set_chunk_cache_max(png, 1000);
    png_set_chunk_malloc_max(png, maxChunk);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    auto tooLarge = sizeProblem(width, height, state.bytes.size());
    if (!tooLarge) {
        tooLarge = memoryProblem(width, height, 4, fit);
    }
    if (tooLarge) {
        problem = *tooLarge;
        return false;
    }
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 profileSize = 0;
    double gamma = 0;
    if (png_get_iCCP(png, info, &name, &compression, &profile, &profileSize) && profile) {
        image.iccProfile.assign(profile, profile + profileSize);
    } else if (!png_get_valid(png, info, PNG_INFO_sRGB) && png_get_gAMA(png, info, &gamma)) {
        double c[8] = {};
        const bool primaries =
            png_get_cHRM(png, info, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], &c[6], &c[7]);
        image.iccProfile = profileForGamma(gamma, primaries ? std::span<const double>(c)
                                                            : std::span<const double>());
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    image.width = width;
    image.height = height;
    image.rgba.assign(std::size_t{width} * height * 4, 0);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = image.rgba.data() + std::size_t{y} * width * 4;
    }
    png_read_image(png, rows.data());
    return true;
}

bool isOpaque(const Image& image) {
    for (std::size_t at = 3; at < image.rgba.size(); at += 4) {
        if (image.rgba[at] != 255) {
            return false;
        }
    }
    return true;
}

struct WriteStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~WriteStructs() { png_destroy_write_struct(&png, &info); }
};

void writePng(png_structp png, png_infop info, PngState& state, const Image& image) {
    const bool opaque = isOpaque(image);
    png_set_write_fn(png, &state, writeBytes, flushNothing);
    // Speed over the last few per cent of size: these are working copies.
    png_set_compression_level(png, 3);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_IHDR(png, info, image.width, image.height, 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_write_info(png, info);
    if (opaque) {
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    const std::size_t rowBytes = std::size_t{image.width} * 4;
    for (std::uint32_t y = 0; y < image.height; ++y) {
        png_write_row(png, const_cast<png_bytep>(image.rgba.data() + y * rowBytes));
    }
    png_write_end(png, nullptr);
}

} // namespace

ImageResult decodePng(std::span<const std::uint8_t> bytes, std::optional<Fit> fit) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        return ReadError::of(ErrorKind::UnknownFormat, "not a PNG picture");
    }
    PngState state{bytes};
    ReadStructs structs;
    structs.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, onError, onWarning);
    structs.info = structs.png ? png_create_info_struct(structs.png) : nullptr;
    if (!structs.info) {
        return ReadError::of(ErrorKind::TooLarge, "PNG: out of memory");
    }
    Image image;
    std::vector<png_bytep> rows;
    std::string problem;
    if (setjmp(png_jmpbuf(structs.png))) {
        return ReadError::of(ErrorKind::Malformed, std::string("PNG: ") + state.message);
    }
    if (!readPng(structs.png, structs.info, state, image, rows, problem, fit)) {
        return ReadError::of(ErrorKind::TooLarge, "PNG: " + problem);
    }
    return fit ? shrinkToFit(std::move(image), fit) : image;
}

Expected<std::vector<std::uint8_t>, ReadError> encodePng(const Image& image) {
    std::vector<std::uint8_t> out;
    // Deflate rarely grows what it is given; start near the likely size.
    out.reserve(image.rgba.size() / 4 + 1024);
    PngState state{{}, 0, &out};
    WriteStructs structs;
    structs.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, onError, onWarning);
    structs.info = structs.png ? png_create_info_struct(structs.png) : nullptr;
    if (!structs.info) {
        return ReadError::of(ErrorKind::TooLarge, "cannot make a PNG: out of memory");
    }
    if (setjmp(png_jmpbuf(structs.png))) {
        return ReadError::of(ErrorKind::Unsupported,
                             std::string("cannot make a PNG: ") + state.message);
    }
    writePng(structs.png, structs.info, state, image);
    return out;
}

} // namespace scrivlette::image
