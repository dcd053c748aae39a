#include "RtfReader.h"

#include "formats/rtf/CodePage.h"
#include "platform/text/Ascii.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>

namespace scrivlette::rtf {
namespace {

enum class Destination { text, skip, fontTable, colorTable, attachmentName };

// What a group carries and a closing brace restores.
struct GroupState {
    Destination destination = Destination::text;
    CharacterStyle style;
    Alignment alignment = Alignment::left;
    int font = -1;
    int foreground = 0; // colour table indices; 0 is "automatic"
    int background = 0;
    int unicodeSkip = 1;
    bool dropAttachmentCharacter = false;
    std::string attachmentName; // the file the next attachment character stands for
};

constexpr std::size_t maxWordLength = 32;
constexpr int maxDigits = 10;
constexpr char32_t attachmentCharacter = 0xAC;

// Destinations whose text is never shown.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 24> words = {"stylesheet",
                                                               "info",
                                                               "pict",
                                                               "header",
                                                               "headerl",
                                                               "headerr",
                                                               "headerf",
                                                               "footer",
                                                               "footerl",
                                                               "footerr",
                                                               "footerf",
                                                               "footnote",
                                                               "object",
                                                               "listtable",
                                                               "listoverridetable",
                                                               "rsidtbl",
                                                               "xmlnstbl",
                                                               "themedata",
                                                               "colorschememapping",
                                                               "latentstyles",
                                                               "datastore",
                                                               "fldinst",
                                                               "generator",
                                                               "NeXTGraphic"};
    return std::find(words.begin(), words.end(), word) != words.end();
}

class Reader {
public:
    explicit Reader(std::string_view input) : input_(input) {}
    Expected<Document, ReadError> run();
    void openGroup();
    void closeGroup();
    void character(char c);

private:
    GroupState& state() { return stack_.back(); }

    void readControl();
    void controlSymbol(char c);
    std::optional<int> readParameter();
    void controlWord(std::string_view word, std::optional<int> parameter);
    bool destinationWord(std::string_view word, bool marked);
    void textWord(std::string_view word, std::optional<int> parameter);
    bool characterWord(std::string_view word, std::optional<int> parameter);
    bool paragraphWord(std::string_view word, std::optional<int> parameter);
    void tableWord(std::string_view word, std::optional<int> parameter);

    void byte(char c);
    void codePoint(char32_t c);
    void unicode(int value);
    void flushBytes();
    void appendText(std::string_view utf8);
    void endParagraph();
    int currentCodePage() const;
    std::optional<Color> color(int index) const;

    std::string_view input_;
    std::size_t at_ = 0;
    std::vector<GroupState> stack_;
    Document document_;
    std::string pendingBytes_;
    int pendingCodePage_ = 1252;
    int documentCodePage_ = 1252;
    int skipCharacters_ = 0;
    char32_t pendingHighSurrogate_ = 0;
    bool nextWordIsDestination_ = false;
    std::map<int, int> fontCodePages_;
    int definingFont_ = -1;
    std::vector<Color> colors_;
    std::optional<Color> definingColor_;
    std::optional<std::string> failure_;
};

int Reader::currentCodePage() const {
    const GroupState& current = stack_.back();
    const auto font = fontCodePages_.find(current.font);
    return font != fontCodePages_.end() && font->second != 0 ? font->second : documentCodePage_;
}

std::optional<Color> Reader::color(int index) const {
    if (index <= 0 || static_cast<std::size_t>(index) >= colors_.size()) {
        return std::nullopt;
    }
    return colors_[static_cast<std::size_t>(index)];
}

void Reader::flushBytes() {
    if (!pendingBytes_.empty()) {
        const std::string text = decodeCodePage(pendingBytes_, pendingCodePage_);
        pendingBytes_.clear();
        appendText(text);
    }
}

// A byte of text in the document's code page, from a raw character or \'hh.
void Reader::byte(char c) {
    if (skipCharacters_ > 0) {
        --skipCharacters_;
        return;
    }
    if (state().destination == Destination::attachmentName && stack_.size() >= 2) {
        std::string& name = stack_[stack_.size() - 2].attachmentName;
        if (name.size() < 255 && (c != ' ' || !name.empty())) {
            name.push_back(c);
        }
        return;
    }
    if (state().destination != Destination::text) {
        return;
    }
    const int page = currentCodePage();
    if (!pendingBytes_.empty() && page != pendingCodePage_) {
        flushBytes();
    }
    pendingCodePage_ = page;
    pendingBytes_.push_back(c);
}

