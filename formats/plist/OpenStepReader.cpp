#include "OpenStepReader.h"

#include "formats/plist/NextStep.h"
#include "formats/plist/TreeBuilder.h"
#include "platform/text/Ascii.h"
#include "platform/text/TextDecoding.h"

#include <vector>

namespace scrivlette::plist {
namespace {

bool isUnquotedCharacter(std::uint8_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c == '/' || c == ':' || c == '.' || c == '-' || c == '+';
}

class OpenStepReader {
public:
    explicit OpenStepReader(std::string_view text) : text_(text) {}
    ParseResult run();

private:
    // What the innermost open container waits for next.
    enum class Expect { KeyOrClose, Equals, Value, Separator, ValueOrClose };

    std::optional<Error> skipSpaceAndComments();
    bool atEnd() const { return at_ >= text_.size(); }
    std::uint8_t peek() const { return static_cast<std::uint8_t>(text_[at_]); }

    std::optional<Error> readString(std::string& out);
    std::optional<Error> readQuoted(std::string& out);
    std::optional<Error> readEscape(std::string& out, std::uint32_t& pendingHigh);
    std::optional<Error> readUnicodeEscape(std::string& out, std::uint32_t& pendingHigh);
    std::optional<Error> readData(Bytes& out);
    std::optional<Error> readValue();
    std::optional<Error> step();
    std::optional<Error> readKey();
    std::optional<Error> closeContainer();
    std::optional<Error> readSeparator(char c);
    std::optional<Error> afterValue();
    std::optional<Error> startStringsFile();

