#pragma once

// What an entry holds, answered once for every front end: which kind it is,
// its picture, its readable text, its formatted document, the name it is
// saved or extracted under, and of a whole clipping its first text and
// first picture.

#include "formats/formatted/PlainText.h"
#include "formats/rtf/RtfDocument.h"
#include "model/ClipDetail.h"
#include "platform/Expected.h"
#include "platform/files/FileWrapper.h"
#include "platform/image/Image.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette {

enum class EntryKind {
    text,      // text the entry holds as it is
    formatted, // RTF, HTML, a web archive or RTFD: shown formatted or as text
    picture,   // a picture the decoder draws
    location,  // a web or mail address
    data,      // bytes, described by their size
};

EntryKind entryKind(const ClipDetail& clip);

// The entry's picture in sRGB, drawn no larger than `fit` where given.
image::ImageResult pictureOf(const ClipDetail& clip, std::optional<image::Fit> fit = std::nullopt);

// A file a formatted document carries, as a picture, when it is one of the
// formats the decoder reads (known by the name's extension); nothing when it
// is not, for other readers to try.
std::optional<image::ImageResult> attachedPicture(std::string_view name, const Bytes& bytes,
                                                  image::Fit fit);

// What a reader of a formatted entry sees, as plain UTF-8 text.
Expected<formatted::PlainText, ReadError> readableTextOf(const ClipDetail& clip);

// A formatted entry's document and the files it shows.
struct FormattedDocument {
    struct Part {
        std::string url;          // as the document names it
        std::string mimeType;     // "image/png", "text/css"; empty for RTFD attachments
        std::string textEncoding; // of a page or style sheet; empty: UTF-8
        Bytes bytes;
    };
    std::optional<rtf::Document> rich; // RTF and RTFD; otherwise the page is HTML
    Part page;                         // the HTML page
    std::vector<Part> parts;           // pictures and style sheets
};

Expected<FormattedDocument, ReadError> formattedDocumentOf(const ClipDetail& clip);

// A flat RTFD entry unpacked as the RTFD package it stands for.
Expected<FileWrapper, ReadError> packageOf(const ClipDetail& clip);

// A Rich Text document that is not a clipping's (the program's help).
std::optional<rtf::Document> richTextOf(std::string_view rtf);

// The plain text the clipping reads as: the first plain-text kind, in the
// order of preference, that decoded. Null when it has none.
const ClipDetail* firstText(const std::vector<ClipDetail>& clips);

// The first web or mail location entry, or null.
const ClipDetail* firstLocation(const std::vector<ClipDetail>& clips);

// What a desktop search indexes a clipping by: its first text, as the window
// shows it first, or a location's address; empty for a picture.
std::string_view searchTextOf(const std::vector<ClipDetail>& clips);

// The first picture that decodes, no larger than `fit`; or why none did.
image::ImageResult firstPicture(const std::vector<ClipDetail>& clips,
                                std::optional<image::Fit> fit = std::nullopt);

// The extension a representation's bytes are named with when written as they
// are stored: its kind's own, or "bin" for unknown kinds and for text kinds
// whose text did not decode.
std::string_view extensionOf(const ClipDetail& clip);

// Whether one click may open `address`: only web, FTP and mail addresses. A
// file: address can point at any local file, javascript: runs code, and smb:
// and the like can hand the user's credentials to a remote host. FTP stays:
// desktops open it in the file manager, as the Finder did.
bool mayOpen(std::string_view address);

} // namespace scrivlette