void Reader::codePoint(char32_t c) {
    flushBytes();
    if (state().destination != Destination::text) {
        return;
    }
    std::string text;
    appendUtf8(text, c);
    appendText(text);
}

void Reader::unicode(int value) {
    flushBytes();
    skipCharacters_ = state().unicodeSkip;
    // \u takes a signed 16-bit value; anything else names no character.
    if (state().destination != Destination::text || value < -32768 || value > 65535) {
        return;
    }
    auto unit = static_cast<char32_t>(value < 0 ? value + 65536 : value);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        pendingHighSurrogate_ = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        unit = pendingHighSurrogate_ != 0
                   ? 0x10000 + ((pendingHighSurrogate_ - 0xD800) << 10) + (unit - 0xDC00)
                   : 0xFFFD;
    } else if (pendingHighSurrogate_ != 0) {
        codePoint(0xFFFD);
    }
    pendingHighSurrogate_ = 0;
    codePoint(unit);
}

void Reader::appendText(std::string_view utf8) {
    if (pendingHighSurrogate_ != 0) {
        pendingHighSurrogate_ = 0;
        appendText("\xEF\xBF\xBD"); // a high surrogate with no low one after it
    }
    GroupState& current = state();
    if (current.dropAttachmentCharacter) {
        // The character that stands for an attached picture is no text; the
        // picture's file name takes its place, in a run of its own.
        current.dropAttachmentCharacter = false;
        std::string marker;
        appendUtf8(marker, attachmentCharacter);
        if (utf8.starts_with(marker)) {
            utf8.remove_prefix(marker.size());
            std::string name = std::exchange(current.attachmentName, {});
            while (!name.empty() && name.back() == ' ') {
                name.pop_back();
            }
            if (!name.empty() && isValidUtf8(name)) {
                Run attachment;
                attachment.attachment = std::move(name);
                document_.paragraphs.back().runs.push_back(std::move(attachment));
            }
        }
    }
    if (utf8.empty()) {
        return;
    }
    CharacterStyle style = current.style;
    style.foreground = color(current.foreground);
    style.background = color(current.background);
    Paragraph& paragraph = document_.paragraphs.back();
    paragraph.alignment = current.alignment;
    if (!paragraph.runs.empty() && paragraph.runs.back().style == style &&
        paragraph.runs.back().attachment.empty()) {
        paragraph.runs.back().text.append(utf8);
    } else {
        paragraph.runs.push_back({std::string(utf8), style, {}});
    }
}

void Reader::endParagraph() {
    flushBytes();
    document_.paragraphs.back().alignment = state().alignment;
    document_.paragraphs.push_back({{}, state().alignment});
}

bool Reader::characterWord(std::string_view word, std::optional<int> parameter) {
    CharacterStyle& style = state().style;
    const bool on = !parameter || *parameter != 0;
    if (word == "b") {
        style.bold = on;
    } else if (word == "i") {
        style.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth") {
        style.underline = on;
    } else if (word == "ulnone") {
        style.underline = false;
    } else if (word == "strike" || word == "striked") {
        style.strikethrough = on;
    } else if (word == "fs") {
        style.halfPoints = std::clamp(parameter.value_or(24), 2, 3276);
    } else if (word == "cf") {
        state().foreground = parameter.value_or(0);
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        state().background = parameter.value_or(0);
    } else if (word == "f") {
        state().font = parameter.value_or(-1);
    } else if (word == "plain") {
        style = CharacterStyle();
        state().foreground = 0;
        state().background = 0;
    } else {
        return false;
    }
    flushBytes();
    return true;
}

bool Reader::paragraphWord(std::string_view word, std::optional<int>) {
    if (word == "par" || word == "sect" || word == "page" || word == "row") {
        endParagraph();
    } else if (word == "pard") {
        flushBytes();
        state().alignment = Alignment::left;
    } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
        flushBytes();
        state().alignment = word == "qc"   ? Alignment::center
                            : word == "qr" ? Alignment::right
                            : word == "qj" ? Alignment::justified
                                           : Alignment::left;
    } else if (word == "line") {
        codePoint(0x2028);
    } else if (word == "tab" || word == "cell") {
        codePoint('\t');
    } else {
        return false;
    }
    return true;
}

