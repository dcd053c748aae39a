#include "ClipConversion.h"

#include "formats/codecs/Codecs.h"
#include "model/ClipContent.h"
#include "platform/files/FileWriting.h"
#include "platform/text/TextDecoding.h"

namespace scrivlette {

std::optional<Conversion> conversionNamed(std::string_view name) {
    if (name == "png") {
        return Conversion::png;
    }
    if (name == "text") {
        return Conversion::text;
    }
    return std::nullopt;
}

std::optional<Conversion> conversionFor(const ClipDetail& clip) {
    switch (entryKind(clip)) {
    case EntryKind::picture:
        return Conversion::png;
    case EntryKind::formatted:
        return Conversion::text;
    default:
        return std::nullopt;
    }
}

ContentType convertedType(Conversion conversion) {
    return *contentType(conversion == Conversion::png ? "public.png" : "public.plain-text");
}

Expected<Bytes, ReadError> convertClip(const ClipDetail& clip, Conversion conversion) {
    if (conversionFor(clip) != conversion) {
        return ReadError::of(ErrorKind::Unsupported,
                             "a " + clip.title + " entry does not convert to " +
                                 (conversion == Conversion::png ? "PNG" : "text"));
    }
    if (conversion == Conversion::png) {
        auto picture = pictureOf(clip);
        if (!picture) {
            return picture.error();
        }
        return pngOf(*picture);
    }
    auto text = readableTextOf(clip);
    if (!text) {
        return text.error();
    }
    return Bytes::copyOf(text->text);
}

Expected<Bytes, ReadError> pngOf(const image::Image& picture) {
    auto png = image::encodePng(picture);
    if (!png) {
        return png.error();
    }
    return Bytes::adopt(std::move(png).value());
}

WriteOutcome writeConvertedTo(const ClipDetail& clip, Conversion conversion,
                              const std::string& path) {
    using Status = WriteOutcome::Status;
    auto converted = convertClip(clip, conversion);
    if (!converted) {
        return {Status::failed, converted.error().describe(), path};
    }
    if (auto failure = writeFileAtomically(path, converted->span())) {
        return {Status::failed, failure->message, path};
    }
    return {Status::written, {}, path};
}

} // namespace scrivlette
