#include "PropertyList.h"

#include "platform/plist/BinaryReader.h"
#include "platform/plist/OpenStepReader.h"
#include "platform/plist/XmlReader.h"

#include <array>

namespace scrivlette::plist {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// `<dict>` and `<deadbeef>` both open with '<' and hex digits, so XML is told
// from OpenStep data by the element names a property list can start with.
bool startsXmlMarkup(std::string_view text) {
    if (text.starts_with("<?") || text.starts_with("<!")) {
        return true;
    }
    static constexpr std::array<std::string_view, 11> elements = {
        "plist",   "dict", "array", "string", "data", "key",
        "integer", "real", "true",  "false",  "date"};
    for (std::string_view element : elements) {
        if (text.substr(1).starts_with(element)) {
            const std::size_t after = 1 + element.size();
            if (after < text.size() &&
                (text[after] == '>' || text[after] == '/' || isSpace(text[after]))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::optional<Format> detectFormat(const Bytes& input) {
    std::string_view text = input.view();
    if (text.starts_with("bplist")) {
        return Format::Binary;
    }
    if (text.starts_with("\xFE\xFF") || text.starts_with("\xFF\xFE") ||
        text.starts_with(std::string_view("\0<", 2)) ||
        text.starts_with(std::string_view("<\0", 2))) {
        return Format::Xml;
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    return text.front() == '<' && startsXmlMarkup(text) ? Format::Xml : Format::OpenStep;
}

ParseResult parse(const Bytes& input) {
    const auto format = detectFormat(input);
    if (!format) {
        return Error{ErrorKind::Empty, input.size(), "no property list in an empty file"};
    }
    switch (*format) {
    case Format::Binary:
        return parseBinary(input);
    case Format::Xml:
        return parseXml(input);
    case Format::OpenStep:
        return parseOpenStep(input);
    }
    return Error{ErrorKind::UnknownFormat, 0, "unknown property-list format"};
}

} // namespace scrivlette::plist
