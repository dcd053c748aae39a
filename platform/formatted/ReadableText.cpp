#include "ReadableText.h"

#include "platform/formatted/FlatRtfd.h"
#include "platform/formatted/HtmlText.h"
#include "platform/formatted/WebArchive.h"
#include "platform/rtf/RtfReader.h"
#include "platform/text/TextDecoding.h"

namespace scrivlette::formatted {
namespace {

Expected<PlainText, std::string> rtfText(std::string_view rtf) {
    auto document = rtf::parseRtf(rtf);
    if (!document) {
        return "not readable RTF: " + document.error();
    }
    return PlainText{document->plainText()};
}

Expected<PlainText, std::string> rtfdText(const Bytes& bytes) {
    auto wrapper = readFlatRtfd(bytes);
    if (!wrapper) {
        return wrapper.error();
    }
    // A single-file wrapper is the RTF itself; a folder keeps it as TXT.rtf.
    if (wrapper->kind == FileWrapper::Kind::regularFile) {
        return rtfText(wrapper->contents.view());
    }
    for (const FileWrapper::Child& child : wrapper->children) {
        if (child.name == "TXT.rtf" && child.wrapper.kind == FileWrapper::Kind::regularFile) {
            return rtfText(child.wrapper.contents.view());
        }
    }
    return std::string("the RTFD holds no TXT.rtf");
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
    return typeIdentifier == "public.rtf" || typeIdentifier == "public.html" ||
           typeIdentifier == "com.apple.webarchive" || typeIdentifier == "com.apple.flat-rtfd";
}

Expected<PlainText, std::string> readableText(std::string_view typeIdentifier,
                                              const std::string& content,
                                              const std::optional<Bytes>& data) {
    if (typeIdentifier == "public.rtf") {
        return rtfText(data && content.empty() ? data->view() : std::string_view(content));
    }
    if (typeIdentifier == "public.html") {
        return data ? htmlText(data->view()) : htmlText(content, "UTF-8");
    }
    if (!data) {
        return "no bytes to read in " + std::string(typeIdentifier);
    }
    if (typeIdentifier == "com.apple.webarchive") {
        return webArchiveText(*data);
    }
    if (typeIdentifier == "com.apple.flat-rtfd") {
        return rtfdText(*data);
    }
    return "not formatted text (" + std::string(typeIdentifier) + ")";
}

} // namespace scrivlette::formatted
