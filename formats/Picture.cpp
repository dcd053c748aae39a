#include "Picture.h"

#include "formats/codecs/Codecs.h"
#include "formats/codecs/ColourManagement.h"
#include "formats/pict/Pict.h"

namespace scrivlette::image {

namespace {

ImageResult decodeAsStored(PictureFormat format, const Bytes& bytes, std::optional<Fit> fit) {
    switch (format) {
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
    return ReadError::of(ErrorKind::Unsupported, "not a picture");
}

} // namespace

ImageResult decodePicture(PictureFormat format, const Bytes& bytes, std::optional<Fit> fit) {
    try {
        auto picture = decodeAsStored(format, bytes, fit);
        if (picture) {
            convertToSrgb(picture.value());
        }
        return picture;
    } catch (const std::bad_alloc&) {
        return ReadError::of(ErrorKind::TooLarge, "not decodable: out of memory");
    }
}

} // namespace scrivlette::image
