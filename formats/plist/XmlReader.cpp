#include "XmlReader.h"

#include "formats/plist/Scalars.h"
#include "formats/plist/TreeBuilder.h"
#include "platform/text/Base64.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <expat.h>
#include <optional>

namespace scrivlette::plist {
namespace {

enum class Element { Plist, Dict, Array, Key, String, Data, Date, Integer, Real, True, False };

std::optional<Element> elementNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, Element> names[] = {
        {"plist", Element::Plist}, {"dict", Element::Dict},       {"array", Element::Array},
        {"key", Element::Key},     {"string", Element::String},   {"data", Element::Data},
        {"date", Element::Date},   {"integer", Element::Integer}, {"real", Element::Real},
        {"true", Element::True},   {"false", Element::False},
    };
    for (const auto& [text, element] : names) {
        if (text == name) {
            return element;
        }
    }
    return std::nullopt;
}

bool collectsText(Element element) {
    return element == Element::Key || element == Element::String || element == Element::Data ||
           element == Element::Date || element == Element::Integer || element == Element::Real;
}

bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where the document type declaration lies, so that it can be left out.
struct Span {
    std::size_t start = 0;
    std::size_t length = 0;
};

// Finds `<!DOCTYPE ...>` in the prolog, skipping its quoted strings and a
// bracketed internal subset. Returns an empty span when there is none.
std::optional<Span> findDoctype(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (isXmlSpace(text[at])) {
            ++at;
        } else if (text.substr(at).starts_with("<?")) {
            const std::size_t end = text.find("?>", at + 2);
            if (end == std::string_view::npos) {
                return Span{};
            }
            at = end + 2;
        } else if (text.substr(at).starts_with("<!--")) {
            const std::size_t end = text.find("-->", at + 4);
            if (end == std::string_view::npos) {
                return Span{};
            }
            at = end + 3;
        } else {
            break;
        }
    }
    if (!text.substr(at).starts_with("<!DOCTYPE")) {
        return Span{};
    }
    const std::size_t start = at;
    char quote = 0;
    int brackets = 0;
    for (at += 9; at < text.size(); ++at) {
        const char c = text[at];
        if (quote == 0 && brackets > 0 && text.substr(at).starts_with("<!--")) {
            const std::size_t end = text.find("-->", at + 4);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
            at = end + 2;
        } else if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            brackets = std::max(0, brackets - 1);
        } else if (c == '>' && brackets == 0) {
            return Span{start, at + 1 - start};
        }
    }
    return std::nullopt;
}

class XmlReader {
public:
    XmlReader() : parser_(nullptr) {}
    ~XmlReader() {
        if (parser_) {
            XML_ParserFree(parser_);
        }
    }
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    ParseResult run(std::string_view text, bool forceUtf8, std::size_t baseOffset);

private:
    static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes);
    static void XMLCALL onEnd(void* self, const XML_Char* name);
    static void XMLCALL onText(void* self, const XML_Char* text, int length);
    static void XMLCALL onEntityDeclaration(void* self, const XML_Char*, int, const XML_Char*, int,
                                            const XML_Char*, const XML_Char*, const XML_Char*,
                                            const XML_Char*);
    static void XMLCALL onDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int);

    void start(std::string_view name);
    void end();
    void text(std::string_view piece);
    void fail(ErrorKind kind, std::string message);
    void fail(Error error);
    std::optional<Error> finishLeaf(Element element);
    bool feed(std::string_view piece, bool isFinal);
    std::size_t offset() const;

    XML_Parser parser_;
    TreeBuilder builder_;
    std::vector<Element> open_;
    std::string text_;
    Base64Decoder base64_;
    bool sawPlist_ = false;
    std::optional<Error> error_;
    Span doctype_;
    std::size_t baseOffset_ = 0;
    std::size_t inputSize_ = 0;
};

void XmlReader::fail(Error error) {
    if (!error_) {
        error_ = std::move(error);
    }
    XML_StopParser(parser_, XML_FALSE);
}

void XmlReader::fail(ErrorKind kind, std::string message) {
    fail(Error{kind, offset(), std::move(message)});
}

