// The RTF reader's control words and symbols: what each sets, starts or
// stands for.

#include "formats/rtf/CodePage.h"
#include "formats/rtf/RtfParser.h"
#include "platform/text/Ascii.h"

#include <algorithm>
#include <array>

namespace scrivlette::rtf::parser {
namespace {

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

} // namespace

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

} // namespace scrivlette::rtf::parser
