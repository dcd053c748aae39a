#include "ClipWriting.h"

#include "model/ClipConversion.h"
#include "model/ClipInfo.h"
#include "platform/files/FileWriting.h"
#include "platform/formatted/FlatRtfd.h"
#include "platform/services/SavePanel.h"
#include "platform/text/TextDecoding.h"

#include <array>

namespace scrivlette {
namespace {

constexpr std::array<std::string_view, 5> plainTextTitles = {
    "public.utf8-plain-text", "public.utf16-external-plain-text", "public.utf16-plain-text",
    "com.apple.traditional-mac-plain-text", "URL"};

bool isPlainTextTitle(std::string_view title) {
    return std::find(plainTextTitles.begin(), plainTextTitles.end(), title) !=
           plainTextTitles.end();
}

PanelSetup offer(const char* name, std::string_view identifier) {
    return {name, contentType(identifier)};
}

} // namespace

PanelSetup panelSetupFor(const ClipDetail& clip) {
    const std::string& title = clip.title;
    if (isPlainTextTitle(title)) {
        return offer("Untitled.txt", "public.text");
    }
    if (title == "public.rtf") {
        return offer("Untitled.rtf", "public.rtf");
    }
    if (title == "public.html") {
        return offer("Untitled.html", "public.html");
    }
    if (clip.useStringForData) {
        return offer("Untitled.txt", "public.text");
    }
    if (title == "com.apple.webarchive") {
        return offer("Untitled.webArchive", "com.apple.webarchive");
    }
    if (title == "com.apple.flat-rtfd") {
        return offer("Untitled.rtfd", "com.apple.rtfd");
    }
    if (title == "public.tiff") {
        return offer("Untitled.tiff", "public.tiff");
    }
    if (title == "com.apple.pict") {
        // Unset when the registry does not know PICT: the panel then takes any type.
        return offer("Untitled.pict", "com.apple.pict");
    }
    return offer("Untitled.txt", "public.text");
}

WriteRule writeRuleFor(const ClipDetail& clip) {
    const std::string& title = clip.title;
    if ((title == "com.apple.webarchive" || title == "public.tiff" || title == "com.apple.pict") &&
        clip.data) {
        return WriteRule::bytes;
    }
    if (title == "com.apple.flat-rtfd" && clip.data) {
        return WriteRule::fileWrapper;
    }
    return clip.content.empty() ? WriteRule::nothing : WriteRule::text;
}

WriteOutcome writeClipTo(const ClipDetail& clip, const std::string& path) {
    using Status = WriteOutcome::Status;
    std::optional<FileError> failure;
    switch (writeRuleFor(clip)) {
    case WriteRule::bytes:
        failure = writeFilePlain(path, clip.data->span());
        break;
    case WriteRule::fileWrapper: {
        const auto wrapper = readFlatRtfd(*clip.data);
        if (!wrapper) {
            // The reader may already have said it in these words.
            constexpr std::string_view notAWrapper = "not a serialized file wrapper";
            const std::string& why = wrapper.error();
            return {Status::notAFileWrapper,
                    why.starts_with(notAWrapper) ? why : std::string(notAWrapper) + ": " + why,
                    path};
        }
        failure = writeWrapperAtomically(*wrapper, path);
        break;
    }
    case WriteRule::text:
        failure = writeFileAtomically(path, asBytes(clip.content));
        break;
    case WriteRule::nothing:
        return {Status::nothingToWrite, "the entry has no text to write", path};
    }
    if (failure) {
        return {Status::failed, failure->message, path};
    }
    return {Status::written, {}, path};
}

void ClipInfo::writeClip(const ClipDetail& clip) {
    writeClip(clip, nullptr);
}

void ClipInfo::writeClip(const ClipDetail& clip,
                         std::function<void(const WriteOutcome&)> finished) {
    assertMainThread();
    const std::shared_ptr<SavePanel> panel = SavePanel::make();
    panel->setCanCreateDirectories(true);
    const PanelSetup setup = panelSetupFor(clip);
    panel->setNameFieldStringValue(setup.suggestedName);
    // Beside the entry's own type, a file a Linux desktop opens: PNG for a
    // picture, plain text for formatted text.
    const std::optional<Conversion> conversion =
        setup.allowedType ? conversionFor(clip) : std::nullopt;
    if (setup.allowedType) {
        std::vector<ContentType> types = {*setup.allowedType};
        if (conversion) {
            types.push_back(convertedType(*conversion));
        }
        panel->setAllowedContentTypes(std::move(types));
    }
    // The completion keeps the panel and its own copy of the entry, so the
    // write uses the entry as it was when the command ran.
    panel->begin([panel, entry = clip, conversion, finished = std::move(finished)](int response) {
        WriteOutcome outcome;
        if (response == SavePanel::okResponse) {
            const auto url = panel->url();
            const auto path = url ? url->filePath() : std::nullopt;
            if (!path) {
                outcome = {WriteOutcome::Status::cancelled, "no location chosen", {}};
            } else if (conversion && panel->selectedTypeIndex() == 1) {
                outcome = writeConvertedTo(entry, *conversion, *path);
            } else {
                outcome = writeClipTo(entry, *path);
            }
        }
        if (finished) {
            finished(outcome);
        }
    });
}

} // namespace scrivlette
