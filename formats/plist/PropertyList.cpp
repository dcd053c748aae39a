#include "PropertyList.h"

#include "formats/plist/BinaryReader.h"
#include "formats/plist/OpenStepReader.h"
#include "formats/plist/XmlReader.h"

#include <array>
#include <optional>

namespace scrivlette::plist {
namespace {

enum class Format { Xml, OpenStep };

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

std::optional<Format> detectTextFormat(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    return text.front() == '<' && startsXmlMarkup(text) ? Format::Xml : Format::OpenStep;
}

} // namespace

// The encoding is found before the format, so UTF-16 and UTF-32 OpenStep
// text reads as well as XML does.
ParseResult parse(const Bytes& input) {
    if (input.view().starts_with("bplist")) {
        return parseBinary(input);
    }
    const auto form = decodeTextForm(input);
    if (!form) {
        return form.error();
    }
    const auto format = detectTextFormat(form->text());
    if (!format) {
        return Error{ErrorKind::Empty, input.size(), "no property list in an empty file"};
    }
    return *format == Format::Xml ? parseXmlText(*form) : parseOpenStepText(*form);
}

} // namespace scrivlette::plist
