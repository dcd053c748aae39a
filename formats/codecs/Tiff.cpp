#include "formats/codecs/Codecs.h"

#include <algorithm>
#include <bit>
#include <cstdarg>
#include <cstring>
#include <tiffio.h>

namespace scrivlette::image {
namespace {

// libtiff reads through these from the bytes in memory; it never sees a file.
struct Source {
    std::span<const std::uint8_t> bytes;
    toff_t at = 0;
    std::string error;
};

tmsize_t readBytes(thandle_t handle, void* buffer, tmsize_t size) {
    auto* source = static_cast<Source*>(handle);
    if (size < 0 || source->at >= source->bytes.size()) {
        return 0;
    }
    const auto count = std::min<toff_t>(toff_t(size), source->bytes.size() - source->at);
    std::memcpy(buffer, source->bytes.data() + source->at, count);
    source->at += count;
    return tmsize_t(count);
}

tmsize_t writeBytes(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t seekTo(thandle_t handle, toff_t offset, int whence) {
    auto* source = static_cast<Source*>(handle);
    const toff_t base = whence == SEEK_CUR   ? source->at
                        : whence == SEEK_END ? source->bytes.size()
                                             : 0;
    source->at = base + offset;
    return source->at;
}

int closeSource(thandle_t) {
    return 0;
}

toff_t sizeOf(thandle_t handle) {
    return static_cast<Source*>(handle)->bytes.size();
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}

int keepError(TIFF*, void* data, const char*, const char* format, va_list arguments) {
    auto* source = static_cast<Source*>(data);
    if (source->error.empty()) {
        char message[256];
        std::vsnprintf(message, sizeof message, format, arguments);
        source->error = message;
    }
    return 1;
}

int ignoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

} // namespace

ImageResult decodeTiff(std::span<const std::uint8_t> bytes, std::optional<Fit> fit) {
    Source source{bytes, 0, {}};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, keepError, &source);
    TIFFOpenOptionsSetWarningHandlerExtR(options, ignoreWarning, nullptr);
    // No single allocation past the largest picture these bytes may hold, plus
    // slack: a strip or tile that claims more is refused before it is read.
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, pixelBudget(bytes.size()) * 4 + (1 << 20));
    TIFF* tiff = TIFFClientOpenExt("clipping", "rm", &source, readBytes, writeBytes, seekTo,
                                   closeSource, sizeOf, mapNothing, unmapNothing, options);
    TIFFOpenOptionsFree(options);
    if (!tiff) {
        return ReadError::of(ErrorKind::UnknownFormat,
                             "not a TIFF picture" +
                                 (source.error.empty() ? "" : ": " + source.error));
    }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    auto problem = sizeProblem(width, height, bytes.size());
    if (!problem) {
        problem = memoryProblem(width, height, 4, fit);
    }
    if (problem) {
        TIFFClose(tiff);
        return ReadError::of(ErrorKind::TooLarge, "TIFF: " + *problem);
    }
    Image image = blankImage(width, height);
    std::uint32_t profileSize = 0;
    const std::uint8_t* profile = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &profileSize, &profile) && profile) {
        image.iccProfile.assign(profile, profile + profileSize);
    }
    // RGBA in memory order R, G, B, A on a little-endian machine.
    const int ok = TIFFReadRGBAImageOriented(tiff, width, height,
                                             reinterpret_cast<std::uint32_t*>(image.rgba.data()),
                                             ORIENTATION_TOPLEFT, 0);
    TIFFClose(tiff);
    if (!ok) {
        return ReadError::of(ErrorKind::Malformed,
                             "TIFF: " + (source.error.empty()
                                             ? std::string("cannot read the pixels")
                                             : source.error));
    }
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t at = 0; at < image.rgba.size(); at += 4) {
            std::reverse(image.rgba.begin() + at, image.rgba.begin() + at + 4);
        }
    }
    return fit ? shrinkToFit(std::move(image), fit) : image;
}

} // namespace scrivlette::image