    Error error(ErrorKind kind, std::string message) const {
        return Error{kind, at_, std::move(message)};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    TreeBuilder builder_;
    std::vector<Expect> expect_;
    bool bracelessRoot_ = false;
};

std::optional<Error> OpenStepReader::skipSpaceAndComments() {
    while (!atEnd()) {
        const char c = text_[at_];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            ++at_;
        } else if (text_.substr(at_).starts_with("//")) {
            const std::size_t end = text_.find('\n', at_);
            at_ = end == std::string_view::npos ? text_.size() : end + 1;
        } else if (text_.substr(at_).starts_with("/*")) {
            const std::size_t end = text_.find("*/", at_ + 2);
            if (end == std::string_view::npos) {
                return error(ErrorKind::Truncated, "unterminated comment");
            }
            at_ = end + 2;
        } else {
            break;
        }
    }
    return std::nullopt;
}

std::optional<Error> OpenStepReader::readEscape(std::string& out, std::uint32_t& pendingHigh) {
    if (atEnd()) {
        return error(ErrorKind::Truncated, "string cut short");
    }
    const char c = text_[at_++];
    if (c == 'U') {
        return readUnicodeEscape(out, pendingHigh);
    }
    if (pendingHigh != 0) {
        return error(ErrorKind::InvalidText, "unpaired surrogate in \\U escape");
    }
    if (c >= '0' && c <= '7') {
        std::uint32_t value = static_cast<std::uint32_t>(c - '0');
        for (int i = 0; i < 2 && !atEnd() && peek() >= '0' && peek() <= '7'; ++i) {
            value = value * 8 + static_cast<std::uint32_t>(text_[at_++] - '0');
        }
        // Octal escapes name bytes of the NeXTSTEP character set; the Mac keeps
        // the low eight bits of \400 to \777, and so do we.
        value &= 0xFF;
        appendUtf8(out, value < 0x80 ? value : nextStepUpperHalf[value - 0x80]);
        return std::nullopt;
    }
    static constexpr std::string_view named = "abfnrtv";
    static constexpr std::string_view controls = "\a\b\f\n\r\t\v";
    const std::size_t which = named.find(c);
    // \" \' \\ and any other character stand for themselves.
    out.push_back(which == std::string_view::npos ? c : controls[which]);
    return std::nullopt;
}

// \UXXXX: a UTF-16 unit, a high surrogate waiting in `pendingHigh` for its pair.
std::optional<Error> OpenStepReader::readUnicodeEscape(std::string& out,
                                                       std::uint32_t& pendingHigh) {
    std::uint32_t unit = 0;
    for (int i = 0; i < 4; ++i) {
        const int digit = atEnd() ? -1 : hexDigitValue(static_cast<char>(peek()));
        if (digit < 0) {
            return error(ErrorKind::Malformed, "invalid \\U escape");
        }
        unit = unit * 16 + static_cast<std::uint32_t>(digit);
        ++at_;
    }
    if (pendingHigh != 0) {
        if (unit < 0xDC00 || unit > 0xDFFF) {
            return error(ErrorKind::InvalidText, "unpaired surrogate in \\U escape");
        }
        appendUtf8(out, 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00));
        pendingHigh = 0;
    } else if (unit >= 0xD800 && unit <= 0xDBFF) {
        pendingHigh = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
        return error(ErrorKind::InvalidText, "unpaired surrogate in \\U escape");
    } else {
        appendUtf8(out, unit);
    }
    return std::nullopt;
}

std::optional<Error> OpenStepReader::readQuoted(std::string& out) {
    const char quote = text_[at_++];
    std::uint32_t pendingHigh = 0;
    while (true) {
        if (atEnd()) {
            return error(ErrorKind::Truncated, "unterminated string");
        }
        const char c = text_[at_];
        if (c == '\\') {
            ++at_;
            if (auto failure = readEscape(out, pendingHigh)) {
                return failure;
            }
            continue;
        }
        if (pendingHigh != 0) {
            return error(ErrorKind::InvalidText, "unpaired surrogate in \\U escape");
        }
        ++at_;
        if (c == quote) {
            break;
        }
        out.push_back(c);
    }
    if (!isValidUtf8(out)) {
        return error(ErrorKind::InvalidText, "string is not valid UTF-8");
    }
    return std::nullopt;
}

std::optional<Error> OpenStepReader::readString(std::string& out) {
    if (atEnd()) {
        return error(ErrorKind::Truncated, "value missing");
    }
    if (peek() == '"' || peek() == '\'') {
        return readQuoted(out);
    }
    const std::size_t start = at_;
    while (!atEnd() && isUnquotedCharacter(peek())) {
        ++at_;
    }
    if (at_ == start) {
        return error(ErrorKind::Malformed, "unexpected character");
    }
    out.assign(text_.substr(start, at_ - start));
    return std::nullopt;
}

std::optional<Error> OpenStepReader::readData(Bytes& out) {
    ++at_; // '<'
    std::vector<std::uint8_t> bytes;
    int high = -1;
    while (true) {
        if (atEnd()) {
            return error(ErrorKind::Truncated, "unterminated data");
        }
        const char c = text_[at_];
        if (c == '>') {
            break;
        }
        ++at_;
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            return error(ErrorKind::InvalidData, "invalid hex digit in data");
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) {
        return error(ErrorKind::InvalidData, "odd number of hex digits in data");
    }
    ++at_;
    out = Bytes::adopt(std::move(bytes));
    return std::nullopt;
}

std::optional<Error> OpenStepReader::afterValue() {
    if (!expect_.empty()) {
        expect_.back() = Expect::Separator;
    }
    return std::nullopt;
}

std::optional<Error> OpenStepReader::readValue() {
    const std::size_t start = at_;
    if (atEnd()) {
        return error(ErrorKind::Truncated, "value missing");
    }
    const char c = text_[at_];
    if (c == '{' || c == '(') {
        auto failure = c == '{' ? builder_.beginDictionary(start) : builder_.beginArray(start);
        if (failure) {
            return failure;
        }
        ++at_;
        expect_.push_back(c == '{' ? Expect::KeyOrClose : Expect::ValueOrClose);
        return std::nullopt;
    }
    NodePtr node;
    if (c == '<') {
        Bytes bytes;
        if (auto failure = readData(bytes)) {
            return failure;
        }
        node = Node::makeData(std::move(bytes));
    } else {
        std::string text;
        if (auto failure = readString(text)) {
            return failure;
        }
        node = Node::makeString(std::move(text));
    }
    if (auto failure = builder_.addValue(std::move(node), start)) {
        return failure;
    }
    return afterValue();
}

std::optional<Error> OpenStepReader::step() {
    if (auto failure = skipSpaceAndComments()) {
        return failure;
    }
    if (expect_.empty()) {
        return readValue();
    }
    const bool closesHere = bracelessRoot_ && expect_.size() == 1;
    if (atEnd()) {
        if (closesHere && expect_.back() == Expect::KeyOrClose) {
            expect_.pop_back();
            return builder_.endContainer(at_);
        }
        return error(ErrorKind::Truncated, "property list cut short");
    }
    const char c = text_[at_];
    switch (expect_.back()) {
    case Expect::KeyOrClose:
        return c == '}' && !closesHere ? closeContainer() : readKey();
    case Expect::Equals:
        if (c != '=') {
            return error(ErrorKind::Malformed, "expected '=' after dictionary key");
        }
        ++at_;
        expect_.back() = Expect::Value;
        return std::nullopt;
    case Expect::Value:
        return readValue();
    case Expect::ValueOrClose:
        return c == ')' ? closeContainer() : readValue();
    case Expect::Separator:
        return readSeparator(c);
    }
    return std::nullopt;
}

std::optional<Error> OpenStepReader::readKey() {
    std::string key;
    if (auto failure = readString(key)) {
        return failure;
    }
    expect_.back() = Expect::Equals;
    return builder_.addKey(std::move(key), at_);
}

// The '}' or ')' at `at_`.
std::optional<Error> OpenStepReader::closeContainer() {
    ++at_;
    expect_.pop_back();
    if (auto failure = builder_.endContainer(at_ - 1)) {
        return failure;
    }
    return afterValue();
}

// After a value: ';' in a dictionary; ',' or the closing ')' in an array.
std::optional<Error> OpenStepReader::readSeparator(char c) {
    if (builder_.inDictionary()) {
        if (c != ';') {
            return error(ErrorKind::Malformed, "expected ';' after dictionary value");
        }
        ++at_;
        expect_.back() = Expect::KeyOrClose;
        return std::nullopt;
    }
    if (c == ',') {
        ++at_;
        expect_.back() = Expect::ValueOrClose;
        return std::nullopt;
    }
    if (c == ')') {
        return closeContainer();
    }
    return error(ErrorKind::Malformed, "expected ',' or ')' in array");
}

// A file of bare `key = value;` pairs starts with a string followed by '='.
std::optional<Error> OpenStepReader::startStringsFile() {
    const std::size_t start = at_;
    if (atEnd() || peek() == '{' || peek() == '(' || peek() == '<') {
        return std::nullopt;
    }
    std::string key;
    if (auto failure = readString(key)) {
        at_ = start;
        return std::nullopt;
    }
    if (auto failure = skipSpaceAndComments()) {
        return failure;
    }
    if (atEnd() || peek() != '=') {
        at_ = start;
        return std::nullopt;
    }
    bracelessRoot_ = true;
    if (auto failure = builder_.beginDictionary(start)) {
        return failure;
    }
    expect_.push_back(Expect::Equals);
    return builder_.addKey(std::move(key), start);
}

ParseResult OpenStepReader::run() {
    if (auto failure = skipSpaceAndComments()) {
        return *failure;
    }
    if (atEnd()) {
        return error(ErrorKind::Empty, "property list holds no value");
    }
    if (auto failure = startStringsFile()) {
        return *failure;
    }
    do {
        if (auto failure = step()) {
            return *failure;
        }
    } while (!expect_.empty());
    if (auto failure = skipSpaceAndComments()) {
        return *failure;
    }
    if (!atEnd()) {
        return error(ErrorKind::Malformed, "unexpected text after the property list");
    }
    return builder_.takeRoot();
}

} // namespace

ParseResult parseOpenStepText(const TextForm& form) {
    auto result = OpenStepReader(form.text()).run();
    return result ? std::move(result) : ParseResult(form.locate(result.error()));
}

ParseResult parseOpenStep(const Bytes& input) {
    auto form = decodeTextForm(input);
    return form ? parseOpenStepText(*form) : ParseResult(form.error());
}

} // namespace scrivlette::plist