// Offsets are reported in the caller's bytes, so the declaration that was
// skipped is added back.
std::size_t XmlReader::offset() const {
    const auto index =
        static_cast<std::size_t>(std::max<XML_Index>(0, XML_GetCurrentByteIndex(parser_)));
    return baseOffset_ + index +
           (doctype_.length > 0 && index >= doctype_.start ? doctype_.length : 0);
}

void XmlReader::start(std::string_view name) {
    if (error_) {
        return;
    }
    const auto element = elementNamed(name);
    if (!element) {
        return fail(ErrorKind::Malformed, "unknown element <" + std::string(name) + ">");
    }
    if (!open_.empty() && collectsText(open_.back())) {
        return fail(ErrorKind::Malformed, "element inside <" + std::string(name) + ">");
    }
    if (!open_.empty() && (open_.back() == Element::True || open_.back() == Element::False)) {
        return fail(ErrorKind::Malformed, "element inside a boolean");
    }
    if (*element == Element::Plist) {
        if (!open_.empty() || sawPlist_) {
            return fail(ErrorKind::Malformed, "misplaced <plist>");
        }
        sawPlist_ = true;
    } else if (*element == Element::Dict || *element == Element::Array) {
        auto failure = *element == Element::Dict ? builder_.beginDictionary(offset())
                                                 : builder_.beginArray(offset());
        if (failure) {
            failure->offset = offset();
            return fail(std::move(*failure));
        }
    } else if (*element != Element::Key && builder_.inDictionary() && !builder_.hasPendingKey()) {
        return fail(ErrorKind::Malformed, "dictionary value without a key");
    }
    text_.clear();
    base64_ = Base64Decoder();
    if (*element == Element::Data) {
        // The data can be no longer than the rest of the document says.
        base64_.expect(inputSize_ - std::min(inputSize_, offset() - baseOffset_));
    }
    open_.push_back(*element);
}

std::optional<Error> XmlReader::finishLeaf(Element element) {
    const std::size_t at = offset();
    switch (element) {
    case Element::Key:
        return builder_.addKey(std::move(text_), at);
    case Element::String:
        return builder_.addValue(Node::makeString(std::move(text_)), at);
    case Element::Data:
        if (!base64_.finish()) {
            return Error{ErrorKind::InvalidData, at, "invalid base64 in <data>"};
        }
        return builder_.addValue(Node::makeData(Bytes::adopt(base64_.take())), at);
    case Element::Integer: {
        auto value = parseIntegerText(text_);
        if (!value) {
            return Error{ErrorKind::Malformed, at, "invalid <integer>"};
        }
        return builder_.addValue(Node::makeInteger(*value), at);
    }
    case Element::Real: {
        auto value = parseRealText(text_);
        if (!value) {
            return Error{ErrorKind::Malformed, at, "invalid <real>"};
        }
        return builder_.addValue(Node::makeReal(*value), at);
    }
    case Element::Date: {
        auto value = parseDateText(text_);
        if (!value) {
            return Error{ErrorKind::Malformed, at, "invalid <date>"};
        }
        return builder_.addValue(Node::makeDate(*value), at);
    }
    case Element::True:
    case Element::False:
        return builder_.addValue(Node::makeBoolean(element == Element::True), at);
    default:
        return std::nullopt;
    }
}

void XmlReader::end() {
    // Expat still reports the end of an empty element whose start was
    // refused; the parse is over by then.
    if (error_ || open_.empty()) {
        return;
    }
    const Element element = open_.back();
    open_.pop_back();
    std::optional<Error> failure;
    if (element == Element::Dict || element == Element::Array) {
        failure = builder_.endContainer(offset());
    } else if (element != Element::Plist) {
        failure = finishLeaf(element);
    }
    text_.clear();
    if (failure) {
        fail(std::move(*failure));
    }
}

