#include "platform/image/Codecs.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace scrivlette::image {
namespace {

// libjpeg reports errors by calling error_exit, which must not return: it
// jumps back to the decoder with the message kept.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf back{};
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->back, 1);
}

void onMessage(j_common_ptr, int) {}

} // namespace

ImageResult decodeJpeg(std::span<const std::uint8_t> bytes) {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onError;
    errors.manager.emit_message = onMessage;
    // Everything that must be freed after a jump is made before setjmp.
    Image image;
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        return std::string("JPEG: ") + errors.message;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (auto problem = sizeProblem(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return "JPEG: " + *problem;
    }
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    image = blankImage(info.output_width, info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.rgba.data() + std::size_t{info.output_scanline} * image.width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

} // namespace scrivlette::image
