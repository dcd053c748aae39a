#include "ReadableText.h"

#include "formats/rtf/RtfReader.h"
#include "formats/rtfd/Rtfd.h"
#include "formats/web/HtmlText.h"
#include "formats/web/WebArchive.h"
#include "platform/text/TextDecoding.h"

namespace scrivlette::formatted {
namespace {

Expected<PlainText, ReadError> rtfText(std::string_view rtf) {
    auto document = rtf::parseRtf(rtf);
    if (!document) {
        ReadError error = document.error();
        error.message = "not readable RTF: " + error.message;
        return error;
    }
    return PlainText{document->plainText()};
}

Expected<PlainText, ReadError> rtfdText(const Bytes& bytes) {
    auto rtfd = readRtfd(bytes);
    if (!rtfd) {
        return rtfd.error();
    }
    return rtfText(rtfd->rtf);
}

Expected<PlainText, ReadError> webArchiveText(const Bytes& bytes) {
    auto archive = readWebArchive(bytes);
    if (!archive) {
        return archive.error();
    }
    const WebResource& page = archive->mainResource;
    if (page.mimeType == "text/html" || page.mimeType == "application/xhtml+xml") {
        return htmlText(page.data.view(), page.textEncoding);
    }
    if (page.mimeType == "text/plain") {
        if (auto text = decodeUtf8(page.data.span())) {
            return PlainText{std::move(*text)};
        }
        return ReadError::of(ErrorKind::InvalidText, "the web archive's text is not UTF-8");
    }
    if (page.mimeType == "text/rtf") {
        return rtfText(page.data.view());
    }
    return ReadError::of(ErrorKind::Unsupported,
                         "the web archive holds a page of type \"" + page.mimeType + "\"");
}

} // namespace

Expected<PlainText, ReadError> readableText(Formatting formatting, const std::string& content,
                                            const std::optional<Bytes>& data) {
    if (formatting == Formatting::rtf) {
        return rtfText(data && content.empty() ? data->view() : std::string_view(content));
    }
    if (formatting == Formatting::html) {
        return data ? htmlText(data->view()) : htmlText(content, "UTF-8");
    }
    if (formatting == Formatting::none) {
        return ReadError::of(ErrorKind::Unsupported, "not formatted text");
    }
    if (!data) {
        return ReadError::of(ErrorKind::Empty, "no bytes to read");
    }
    return formatting == Formatting::webArchive ? webArchiveText(*data) : rtfdText(*data);
}

} // namespace scrivlette::formatted
