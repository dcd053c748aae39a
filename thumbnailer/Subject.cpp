#include "Subject.h"

#include "model/ClipInfo.h"
#include "model/ClipReading.h"
#include "platform/Representations.h"
#include "platform/files/FileType.h"
#include "platform/image/Picture.h"
#include "platform/text/TextDecoding.h"

#include <filesystem>
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

Expected<Subject, std::string> subjectOf(const std::string& path, std::uint32_t size) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::string("not a regular file");
    }
    if (std::uintmax_t(status.st_size) > maxFileBytes) {
        return "too large to thumbnail: " + std::to_string(status.st_size) + " bytes";
    }
    const auto identifier = typeIdentifierOfFile(path);
    const auto kind = identifier && *identifier ? clippingKindFor(**identifier) : std::nullopt;
    if (!kind) {
        return std::string("not a clipping file");
    }
    if (*kind == ClippingKind::text) {
        // Only what the page shows is decoded: the text can be huge.
        auto text = readFirstText(path, maxTextBytes);
        if (!text) {
            return text.error().reason;
        }
        if (text->empty()) {
            return std::string("nothing in the clipping to show");
        }
        return Subject(Text{std::move(text).value()});
    }
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    const auto url = error ? std::nullopt : Url::fromFilePath(absolute.lexically_normal().string());
    const auto info = ClipInfo::create();
    const ReadOutcome outcome =
        url ? info->readClippingWithReason(*url) : ReadOutcome{false, "not a usable path"};
    if (!outcome.read) {
        return outcome.reason;
    }
    const std::vector<ClipDetail> clips = info->clipList();
    if (*kind == ClippingKind::picture) {
        std::string problem = "no picture in the clipping";
        for (const ClipDetail& clip : clips) {
            if (!image::isPictureType(clip.title) || !clip.data) {
                continue;
            }
            auto picture = image::decodePicture(clip.title, *clip.data,
                                                image::Fit{size, size, maxDecoderMemory});
            if (picture) {
                return Subject(std::move(picture).value());
            }
            problem = picture.error();
        }
        return problem;
    }
    for (const ClipDetail& clip : clips) {
        if (*kind == ClippingKind::internetLocation && clip.title == locationKey) {
            return Subject(
                Location{headlineOf(clip.content), std::string(utf8Prefix(clip.content, 500))});
        }
    }
    return std::string("nothing in the clipping to show");
}

} // namespace scrivlette::thumbnail
