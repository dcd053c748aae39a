#include "ReadableText.h"

#include "platform/formatted/HtmlText.h"
#include "platform/formatted/Rtfd.h"
#include "platform/formatted/WebArchive.h"
#include "platform/rtf/RtfReader.h"
#include "platform/text/TextDecoding.h"

namespace scrivlette::formatted {
namespace {

Expected<PlainText, std::string> rtfText(std::string_view rtf) {
    auto document = rtf::parseRtf(rtf);
    if (!document) {
        return "not readable RTF: " + document.error().describe();
    }
    return PlainText{document->plainText()};
}

Expected<PlainText, std::string> rtfdText(const Bytes& bytes) {
    auto rtfd = readRtfd(bytes);
    if (!rtfd) {
        return rtfd.error();
    }
    return rtfText(rtfd->rtf);
}

Expected<PlainText, std::string> webArchiveText(const Bytes& bytes) {
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
        return std::string("the web archive's text is not UTF-8");
    }
    if (page.mimeType == "text/rtf") {
        return rtfText(page.data.view());
    }
    return "the web archive holds a page of type \"" + page.mimeType + "\"";
}

} // namespace

bool isFormattedType(std::string_view typeIdentifier) {
    return formattingOf(typeIdentifier) != Formatting::none;
}

Formatting formattingOf(std::string_view typeIdentifier) {
    const Representation* known = representation(typeIdentifier);
    return known ? known->formatting : Formatting::none;
}

Expected<PlainText, std::string> readableText(std::string_view typeIdentifier,
                                              const std::string& content,
                                              const std::optional<Bytes>& data) {
    const Formatting formatting = formattingOf(typeIdentifier);
    if (formatting == Formatting::rtf) {
        return rtfText(data && content.empty() ? data->view() : std::string_view(content));
    }
    if (formatting == Formatting::html) {
        return data ? htmlText(data->view()) : htmlText(content, "UTF-8");
    }
    if (formatting == Formatting::none) {
        return "not formatted text (" + std::string(typeIdentifier) + ")";
    }
    if (!data) {
        return "no bytes to read in " + std::string(typeIdentifier);
    }
    return formatting == Formatting::webArchive ? webArchiveText(*data) : rtfdText(*data);
}

} // namespace scrivlette::formatted
