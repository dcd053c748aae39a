#include "formats/codecs/Codecs.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>

namespace scrivlette::image {
namespace {

// A progressive JPEG may repeat empty scans without end, each costing a pass
// over the whole picture; real ones have about ten. libtiff stops at the
// same number.
constexpr int maxScans = 100;

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

void onProgress(j_common_ptr info) {
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > maxScans) {
        auto* errors = reinterpret_cast<JpegErrors*>(info->err);
        std::snprintf(errors->message, sizeof errors->message, "more than %d scans", maxScans);
        std::longjmp(errors->back, 1);
    }
}

void readProfile(j_decompress_ptr info, Image& image) {
    JOCTET* profile = nullptr;
    unsigned int size = 0;
    if (jpeg_read_icc_profile(info, &profile, &size)) {
        image.iccProfile.assign(profile, profile + size);
    }
    std::free(profile);
}

} // namespace

ImageResult decodeJpeg(std::span<const std::uint8_t> bytes, std::optional<Fit> fit) {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = onProgress;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onError;
    errors.manager.emit_message = onMessage;
    // Everything that must be freed after a jump is made before setjmp.
    Image image;
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        return ReadError::of(ErrorKind::Malformed, std::string("JPEG: ") + errors.message);
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF); // ICC profile chunks
    jpeg_read_header(&info, TRUE);
    if (auto problem = sizeProblem(info.image_width, info.image_height, bytes.size())) {
        jpeg_destroy_decompress(&info);
        return ReadError::of(ErrorKind::TooLarge, "JPEG: " + *problem);
    }
    // A progressive picture keeps every coefficient, two bytes each, of up
    // to four components; past that, libjpeg fails rather than spill to disk.
    info.mem->max_memory_to_use =
        static_cast<long>(pixelBudget(bytes.size()) * 8 + (std::int64_t{32} << 20));
    if (fit && fit->memory != 0) {
        info.mem->max_memory_to_use =
            std::min(info.mem->max_memory_to_use, static_cast<long>(fit->memory));
    }
    readProfile(&info, image);
    info.out_color_space = JCS_EXT_RGBA;
    if (fit) {
        // The largest reduction libjpeg makes in its inverse DCT that still
        // covers the box; the rest is a box filter's.
        const auto [width, height] = fittedSize(info.image_width, info.image_height, fit);
        for (unsigned denominator = 8; denominator > 1; denominator /= 2) {
            if (std::int64_t{info.image_width} / denominator >= width &&
                std::int64_t{info.image_height} / denominator >= height) {
                info.scale_num = 1;
                info.scale_denom = denominator;
                break;
            }
        }
    }
    jpeg_start_decompress(&info);
    image.width = info.output_width;
    image.height = info.output_height;
    image.rgba.assign(std::size_t{image.width} * image.height * 4, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.rgba.data() + std::size_t{info.output_scanline} * image.width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return fit ? shrinkToFit(std::move(image), fit) : image;
}

} // namespace scrivlette::image