// Words inside the font and colour tables.
void Reader::tableWord(std::string_view word, std::optional<int> parameter) {
    if (state().destination == Destination::fontTable) {
        if (word == "f") {
            definingFont_ = parameter.value_or(-1);
        } else if (word == "fcharset" && definingFont_ >= 0) {
            fontCodePages_[definingFont_] = codePageOfCharset(parameter.value_or(0));
        } else if (word == "cpg" && definingFont_ >= 0) {
            fontCodePages_[definingFont_] = parameter.value_or(0);
        }
        return;
    }
    const auto component = static_cast<std::uint8_t>(std::clamp(parameter.value_or(0), 0, 255));
    Color& defining = definingColor_ ? *definingColor_ : definingColor_.emplace();
    if (word == "red") {
        defining.red = component;
    } else if (word == "green") {
        defining.green = component;
    } else if (word == "blue") {
        defining.blue = component;
    }
}

void Reader::controlWord(std::string_view word, std::optional<int> parameter) {
    // Text gathered so far belongs to the style before this word.
    flushBytes();
    const bool destinationMarked = std::exchange(nextWordIsDestination_, false);
    if (word == "bin") {
        // Binary data: skip it whole, however it claims to be long.
        const auto length = static_cast<std::size_t>(std::max(0, parameter.value_or(0)));
        at_ += std::min(length, input_.size() - at_);
        return;
    }
    if (state().destination == Destination::skip || destinationWord(word, destinationMarked)) {
        return;
    }
    if (state().destination == Destination::fontTable ||
        state().destination == Destination::colorTable) {
        tableWord(word, parameter);
        return;
    }
    textWord(word, parameter);
}

// The words that start a destination, and the end of an attachment's name;
// false for any other word.
bool Reader::destinationWord(std::string_view word, bool marked) {
    if (word == "fonttbl") {
        state().destination = Destination::fontTable;
    } else if (word == "colortbl") {
        state().destination = Destination::colorTable;
        colors_.clear();
        definingColor_.reset();
    } else if (state().destination == Destination::attachmentName) {
        // The first control word ends the attachment's file name.
        state().destination = Destination::skip;
    } else if (word == "NeXTGraphic" && stack_.size() >= 2) {
        stack_[stack_.size() - 2].dropAttachmentCharacter = true;
        stack_[stack_.size() - 2].attachmentName.clear();
        state().destination = Destination::attachmentName;
    } else if (isSkippedDestination(word) || marked) {
        state().destination = Destination::skip;
    } else {
        return false;
    }
    return true;
}

// Code pages, Unicode characters, styles, paragraphs and named symbols.
void Reader::textWord(std::string_view word, std::optional<int> parameter) {
    static const std::map<std::string_view, int> codePages = {
        {"mac", 10000}, {"pc", 437}, {"pca", 850}};
    static const std::map<std::string_view, char32_t> symbols = {
        {"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005},
    };
    if (word == "ansicpg") {
        documentCodePage_ = parameter.value_or(1252);
    } else if (const auto page = codePages.find(word); page != codePages.end()) {
        documentCodePage_ = page->second;
    } else if (word == "uc") {
        state().unicodeSkip = std::clamp(parameter.value_or(1), 0, 16);
    } else if (word == "u") {
        unicode(parameter.value_or(0));
    } else if (characterWord(word, parameter) || paragraphWord(word, parameter)) {
        return;
    } else if (const auto symbol = symbols.find(word); symbol != symbols.end()) {
        codePoint(symbol->second);
    }
}

// After a backslash: a control word with its parameter, or a control symbol.
void Reader::readControl() {
    if (at_ >= input_.size()) {
        return;
    }
    if (!isAsciiLetter(input_[at_])) {
        controlSymbol(input_[at_++]);
        return;
    }
    const std::size_t start = at_;
    while (at_ < input_.size() && isAsciiLetter(input_[at_]) && at_ - start < maxWordLength) {
        ++at_;
    }
    const std::string_view word = input_.substr(start, at_ - start);
    while (at_ < input_.size() && isAsciiLetter(input_[at_])) {
        ++at_; // an absurdly long word: the rest of it is ignored
    }
    const std::optional<int> parameter = readParameter();
    if (at_ < input_.size() && input_[at_] == ' ') {
        ++at_; // the delimiter belongs to the word
    }
    controlWord(word, parameter);
}

// A backslash and one character that is not a letter.
void Reader::controlSymbol(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        codePoint(static_cast<char32_t>(c));
        break;
    case '~':
        codePoint(0x00A0);
        break;
    case '_':
        codePoint(0x2011);
        break;
    case '*':
        nextWordIsDestination_ = true;
        break;
    case '\n':
    case '\r':
        endParagraph();
        break;
    case '\'': {
        const int high = at_ < input_.size() ? hexDigitValue(input_[at_]) : -1;
        const int low = at_ + 1 < input_.size() ? hexDigitValue(input_[at_ + 1]) : -1;
        if (high < 0 || low < 0) {
            at_ = std::min(input_.size(), at_ + (high < 0 ? 0 : 1));
            break; // a cut-short escape stands for nothing
        }
        at_ += 2;
        byte(static_cast<char>(high * 16 + low));
        break;
    }
    default:
        break; // '-', an optional hyphen, among others
    }
}

