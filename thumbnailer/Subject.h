#pragma once

// What a file's thumbnail shows, decided without Qt: a clipping's picture
// (drawn at thumbnail size, colour-managed as the window shows it), the
// start of its text, or the address of a web or mail location.

#include "platform/Expected.h"
#include "platform/ReadError.h"
#include "platform/image/Image.h"

#include <string>
#include <variant>

namespace scrivlette::thumbnail {

struct Text {
    std::string text; // the first lines, at most a page's worth
};

struct Location {
    std::string headline; // the host name, or the mail address
    std::string url;
};

using Subject = std::variant<image::Image, Text, Location>;

// Files larger than this are not read: a clipping is rarely over a few
// megabytes, and a file manager thumbnails everything in a folder.
inline constexpr std::uintmax_t maxFileBytes = std::uintmax_t{64} << 20;

// File managers run thumbnailers on every file; what a decoder may hold,
// whatever a picture's size, keeps each run well within 64 MB.
inline constexpr std::size_t maxDecoderMemory = std::size_t{32} << 20;

// The subject of the clipping or location file at `path`, for a thumbnail of
// `size` pixels, or why there is none.
Expected<Subject, ReadError> subjectOf(const std::string& path, std::uint32_t size);

// The headline of an address: its host, or for mailto: its address.
std::string headlineOf(std::string_view url);

} // namespace scrivlette::thumbnail
