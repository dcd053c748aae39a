#include "Picture.h"

#include "platform/Representations.h"
#include "platform/image/Codecs.h"
#include "platform/image/Colour.h"
#include "platform/image/Pict.h"

namespace scrivlette::image {

bool isPictureType(std::string_view typeIdentifier) {
    const Representation* known = representation(typeIdentifier);
    return known && known->picture != PictureFormat::none;
}

namespace {

ImageResult decodeAsStored(std::string_view typeIdentifier, const Bytes& bytes,
                           std::optional<Fit> fit) {
    const Representation* known = representation(typeIdentifier);
    switch (known ? known->picture : PictureFormat::none) {
    case PictureFormat::pict:
        return decodePict(bytes.span(), fit);
    case PictureFormat::jpeg:
        return decodeJpeg(bytes.span(), fit);
    case PictureFormat::tiff:
        return decodeTiff(bytes.span(), fit);
    case PictureFormat::png:
        return decodePng(bytes.span(), fit);
    case PictureFormat::none:
        break;
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
