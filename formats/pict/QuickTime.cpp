#include "QuickTime.h"

#include "formats/codecs/Codecs.h"
#include "platform/image/Pixels.h"

#include <cmath>
#include <cstring>

namespace scrivlette::image {
namespace {

struct Description {
    std::string codec;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t dataSize = 0;
    std::int16_t depth = 0;
    std::vector<std::uint8_t> profile; // from an 'iicc' or 'colr' extension
};

// QuickTime's ImageDescription: 86 bytes, maybe followed by extensions.
Description readDescription(ByteReader& in) {
    const std::uint32_t size = in.u32("image description");
    if (size < 86) {
        throw ReadFailure("image description of " + std::to_string(size) + " bytes");
    }
    ByteReader description(in.take(size - 4, "image description"));
    Description result;
    const auto codec = description.take(4, "image description");
    result.codec.assign(codec.begin(), codec.end());
    description.skip(4 + 2 + 2 + 2 + 2 + 4 + 4 + 4, "image description");
    result.width = description.u16("image description");
    result.height = description.u16("image description");
    description.skip(8, "image description"); // resolution
    result.dataSize = description.u32("image description");
    description.skip(2 + 32, "image description"); // frame count, compressor name
    result.depth = description.s16("image description");
    description.skip(2, "image description"); // colour table id
    // Extensions: atoms of a 32-bit size (itself included) and a type.
    while (description.remaining() >= 8) {
        const std::uint32_t atomSize = description.u32("image description");
        const auto type = description.take(4, "image description");
        if (atomSize < 8 || atomSize - 8 > description.remaining()) {
            break;
        }
        const auto data = description.take(atomSize - 8, "image description");
        const std::string_view name(reinterpret_cast<const char*>(type.data()), 4);
        if (name == "iicc") {
            result.profile.assign(data.begin(), data.end());
        } else if (name == "colr" && data.size() > 4 &&
                   std::string_view(reinterpret_cast<const char*>(data.data()), 4) == "prof") {
            result.profile.assign(data.begin() + 4, data.end());
        }
    }
    return result;
}

// 'raw ' pixels: 32 bits a pixel as A R G B, 24 as R G B, 16 as x R5 G5 B5.
void drawRaw(std::span<const std::uint8_t> data, const Description& image, Rect destination,
             Canvas& canvas) {
    const std::size_t bytesPerPixel = image.depth == 32   ? 4
                                      : image.depth == 24 ? 3
                                      : image.depth == 16 ? 2
                                                          : 0;
    if (bytesPerPixel == 0) {
        throw ReadFailure("'raw ' pixels of depth " + std::to_string(image.depth));
    }
    const std::size_t packed = std::size_t{image.width} * bytesPerPixel;
    // Rows may carry padding: the data says how long each is.
    const std::size_t rowBytes = std::max(packed, data.size() / image.height);
    if (data.size() / image.height < packed) {
        throw ReadFailure("'raw ' pixels cut short");
    }
    const std::uint32_t width = image.width;
    canvas.paintRows(width, image.height, Rect{0, 0, image.height, width}, destination,
                     [&](std::uint32_t row, std::uint8_t* out) {
                         const std::uint8_t* in = data.data() + row * rowBytes;
                         if (bytesPerPixel == 4) {
                             for (std::uint32_t x = 0; x < width; ++x, in += 4, out += 4) {
                                 out[0] = in[1];
                                 out[1] = in[2];
                                 out[2] = in[3];
                                 out[3] = in[0];
                             }
                         } else if (bytesPerPixel == 3) {
                             for (std::uint32_t x = 0; x < width; ++x, in += 3, out += 4) {
                                 std::memcpy(out, in, 3);
                                 out[3] = 255;
                             }
                         } else {
                             for (std::uint32_t x = 0; x < width; ++x, in += 2, out += 4) {
                                 rgb555ToRgba(in, out);
                             }
                         }
                     });
}

// 'WRLE' pixels: a Windows device-independent bitmap's rows, bottom row
// first, each blue, green, red (and a fourth byte at depth 32), padded to
// four bytes; a BITMAPINFOHEADER before them is passed over.
void drawWindowsBitmap(std::span<const std::uint8_t> data, const Description& image,
                       Rect destination, Canvas& canvas) {
    const std::size_t bytesPerPixel = image.depth == 32 ? 4 : image.depth == 24 ? 3 : 0;
    if (bytesPerPixel == 0) {
        throw ReadFailure("'WRLE' pixels of depth " + std::to_string(image.depth));
    }
    const std::size_t rowBytes = (std::size_t{image.width} * bytesPerPixel + 3) / 4 * 4;
    const std::size_t pixels = rowBytes * image.height;
    if (data.size() >= pixels + 40 && data[0] == 40 && data[1] == 0 && data[2] == 0 &&
        data[3] == 0) {
        data = data.subspan(40);
    }
    if (data.size() < pixels) {
        throw ReadFailure("'WRLE' pixels cut short");
    }
    const std::uint32_t width = image.width;
    const std::uint32_t height = image.height;
    // Painted upside down: the canvas wants its rows from the top.
    canvas.paintRows(width, height, Rect{0, 0, height, width}, destination,
                     [&](std::uint32_t row, std::uint8_t* out) {
                         const std::uint8_t* in = data.data() + (height - 1 - row) * rowBytes;
                         for (std::uint32_t x = 0; x < width; ++x, in += bytesPerPixel, out += 4) {
                             out[0] = in[2];
                             out[1] = in[1];
                             out[2] = in[0];
                             out[3] = 255;
                         }
                     });
}

} // namespace

void drawQuickTimeImage(ByteReader& in, Canvas& canvas) {
    in.skip(2, "QuickTime image"); // version
    // The matrix maps the image into the picture: a, b, u, c, d, v, x, y, w,
    // with a, b, c, d, x, y in 16.16 fixed point. Scale and move only.
    std::int32_t matrix[9];
    for (std::int32_t& value : matrix) {
        value = static_cast<std::int32_t>(in.u32("QuickTime matrix"));
    }
    const std::uint32_t matteSize = in.u32("QuickTime image");
    in.skip(8 + 2 + 8 + 4, "QuickTime image"); // matte rect, mode, source rect, accuracy
    const std::uint32_t maskSize = in.u32("QuickTime image");
    in.skip(matteSize, "QuickTime matte");
    in.skip(maskSize, "QuickTime mask");
    const Description image = readDescription(in);
    if (auto problem = sizeProblem(image.width, image.height, canvas.inputBytes())) {
        throw ReadFailure("QuickTime image: " + *problem);
    }
    const auto data =
        in.take(std::min<std::size_t>(image.dataSize, in.remaining()), "QuickTime image data");
    const auto fixed = [](std::int32_t value) { return double(value) / 65536.0; };
    const double scaleX = matrix[1] == 0 && matrix[3] == 0 && matrix[0] != 0 ? fixed(matrix[0]) : 1;
    const double scaleY = matrix[1] == 0 && matrix[3] == 0 && matrix[4] != 0 ? fixed(matrix[4]) : 1;
    const double moveX = fixed(matrix[6]);
    const double moveY = fixed(matrix[7]);
    const Rect destination{std::llround(moveY), std::llround(moveX),
                           std::llround(moveY + image.height * scaleY),
                           std::llround(moveX + image.width * scaleX)};

    canvas.offerProfile(image.profile);
    if (image.codec == "raw ") {
        drawRaw(data, image, destination, canvas);
        return;
    }
    if (image.codec == "WRLE") {
        drawWindowsBitmap(data, image, destination, canvas);
        return;
    }
    ImageResult decoded =
        ReadError::of(ErrorKind::Unsupported, "unknown QuickTime codec '" + image.codec + "'");
    if (image.codec == "jpeg") {
        decoded = decodeJpeg(data, canvas.fitFor(destination));
    } else if (image.codec == "png ") {
        decoded = decodePng(data, canvas.fitFor(destination));
    } else if (image.codec == "tiff") {
        decoded = decodeTiff(data, canvas.fitFor(destination));
    }
    if (!decoded) {
        // Its offset is in the embedded image, not the picture: the PICT's
        // reader places it at the opcode.
        throw ReadFailure(decoded.error().describe());
    }
    canvas.offerProfile(decoded.value().iccProfile);
    canvas.paint(*decoded, destination);
}

} // namespace scrivlette::image
