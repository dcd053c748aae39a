#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette::rtf {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

struct CharacterStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int halfPoints = 24; // font size: 12 points
    std::optional<Color> foreground;
    std::optional<Color> background;
    friend bool operator==(const CharacterStyle&, const CharacterStyle&) = default;
};

enum class Alignment { left, center, right, justified };

// Text with one style. A line break inside a paragraph is U+2028; a tab is '\t'.
// A run with an attachment stands for an attached file (in RTFD, a file of the
// package by that name) and has no text.
struct Run {
    std::string text; // UTF-8
    CharacterStyle style;
    std::string attachment;
};

struct Paragraph {
    std::vector<Run> runs;
    Alignment alignment = Alignment::left;
};

struct Document {
    std::vector<Paragraph> paragraphs;

    // The text alone: paragraphs joined by '\n', line breaks as '\n'.
    std::string plainText() const;
};

} // namespace scrivlette::rtf
