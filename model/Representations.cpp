#include "Representations.h"

#include "platform/Translatable.h"

#include <array>

namespace scrivlette {
namespace {

using T = StoredText;
using F = Formatting;
using P = PictureFormat;
using S = Saving;

constexpr std::array<Representation, 15> table = {{
    {.identifier = "public.utf8-plain-text",
     .description = translatable("Representation", "Plain text, UTF-8"),
     .text = T::string,
     .plainText = true,
     .extension = "txt"},
    {.identifier = "public.utf16-external-plain-text",
     .description = translatable("Representation", "Plain text, UTF-16 with byte-order mark"),
     .text = T::utf16,
     .plainText = true,
     .extension = "txt"},
    {.identifier = "public.utf16-plain-text",
     .description = translatable("Representation", "Plain text, UTF-16 little-endian"),
     .text = T::utf16LittleEndian,
     .plainText = true,
     .extension = "txt"},
    {.identifier = "com.apple.traditional-mac-plain-text",
     .description = translatable("Representation", "Plain text, Mac OS Roman"),
     .text = T::macRoman,
     .plainText = true,
     .extension = "txt"},
    {.identifier = locationKey,
     .description = translatable("Representation", "Web or mail address"),
     .plainText = true,
     .extension = "txt"},
    {.identifier = "public.rtf",
     .description = translatable("Representation", "Rich text (RTF)"),
     .text = T::string,
     .formatting = F::rtf,
     .saving = S::asOwnText,
     .suggestedName = "Untitled.rtf",
     .savedType = "public.rtf",
     .extension = "rtf"},
    {.identifier = "public.html",
     .description = translatable("Representation", "Web page (HTML)"),
     .text = T::utf8,
     .formatting = F::html,
     .saving = S::asOwnText,
     .suggestedName = "Untitled.html",
     .savedType = "public.html",
     .extension = "html"},
    {.identifier = "com.apple.webarchive",
     .description = translatable("Representation", "Web archive"),
     .describedWithSize = true,
     .formatting = F::webArchive,
     .saving = S::asBytes,
     .suggestedName = "Untitled.webArchive",
     .savedType = "com.apple.webarchive",
     .extension = "webarchive"},
    {.identifier = "com.apple.flat-rtfd",
     .description = translatable("Representation", "Rich text with attachments (RTFD)"),
     .describedWithSize = true,
     .formatting = F::rtfd,
     .saving = S::asPackage,
     .suggestedName = "Untitled.rtfd",
     .savedType = "com.apple.rtfd",
     .extension = "rtfd"},
    {.identifier = "public.tiff",
     .description = translatable("Representation", "TIFF picture"),
     .describedWithSize = true,
     .keptInPictureClippings = true,
     .picture = P::tiff,
     .saving = S::asBytes,
     .suggestedName = "Untitled.tiff",
     .savedType = "public.tiff",
     .extension = "tiff"},
    {.identifier = "com.apple.pict",
     .description = translatable("Representation", "PICT picture"),
     .describedWithSize = true,
     .keptInPictureClippings = true,
     .picture = P::pict,
     .saving = S::asBytes,
     .suggestedName = "Untitled.pict",
     .savedType = "com.apple.pict",
     .extension = "pict"},
    {.identifier = "public.png", .describedWithSize = true, .picture = P::png, .extension = "png"},
    {.identifier = "public.jpeg",
     .describedWithSize = true,
     .picture = P::jpeg,
     .extension = "jpeg"},
    // Addresses kept as bytes, which extraction keeps as they are.
    {.identifier = "public.url", .description = translatable("Representation", "Web address")},
    {.identifier = "public.file-url",
     .description = translatable("Representation", "File address")},
}};

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