void XmlReader::text(std::string_view piece) {
    if (error_) {
        return;
    }
    if (open_.empty() || !collectsText(open_.back())) {
        if (!std::all_of(piece.begin(), piece.end(), isXmlSpace)) {
            fail(ErrorKind::Malformed, "text outside a value");
        }
        return;
    }
    if (open_.back() == Element::Data) {
        if (!base64_.feed(piece)) {
            fail(ErrorKind::InvalidData, "invalid base64 in <data>");
        }
        return;
    }
    text_.append(piece);
}

void XMLCALL XmlReader::onStart(void* self, const XML_Char* name, const XML_Char**) {
    static_cast<XmlReader*>(self)->start(name);
}

void XMLCALL XmlReader::onEnd(void* self, const XML_Char*) {
    static_cast<XmlReader*>(self)->end();
}

void XMLCALL XmlReader::onText(void* self, const XML_Char* text, int length) {
    static_cast<XmlReader*>(self)->text({text, static_cast<std::size_t>(length)});
}

void XMLCALL XmlReader::onEntityDeclaration(void* self, const XML_Char*, int, const XML_Char*, int,
                                            const XML_Char*, const XML_Char*, const XML_Char*,
                                            const XML_Char*) {
    static_cast<XmlReader*>(self)->fail(ErrorKind::Unsupported,
                                        "entity declarations are not allowed");
}

void XMLCALL XmlReader::onDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int) {
    static_cast<XmlReader*>(self)->fail(ErrorKind::Malformed,
                                        "misplaced document type declaration");
}

// Expat takes lengths as int, so large documents go in pieces.
bool XmlReader::feed(std::string_view piece, bool isFinal) {
    constexpr std::size_t chunk = std::size_t{1} << 26;
    do {
        const std::size_t length = std::min(piece.size(), chunk);
        const bool last = isFinal && length == piece.size();
        if (XML_Parse(parser_, piece.data(), static_cast<int>(length), last) != XML_STATUS_OK) {
            return false;
        }
        piece.remove_prefix(length);
    } while (!piece.empty());
    return true;
}

ParseResult XmlReader::run(std::string_view text, bool forceUtf8, std::size_t baseOffset) {
    baseOffset_ = baseOffset;
    inputSize_ = text.size();
    const auto doctype = findDoctype(text);
    if (!doctype) {
        return Error{ErrorKind::Truncated, baseOffset + text.size(),
                     "unterminated document type declaration"};
    }
    doctype_ = *doctype;
    parser_ = XML_ParserCreate(forceUtf8 ? "UTF-8" : nullptr);
    if (!parser_) {
        throw std::bad_alloc();
    }
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
    XML_SetEntityDeclHandler(parser_, onEntityDeclaration);
    XML_SetStartDoctypeDeclHandler(parser_, onDoctype);
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);

    const bool ok = feed(text.substr(0, doctype_.start), false) &&
                    feed(text.substr(doctype_.start + doctype_.length), true);
    if (error_) {
        return *error_;
    }
    if (!ok) {
        const XML_Error code = XML_GetErrorCode(parser_);
        const ErrorKind kind = code == XML_ERROR_NO_ELEMENTS || code == XML_ERROR_UNCLOSED_TOKEN ||
                                       code == XML_ERROR_PARTIAL_CHAR
                                   ? ErrorKind::Truncated
                                   : ErrorKind::Malformed;
        return Error{kind, offset(), std::string("XML error: ") + XML_ErrorString(code)};
    }
    if (!builder_.hasRoot()) {
        return Error{ErrorKind::Empty, baseOffset + text.size(), "property list holds no value"};
    }
    return builder_.takeRoot();
}

} // namespace

ParseResult parseXmlText(const TextForm& form) {
    std::string_view text = form.text();
    // Apple's reader lets white space come before the XML declaration; expat
    // does not, so it is skipped here and counted back into offsets.
    const std::size_t blank = std::min(text.find_first_not_of(" \t\r\n"), text.size());
    auto result = XmlReader().run(text.substr(blank), form.transcoded(), blank);
    return result ? std::move(result) : ParseResult(form.locate(result.error()));
}

ParseResult parseXml(const Bytes& input) {
    auto form = decodeTextForm(input);
    return form ? parseXmlText(*form) : ParseResult(form.error());
}

} // namespace scrivlette::plist
