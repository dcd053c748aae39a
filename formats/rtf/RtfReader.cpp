#include "RtfReader.h"

#include "formats/rtf/CodePage.h"
#include "formats/rtf/RtfParser.h"
#include "platform/text/Ascii.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>

namespace scrivlette::rtf {
namespace parser {

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

} // namespace parser

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
    return parser::Reader(input).run();
}

} // namespace scrivlette::rtf
