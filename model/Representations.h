#pragma once

// What the program knows of each representation a clipping can hold, by its
// type identifier: how its text is stored, which reader shows it, what the
// detail pane calls it and how it is saved and extracted.

#include "formats/Picture.h"
#include "formats/formatted/ReadableText.h"

#include <span>
#include <string_view>

namespace scrivlette {

// How a clipping stores a representation's text, where it has text.
enum class StoredText {
    none,              // bytes only
    string,            // a property-list string
    utf8,              // data, decoded as UTF-8
    utf16,             // data, UTF-16 with its byte-order mark (big-endian without)
    utf16LittleEndian, // data, UTF-16 little-endian
    macRoman,          // data, Mac OS Roman
};

// How Write Clip to File saves an entry.
enum class Saving {
    asPlainText, // its text, offered as "Untitled.txt"
    asOwnText,   // its text, offered under its own name and type (RTF, HTML)
    asBytes,     // its bytes unchanged, under its own name and type
    asPackage,   // its bytes unpacked as a file wrapper
};

struct Representation {
    std::string_view identifier = {};
    std::string_view description = {}; // what the detail pane says it is
    bool describedWithSize = false;    // binary kinds say how large they are
    StoredText text = StoredText::none;
    bool plainText = false; // extraction's .txt, the first of these that decodes
    bool keptInPictureClippings = false;
    Formatting formatting = Formatting::none;
    PictureFormat picture = PictureFormat::none;
    Saving saving = Saving::asPlainText;
    std::string_view suggestedName = {}; // the save panel's name; empty: "Untitled.txt"
    std::string_view savedType = {};     // the file type that name has
    std::string_view extension = {};     // what extraction names its file with; empty: ".bin"
};

// The key of an internet-location clipping's address, and the title of the
// one entry it makes.
inline constexpr std::string_view locationKey = "URL";

// Every representation known, plain texts first in the order extraction
// prefers them.
std::span<const Representation> representations();

// The representation an identifier names (whole, case-sensitive), or null.
const Representation* representation(std::string_view identifier);

} // namespace scrivlette
