#include "Representations.h"

#include <array>

namespace scrivlette {
namespace {

using T = StoredText;
using F = Formatting;
using P = PictureFormat;
using S = Saving;

// clang-format off
constexpr std::array<Representation, 15> table = {{
    // identifier, description, with size, text, plain text, in picture clippings,
    // formatting, picture, saving, suggested name, saved type, extension
    {"public.utf8-plain-text", "Plain text, UTF-8", false, T::string, true, false,
     F::none, P::none, S::asPlainText, "", "", "txt"},
    {"public.utf16-external-plain-text", "Plain text, UTF-16 with byte-order mark", false, T::utf16,
     true, false, F::none, P::none, S::asPlainText, "", "", "txt"},
    {"public.utf16-plain-text", "Plain text, UTF-16 little-endian", false, T::utf16LittleEndian,
     true, false, F::none, P::none, S::asPlainText, "", "", "txt"},
    {"com.apple.traditional-mac-plain-text", "Plain text, Mac OS Roman", false, T::macRoman, true,
     false, F::none, P::none, S::asPlainText, "", "", "txt"},
    {locationKey, "Web or mail address", false, T::none, true, false, F::none,
     P::none, S::asPlainText, "", "", "txt"},
    {"public.rtf", "Rich text (RTF)", false, T::string, false, false, F::rtf, P::none,
     S::asOwnText, "Untitled.rtf", "public.rtf", "rtf"},
    {"public.html", "Web page (HTML)", false, T::utf8, false, false, F::html, P::none,
     S::asOwnText, "Untitled.html", "public.html", "html"},
    {"com.apple.webarchive", "Web archive", true, T::none, false, false, F::webArchive,
     P::none, S::asBytes, "Untitled.webArchive", "com.apple.webarchive", "webarchive"},
    {"com.apple.flat-rtfd", "Rich text with attachments (RTFD)", true, T::none, false,
     false, F::rtfd, P::none, S::asPackage, "Untitled.rtfd", "com.apple.rtfd", "rtfd"},
    {"public.tiff", "TIFF picture", true, T::none, false, true, F::none, P::tiff,
     S::asBytes, "Untitled.tiff", "public.tiff", "tiff"},
    {"com.apple.pict", "PICT picture", true, T::none, false, true, F::none,
     P::pict, S::asBytes, "Untitled.pict", "com.apple.pict", "pict"},
    {"public.png", "", true, T::none, false, false, F::none, P::png,
     S::asPlainText, "", "", "png"},
    {"public.jpeg", "", true, T::none, false, false, F::none, P::jpeg,
     S::asPlainText, "", "", "jpeg"},
    {"public.url", "Web address", false, T::none, false, false, F::none,
     P::none, S::asPlainText, "", "", "txt"},
    {"public.file-url", "File address", false, T::none, false, false, F::none,
     P::none, S::asPlainText, "", "", "txt"},
}};
// clang-format on

} // namespace

std::span<const Representation> representations() {
    return table;
}

const Representation* representation(std::string_view identifier) {
    for (const Representation& known : table) {
        if (known.identifier == identifier) {
            return &known;
        }
    }
    return nullptr;
}

} // namespace scrivlette
