#include "Picture.h"

#include "platform/image/Codecs.h"
#include "platform/image/Colour.h"
#include "platform/image/Pict.h"

namespace scrivlette::image {

bool isPictureType(std::string_view typeIdentifier) {
    return typeIdentifier == "public.tiff" || typeIdentifier == "com.apple.pict" ||
           typeIdentifier == "public.png" || typeIdentifier == "public.jpeg";
}

namespace {

ImageResult decodeAsStored(std::string_view typeIdentifier, const Bytes& bytes,
                           std::optional<Fit> fit) {
    if (typeIdentifier == "com.apple.pict") {
        return decodePict(bytes.span(), fit);
    }
    if (typeIdentifier == "public.jpeg") {
        return decodeJpeg(bytes.span(), fit);
    }
    if (typeIdentifier == "public.tiff") {
        return decodeTiff(bytes.span(), fit);
    }
    if (typeIdentifier == "public.png") {
        return decodePng(bytes.span(), fit);
    }
    return "not a picture (" + std::string(typeIdentifier) + ")";
}

} // namespace

ImageResult decodePicture(std::string_view typeIdentifier, const Bytes& bytes,
                          std::optional<Fit> fit) {
    try {
        auto picture = decodeAsStored(typeIdentifier, bytes, fit);
        if (picture) {
            convertToSrgb(picture.value());
        }
        return picture;
    } catch (const std::bad_alloc&) {
        return std::string("not decodable: out of memory");
    }
}

} // namespace scrivlette::image
