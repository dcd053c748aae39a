#include "HtmlText.h"

#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <array>
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>
#include <memory>

namespace scrivlette::formatted {
namespace {

bool isHidden(std::string_view name) {
    return name == "script" || name == "style" || name == "head" || name == "noscript" ||
           name == "template";
}

bool isBlock(std::string_view name) {
    static constexpr std::array<std::string_view, 28> blocks = {
        "p",   "div", "li",      "ul",      "ol",     "h1",      "h2",
        "h3",  "h4",  "h5",      "h6",      "tr",     "table",   "blockquote",
        "pre", "hr",  "section", "article", "header", "footer",  "dd",
        "dt",  "dl",  "nav",     "aside",   "figure", "address", "main"};
    return std::find(blocks.begin(), blocks.end(), name) != blocks.end();
}

// Fed by the parser's events rather than a tree: libxml2 refuses to build a
// tree deeper than 256 elements and drops the rest, and old pages nest
// hundreds of unclosed <font> tags. Events have no depth limit and cost
// time in proportion to the document.
class TextCollector {
public:
    void start(std::string_view name) {
        if (isHidden(name)) {
            ++hidden_;
        }
        if (hidden_ > 0) {
            return;
        }
        if (name == "br" || isBlock(name)) {
            lineBreak();
        } else if (name == "td" || name == "th") {
            pendingSpace_ = true;
        }
        if (name == "pre") {
            ++preformatted_;
        }
    }

    void end(std::string_view name) {
        if (isHidden(name)) {
            hidden_ = hidden_ > 0 ? hidden_ - 1 : 0;
            return;
        }
        if (hidden_ > 0) {
            return;
        }
        if (name == "pre" && preformatted_ > 0) {
            --preformatted_;
        }
        if (isBlock(name)) {
            lineBreak();
        }
    }

    void text(std::string_view content) {
        if (hidden_ > 0) {
            return;
        }
        for (char c : content) {
            const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
            if (preformatted_ > 0) {
                out_.push_back(c == '\r' ? '\n' : c);
                atLineStart_ = c == '\n';
            } else if (space) {
                pendingSpace_ = !atLineStart_;
            } else {
                if (pendingSpace_) {
                    out_.push_back(' ');
                    pendingSpace_ = false;
                }
                out_.push_back(c);
                atLineStart_ = false;
            }
        }
    }

    std::string finish() {
        while (!out_.empty() && out_.back() == '\n') {
            out_.pop_back();
        }
        return validUtf8(out_);
    }

private:
    void lineBreak() {
        pendingSpace_ = false;
        if (!out_.empty() && !atLineStart_) {
            out_.push_back('\n');
        }
        atLineStart_ = true;
    }

    std::string out_;
    int hidden_ = 0;
    int preformatted_ = 0;
    bool pendingSpace_ = false;
    bool atLineStart_ = true;
};

std::string_view nameOf(const xmlChar* name) {
    return name ? std::string_view(reinterpret_cast<const char*>(name)) : std::string_view();
}

void onStart(void* collector, const xmlChar* name, const xmlChar**) {
    static_cast<TextCollector*>(collector)->start(nameOf(name));
}

void onEnd(void* collector, const xmlChar* name) {
    static_cast<TextCollector*>(collector)->end(nameOf(name));
}

void onText(void* collector, const xmlChar* text, int length) {
    static_cast<TextCollector*>(collector)->text(
        std::string_view(reinterpret_cast<const char*>(text), std::size_t(length)));
}

// libxml2 would print its complaints on our stderr; a malformed page is
// ordinary input here, not news.
void onMessage(void*, const char*, ...) {}
void onStructuredError(void*, xmlErrorPtr) {}

struct ContextFree {
    void operator()(htmlParserCtxt* context) const { htmlFreeParserCtxt(context); }
};

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

// UTF-32, which libxml2 does not read, as UTF-8: a byte-order mark decides
// the order, big-endian without one; code points that are not characters
// become U+FFFD.
std::string utf32ToUtf8(std::string_view bytes, bool littleEndian) {
    std::string out;
    std::size_t at = 0;
    const auto word = [&](std::size_t i) {
        const auto b = [&](std::size_t k) {
            return char32_t(static_cast<unsigned char>(bytes[i + k]));
        };
        return littleEndian ? b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24
                            : b(3) | b(2) << 8 | b(1) << 16 | b(0) << 24;
    };
    if (bytes.size() >= 4 && (word(0) == 0xFEFF || word(0) == 0xFFFE0000)) {
        littleEndian = littleEndian != (word(0) == 0xFFFE0000);
        at = 4;
    }
    for (; at + 4 <= bytes.size(); at += 4) {
        const char32_t c = word(at);
        appendUtf8(out, c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? U'\uFFFD' : c);
    }
    return out;
}

} // namespace

Expected<PlainText, ReadError> htmlText(std::string_view html, const std::string& encoding) {
    if (html.empty()) {
        return PlainText{};
    }
    std::string name = lowered(encoding);
    std::string converted;
    if (name == "utf-32" || name == "utf-32be" || name == "utf-32le" || name == "utf32") {
        converted = utf32ToUtf8(html, name == "utf-32le");
        html = converted;
        name = "utf-8";
    }
    if (name == "utf-8" || name == "utf8") {
        // libxml2 would pass bytes that are not UTF-8 through as they are.
        converted = validUtf8(html);
        html = converted;
    }
    if (html.size() > std::size_t(INT32_MAX)) {
        return ReadError::of(ErrorKind::TooLarge, "the page is too large");
    }
    xmlCharEncodingHandlerPtr handler = nullptr;
    if (!name.empty() && !(handler = xmlFindCharEncodingHandler(name.c_str()))) {
        return ReadError::of(ErrorKind::Unsupported,
                             "the page's encoding \"" + encoding + "\" cannot be read");
    }
    const std::unique_ptr<htmlParserCtxt, ContextFree> context(
        htmlCreateMemoryParserCtxt(html.data(), static_cast<int>(html.size())));
    if (!context) {
        if (handler) {
            xmlCharEncCloseFunc(handler);
        }
        return ReadError::of(ErrorKind::TooLarge, "out of memory");
    }
    htmlSAXHandler sax{};
    sax.startElement = onStart;
    sax.endElement = onEnd;
    sax.characters = onText;
    sax.cdataBlock = onText;
    sax.warning = onMessage;
    sax.error = onMessage;
    sax.fatalError = onMessage;
    sax.serror = onStructuredError;
    sax.initialized = XML_SAX2_MAGIC;
    TextCollector collector;
    *context->sax = sax;
    context->userData = &collector;
    htmlCtxtUseOptions(context.get(), HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                          HTML_PARSE_NOWARNING);
    if (handler) {
        xmlSwitchToEncoding(context.get(), handler);
    }
    htmlParseDocument(context.get());
    return PlainText{collector.finish()};
}

} // namespace scrivlette::formatted
