#include "FileType.h"

#include "platform/FourCharCode.h"
#include "platform/text/Ascii.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <utility>

namespace scrivlette {
namespace {

constexpr std::pair<std::string_view, std::string_view> extensionTable[] = {
    {"textclipping", "com.apple.finder.textclipping"},
    {"pictclipping", "com.apple.finder.pictclipping"},
    {"sndclipping", "com.apple.finder.sound-clipping"},
    {"webloc", "com.apple.web-internet-location"},
    {"mailloc", "com.apple.mail-internet-location"},
    {"inetloc", "com.apple.generic-internet-location"},
    {"ftploc", "com.apple.ftp-internet-location"},
    {"newsloc", "com.apple.news-internet-location"},
    {"afploc", "com.apple.afp-internet-location"},
    {"fileloc", "com.apple.file-internet-location"},
    {"webarchive", "com.apple.webarchive"},
    {"rtf", "public.rtf"},
    {"rtfd", "com.apple.rtfd"},
    {"txt", "public.plain-text"},
    {"html", "public.html"},
    {"htm", "public.html"},
    {"tiff", "public.tiff"},
    {"tif", "public.tiff"},
    {"pict", "com.apple.pict"},
    {"pct", "com.apple.pict"},
    {"png", "public.png"},
    {"jpg", "public.jpeg"},
    {"jpeg", "public.jpeg"},
    {"pdf", "com.adobe.pdf"},
    {"plist", "com.apple.property-list"},
};

} // namespace

std::optional<std::string> typeIdentifierForExtension(std::string_view extension) {
    for (const auto& [name, identifier] : extensionTable) {
        if (equalsIgnoringAsciiCase(name, extension)) {
            return std::string(identifier);
        }
    }
    return std::nullopt;
}

std::optional<std::string> typeIdentifierForFinderType(std::uint32_t fileType) {
    static constexpr std::pair<std::uint32_t, std::string_view> finderTypes[] = {
        {fourCharCode("clpt"), "com.apple.finder.textclipping"},
        {fourCharCode("clpp"), "com.apple.finder.pictclipping"},
        {fourCharCode("ilht"), "com.apple.web-internet-location"},
        {fourCharCode("ilma"), "com.apple.mail-internet-location"},
    };
    for (const auto& [code, identifier] : finderTypes) {
        if (code == fileType) {
            return std::string(identifier);
        }
    }
    return std::nullopt;
}

Expected<std::optional<std::string>, FileError> typeIdentifierOfFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return FileError{errno, std::strerror(errno)};
    }
    if (S_ISDIR(status.st_mode)) {
        return std::optional<std::string>("public.folder");
    }
    const std::string_view name = std::string_view(path).substr(path.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    // A leading dot marks a hidden file, not an extension.
    if (dot == std::string_view::npos || dot == 0) {
        return std::optional<std::string>();
    }
    return typeIdentifierForExtension(name.substr(dot + 1));
}

} // namespace scrivlette
