#include "Subject.h"

#include "model/ClipContent.h"
#include "model/ClipReading.h"
#include "platform/text/TextDecoding.h"

#include <sys/stat.h>

namespace scrivlette::thumbnail {
namespace {

// Enough for a page at any thumbnail size; the rest is never shown.
constexpr std::size_t maxTextBytes = 2000;

} // namespace

std::string headlineOf(std::string_view url) {
    const std::size_t colon = url.find(':');
    if (colon == std::string_view::npos) {
        return std::string(url);
    }
    std::string_view rest = url.substr(colon + 1);
    if (url.substr(0, colon) == "mailto") {
        return std::string(rest.substr(0, rest.find('?')));
    }
    if (!rest.starts_with("//")) {
        return std::string(url);
    }
    rest.remove_prefix(2);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    rest = rest.substr(rest.find('@') == std::string_view::npos ? 0 : rest.find('@') + 1);
    if (rest.starts_with("www.")) {
        rest.remove_prefix(4);
    }
    return rest.empty() ? std::string(url) : std::string(rest);
}

Expected<Subject, ReadError> subjectOf(const std::string& path, std::uint32_t size) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return ReadError::of(ErrorKind::NotAFile, "not a regular file");
    }
    if (std::uintmax_t(status.st_size) > maxFileBytes) {
        return ReadError::of(ErrorKind::TooLarge, "too large to thumbnail: " +
                                                      std::to_string(status.st_size) + " bytes");
    }
    const auto kind = clippingKind(path);
    if (!kind) {
        return ReadError::of(ErrorKind::NotAClipping, "not a clipping file");
    }
    if (kind->kind == ClippingKind::text) {
        // Only what the page shows is decoded: the text can be huge.
        auto text = readFirstText(path, maxTextBytes);
        if (!text) {
            return text.error();
        }
        if (text->empty()) {
            return ReadError::of(ErrorKind::Empty, "nothing in the clipping to show");
        }
        return Subject(Text{std::move(text).value()});
    }
    const auto clipping = readClippingFile(path, *kind);
    if (!clipping) {
        return clipping.error();
    }
    if (kind->kind == ClippingKind::picture) {
        auto picture = firstPicture(clipping->entries, image::Fit{size, size, maxDecoderMemory});
        if (!picture) {
            // Said whole, with its place: the message is all a file manager shows.
            return ReadError::of(picture.error().kind, picture.error().describe());
        }
        return Subject(std::move(picture).value());
    }
    for (const ClipDetail& clip : clipping->entries) {
        if (entryKind(clip) == EntryKind::location) {
            return Subject(
                Location{headlineOf(clip.content), std::string(utf8Prefix(clip.content, 500))});
        }
    }
    return ReadError::of(ErrorKind::Empty, "nothing in the clipping to show");
}

} // namespace scrivlette::thumbnail
