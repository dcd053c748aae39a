#pragma once

// The RTF reader's own workings, shared by its two files: the state of a
// group, and the reader itself.

#include "formats/rtf/RtfDocument.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette::rtf::parser {

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

inline constexpr std::size_t maxWordLength = 32;
inline constexpr int maxDigits = 10;
inline constexpr char32_t attachmentCharacter = 0xAC;

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
};

} // namespace scrivlette::rtf::parser
