#include "TextForm.h"

#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <optional>

namespace scrivlette::plist {
namespace {

enum class Form { Utf8, Utf16Big, Utf16Little, Utf32Big, Utf32Little };

struct Detected {
    Form form;
    std::size_t markLength;
};

// With no mark, the zero bytes around the first character (always ASCII in a
// property list: '<', '{', '(', a quote, a letter or white space) tell the form.
Detected detect(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (bytes.starts_with("\0\0\xFE\xFF"sv)) {
        return {Form::Utf32Big, 4};
    }
    if (bytes.starts_with("\xFF\xFE\0\0"sv)) {
        return {Form::Utf32Little, 4};
    }
    if (bytes.starts_with("\xFE\xFF"sv)) {
        return {Form::Utf16Big, 2};
    }
    if (bytes.starts_with("\xFF\xFE"sv)) {
        return {Form::Utf16Little, 2};
    }
    if (bytes.starts_with("\xEF\xBB\xBF"sv)) {
        return {Form::Utf8, 3};
    }
    if (bytes.size() >= 4) {
        if (bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] != 0) {
            return {Form::Utf32Big, 0};
        }
        if (bytes[0] != 0 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0) {
            return {Form::Utf32Little, 0};
        }
    }
    if (bytes.size() >= 2) {
        if (bytes[0] == 0 && bytes[1] != 0) {
            return {Form::Utf16Big, 0};
        }
        if (bytes[0] != 0 && bytes[1] == 0) {
            return {Form::Utf16Little, 0};
        }
    }
    return {Form::Utf8, 0};
}

std::optional<std::string> decodeUtf32(std::span<const std::uint8_t> bytes, bool bigEndian) {
    if (bytes.size() % 4 != 0) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(bytes.size() / 4);
    for (std::size_t at = 0; at < bytes.size(); at += 4) {
        const std::uint32_t b0 = bytes[at], b1 = bytes[at + 1], b2 = bytes[at + 2],
                            b3 = bytes[at + 3];
        const std::uint32_t value =
            bigEndian ? (b0 << 24 | b1 << 16 | b2 << 8 | b3) : (b3 << 24 | b2 << 16 | b1 << 8 | b0);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return std::nullopt;
        }
        appendUtf8(out, value);
    }
    return out;
}

std::optional<std::string> transcode(std::span<const std::uint8_t> bytes, Form form) {
    switch (form) {
    case Form::Utf16Big:
        return decodeUtf16(bytes);
    case Form::Utf16Little:
        return decodeUtf16LittleEndian(bytes);
    case Form::Utf32Big:
        return decodeUtf32(bytes, true);
    case Form::Utf32Little:
        return decodeUtf32(bytes, false);
    case Form::Utf8:
        break;
    }
    return std::nullopt;
}

} // namespace

Expected<TextForm, Error> decodeTextForm(const Bytes& input) {
    const Detected detected = detect(input.view());
    TextForm form;
    form.inputSize_ = input.size();
    form.markLength_ = detected.markLength;
    if (detected.form == Form::Utf8) {
        form.utf8_ = input;
        form.skipped_ = detected.markLength;
        return form;
    }
    const bool wide = detected.form == Form::Utf32Big || detected.form == Form::Utf32Little;
    form.unitSize_ = wide ? 4 : 2;
    // The UTF-16 decoders find the mark themselves; UTF-32's is cut here.
    auto utf8 = transcode(input.span().subspan(wide ? detected.markLength : 0), detected.form);
    if (!utf8) {
        return Error{ErrorKind::InvalidText, 0,
                     wide ? "invalid UTF-32 text" : "invalid UTF-16 text"};
    }
    form.utf8_ = Bytes::copyOf(*utf8);
    return form;
}

std::size_t TextForm::originalOffset(std::size_t offset) const {
    if (unitSize_ == 1) {
        return std::min(skipped_ + offset, inputSize_);
    }
    const std::string_view utf8 = text();
    std::size_t units = 0;
    for (std::size_t i = 0; i < std::min(offset, utf8.size()); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) != 0x80) {
            // Four-byte sequences were surrogate pairs in UTF-16.
            units += unitSize_ == 2 && byte >= 0xF0 ? 2 : 1;
        }
    }
    return std::min(markLength_ + unitSize_ * units, inputSize_);
}

Error TextForm::locate(Error error) const {
    error.offset = originalOffset(error.offset);
    return error;
}

} // namespace scrivlette::plist
