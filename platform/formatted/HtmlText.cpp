#include "HtmlText.h"

#include <array>
#include <libxml/HTMLparser.h>
#include <memory>

namespace scrivlette::formatted {
namespace {

bool named(const xmlNode* node, std::string_view name) {
    return node->name && std::string_view(reinterpret_cast<const char*>(node->name)) == name;
}

bool isHidden(const xmlNode* node) {
    return named(node, "script") || named(node, "style") || named(node, "head") ||
           named(node, "noscript") || named(node, "template");
}

bool isBlock(const xmlNode* node) {
    static constexpr std::array<std::string_view, 28> blocks = {
        "p",   "div", "li",      "ul",      "ol",     "h1",      "h2",
        "h3",  "h4",  "h5",      "h6",      "tr",     "table",   "blockquote",
        "pre", "hr",  "section", "article", "header", "footer",  "dd",
        "dt",  "dl",  "nav",     "aside",   "figure", "address", "main"};
    for (std::string_view block : blocks) {
        if (named(node, block)) {
            return true;
        }
    }
    return false;
}

class TextCollector {
public:
    void walk(const xmlNode* node, bool preformatted) {
        // Depth is bounded by libxml2 itself (XML_PARSE_HUGE is not set).
        for (; node; node = node->next) {
            if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
                text(reinterpret_cast<const char*>(node->content), preformatted);
            } else if (node->type == XML_ELEMENT_NODE && !isHidden(node)) {
                if (named(node, "br")) {
                    lineBreak();
                    continue;
                }
                const bool block = isBlock(node);
                if (block) {
                    lineBreak();
                }
                if (named(node, "td") || named(node, "th")) {
                    pendingSpace_ = true;
                }
                walk(node->children, preformatted || named(node, "pre"));
                if (block) {
                    lineBreak();
                }
            }
        }
    }

    std::string finish() {
        while (!out_.empty() && out_.back() == '\n') {
            out_.pop_back();
        }
        return std::move(out_);
    }

private:
    void text(const char* content, bool preformatted) {
        if (!content) {
            return;
        }
        for (const char* c = content; *c; ++c) {
            const bool space = *c == ' ' || *c == '\t' || *c == '\n' || *c == '\r' || *c == '\f';
            if (preformatted) {
                out_.push_back(*c == '\r' ? '\n' : *c);
                atLineStart_ = *c == '\n';
            } else if (space) {
                pendingSpace_ = !atLineStart_;
            } else {
                if (pendingSpace_) {
                    out_.push_back(' ');
                    pendingSpace_ = false;
                }
                out_.push_back(*c);
                atLineStart_ = false;
            }
        }
    }

    void lineBreak() {
        pendingSpace_ = false;
        if (!out_.empty() && !atLineStart_) {
            out_.push_back('\n');
        }
        atLineStart_ = true;
    }

    std::string out_;
    bool pendingSpace_ = false;
    bool atLineStart_ = true;
};

struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

} // namespace

std::string htmlText(std::string_view html, const std::string& encoding) {
    if (html.empty() || html.size() > std::size_t(INT32_MAX)) {
        return {};
    }
    const int options =
        HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
    const std::unique_ptr<xmlDoc, DocumentFree> document(
        htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr,
                       encoding.empty() ? nullptr : encoding.c_str(), options));
    if (!document) {
        return {};
    }
    TextCollector collector;
    collector.walk(xmlDocGetRootElement(document.get()), false);
    return collector.finish();
}

} // namespace scrivlette::formatted