// A control word's number, if one follows it: an optional minus and digits,
// too many of which are read but not counted.
std::optional<int> Reader::readParameter() {
    const bool negative = at_ < input_.size() && input_[at_] == '-';
    if (at_ + (negative ? 1 : 0) >= input_.size() ||
        !isAsciiDigit(input_[at_ + (negative ? 1 : 0)])) {
        return std::nullopt;
    }
    at_ += negative ? 1 : 0;
    long long value = 0;
    int digits = 0;
    while (at_ < input_.size() && isAsciiDigit(input_[at_])) {
        if (digits++ < maxDigits) {
            value = value * 10 + (input_[at_] - '0');
        }
        ++at_;
    }
    value = std::min<long long>(value, std::numeric_limits<int>::max());
    return static_cast<int>(negative ? -value : value);
}

Expected<Document, ReadError> Reader::run() {
    if (!input_.starts_with("{\\rtf")) {
        return ReadError{ErrorKind::UnknownFormat, ReadError::unplaced, "not RTF"};
    }
    document_.paragraphs.emplace_back();
    stack_.emplace_back();
    while (at_ < input_.size()) {
        const char c = input_[at_++];
        if (c == '{') {
            flushBytes();
            if (stack_.size() >= maxGroupDepth) {
                return ReadError{ErrorKind::TooDeep, at_ - 1, "groups nested too deeply"};
            }
            openGroup();
        } else if (c == '}') {
            flushBytes();
            closeGroup();
        } else if (c == '\\') {
            readControl();
        } else if (c != '\r' && c != '\n') { // line ends in the file are not text
            character(c);
        }
    }
    flushBytes();
    // A document ending with a paragraph mark has no empty paragraph after it.
    if (document_.paragraphs.size() > 1 && document_.paragraphs.back().runs.empty()) {
        document_.paragraphs.pop_back();
    }
    return std::move(document_);
}

void Reader::openGroup() {
    skipCharacters_ = 0;
    GroupState inner = state();
    inner.dropAttachmentCharacter = false;
    inner.attachmentName.clear();
    stack_.push_back(inner);
}

void Reader::closeGroup() {
    skipCharacters_ = 0;
    if (state().destination == Destination::colorTable && definingColor_) {
        colors_.push_back(*definingColor_);
    }
    if (stack_.size() > 1) {
        stack_.pop_back();
    }
}

// A character of the file that is no markup: text, or a table's separator.
void Reader::character(char c) {
    if (c == ';' && state().destination == Destination::colorTable) {
        colors_.push_back(definingColor_.value_or(Color{}));
        definingColor_.reset();
    } else if (c == ';' && state().destination == Destination::fontTable) {
        definingFont_ = -1;
    } else {
        byte(c);
    }
}

} // namespace

std::string Document::plainText() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        for (const Run& run : paragraphs[i].runs) {
            text += run.text;
        }
    }
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE2\x80\xA8") == 0) {
            out += '\n';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

Expected<Document, ReadError> parseRtf(std::string_view input) {
    return Reader(input).run();
}

} // namespace scrivlette::rtf
