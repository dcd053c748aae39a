#include "ClipContent.h"

#include "formats/Picture.h"
#include "formats/formatted/ReadableText.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtfd/Rtfd.h"
#include "formats/web/WebArchive.h"
#include "model/Representations.h"
#include "platform/files/FileType.h"

namespace scrivlette {
namespace {

PictureFormat pictureFormatOf(std::string_view identifier) {
    const Representation* known = representation(identifier);
    return known ? known->picture : PictureFormat::none;
}

Formatting formattingOf(std::string_view identifier) {
    const Representation* known = representation(identifier);
    return known ? known->formatting : Formatting::none;
}

Expected<FormattedDocument, ReadError> richDocument(std::string rtf,
                                                    std::vector<FormattedDocument::Part> parts) {
    auto parsed = rtf::parseRtf(rtf);
    if (!parsed) {
        return parsed.error();
    }
    return FormattedDocument{std::move(parsed).value(), {}, std::move(parts)};
}

Expected<FormattedDocument, ReadError> rtfdDocument(const ClipDetail& clip) {
    if (!clip.data) {
        return ReadError::of(ErrorKind::Empty, "no bytes");
    }
    auto read = formatted::readRtfd(*clip.data);
    if (!read) {
        return read.error();
    }
    formatted::Rtfd rtfd = std::move(read).value();
    std::vector<FormattedDocument::Part> parts;
    for (formatted::RtfdAttachment& attachment : rtfd.attachments) {
        parts.push_back({std::move(attachment.name), {}, {}, std::move(attachment.bytes)});
    }
    return richDocument(std::move(rtfd.rtf), std::move(parts));
}

FormattedDocument::Part partOf(const formatted::WebResource& resource) {
    return {resource.url, resource.mimeType, resource.textEncoding, resource.data};
}

Expected<FormattedDocument, ReadError> webArchiveDocument(const ClipDetail& clip) {
    if (!clip.data) {
        return ReadError::of(ErrorKind::Unsupported, "not formatted text");
    }
    const auto archive = formatted::readWebArchive(*clip.data);
    if (!archive) {
        return archive.error();
    }
    FormattedDocument document{std::nullopt, partOf(archive->mainResource), {}};
    for (const formatted::WebResource& resource : archive->subresources) {
        if (resource.mimeType.starts_with("image/") || resource.mimeType == "text/css") {
            document.parts.push_back(partOf(resource));
        }
    }
    return document;
}

} // namespace

EntryKind entryKind(const ClipDetail& clip) {
    if (clip.title == locationKey) {
        return EntryKind::location;
    }
    if (formattingOf(clip.title) != Formatting::none) {
        return EntryKind::formatted;
    }
    if (clip.data && pictureFormatOf(clip.title) != PictureFormat::none) {
        return EntryKind::picture;
    }
    return clip.useStringForData ? EntryKind::text : EntryKind::data;
}

image::ImageResult pictureOf(const ClipDetail& clip, std::optional<image::Fit> fit) {
    const PictureFormat format = pictureFormatOf(clip.title);
    if (format == PictureFormat::none || !clip.data) {
        return ReadError::of(ErrorKind::Unsupported, "not a picture (" + clip.title + ")");
    }
    return image::decodePicture(format, *clip.data, fit);
}

std::optional<image::ImageResult> attachedPicture(std::string_view name, const Bytes& bytes,
                                                  image::Fit fit) {
    const std::size_t dot = name.rfind('.');
    const auto type = dot == std::string_view::npos
                          ? std::nullopt
                          : typeIdentifierForExtension(name.substr(dot + 1));
    const PictureFormat format = type ? pictureFormatOf(*type) : PictureFormat::none;
    if (format == PictureFormat::none) {
        return std::nullopt;
    }
    return image::decodePicture(format, bytes, fit);
}

Expected<formatted::PlainText, ReadError> readableTextOf(const ClipDetail& clip) {
    const Formatting formatting = formattingOf(clip.title);
    if (formatting == Formatting::none) {
        return ReadError::of(ErrorKind::Unsupported, "not formatted text (" + clip.title + ")");
    }
    if (!clip.data && (formatting == Formatting::webArchive || formatting == Formatting::rtfd)) {
        return ReadError::of(ErrorKind::Empty, "no bytes to read in " + clip.title);
    }
    return formatted::readableText(formatting, clip.content, clip.data);
}

Expected<FormattedDocument, ReadError> formattedDocumentOf(const ClipDetail& clip) {
    switch (formattingOf(clip.title)) {
    case Formatting::rtf:
        return richDocument(clip.content, {});
    case Formatting::rtfd:
        return rtfdDocument(clip);
    case Formatting::html:
        return FormattedDocument{
            std::nullopt, {{}, "text/html", {}, Bytes::copyOf(clip.content)}, {}};
    case Formatting::webArchive:
        return webArchiveDocument(clip);
    case Formatting::none:
        break;
    }
    return ReadError::of(ErrorKind::Unsupported, "not formatted text");
}

Expected<FileWrapper, ReadError> packageOf(const ClipDetail& clip) {
    if (!clip.data || formattingOf(clip.title) != Formatting::rtfd) {
        return ReadError::of(ErrorKind::Unsupported, "not an RTFD (" + clip.title + ")");
    }
    return formatted::readRtfdPackage(*clip.data);
}

std::optional<rtf::Document> richTextOf(std::string_view rtf) {
    auto parsed = rtf::parseRtf(rtf);
    return parsed ? std::optional(std::move(parsed).value()) : std::nullopt;
}

const ClipDetail* firstText(const std::vector<ClipDetail>& clips) {
    for (const Representation& kind : representations()) {
        if (!kind.plainText) {
            continue;
        }
        for (const ClipDetail& clip : clips) {
            if (clip.title == kind.identifier && clip.useStringForData && !clip.content.empty()) {
                return &clip;
            }
        }
    }
    return nullptr;
}

image::ImageResult firstPicture(const std::vector<ClipDetail>& clips,
                                std::optional<image::Fit> fit) {
    ReadError problem = ReadError::of(ErrorKind::Unsupported, "no picture in the clipping");
    for (const ClipDetail& clip : clips) {
        if (entryKind(clip) != EntryKind::picture) {
            continue;
        }
        auto picture = pictureOf(clip, fit);
        if (picture) {
            return picture;
        }
        problem = picture.error();
    }
    return problem;
}

std::string_view extensionOf(const ClipDetail& clip) {
    const Representation* known = representation(clip.title);
    if (!known || known->extension.empty()) {
        return "bin";
    }
    const bool undecodedText = known->saving == Saving::asPlainText &&
                               known->text != StoredText::none && !clip.useStringForData;
    return undecodedText ? "bin" : known->extension;
}

const ClipDetail* firstLocation(const std::vector<ClipDetail>& clips) {
    const auto found = std::find_if(clips.begin(), clips.end(), [](const ClipDetail& clip) {
        return entryKind(clip) == EntryKind::location;
    });
    return found == clips.end() ? nullptr : &*found;
}

std::string_view searchTextOf(const std::vector<ClipDetail>& clips) {
    if (const ClipDetail* text = firstText(clips)) {
        return text->content;
    }
    const ClipDetail* location = firstLocation(clips);
    return location ? std::string_view(location->content) : std::string_view();
}

bool mayOpen(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    std::string scheme(address.substr(0, colon));
    for (char& c : scheme) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "mailto";
}

} // namespace scrivlette
