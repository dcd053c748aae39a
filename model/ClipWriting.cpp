#include "ClipWriting.h"

#include "formats/rtfd/FlatRtfd.h"
#include "model/ClipConversion.h"
#include "model/ClipInfo.h"
#include "model/Representations.h"
#include "platform/files/FileWriting.h"
#include "platform/services/Background.h"
#include "platform/services/MainQueue.h"
#include "platform/services/SavePanel.h"
#include "platform/text/TextDecoding.h"

namespace scrivlette {
namespace {

PanelSetup offer(std::string_view name, std::string_view identifier) {
    return {std::string(name), contentType(identifier)};
}

} // namespace

PanelSetup panelSetupFor(const ClipDetail& clip) {
    const Representation* known = representation(clip.title);
    const Saving saving = known ? known->saving : Saving::asPlainText;
    // Text kept as text is saved as text, whatever its kind says of bytes.
    if (saving == Saving::asPlainText || (saving != Saving::asOwnText && clip.useStringForData)) {
        return offer("Untitled.txt", "public.text");
    }
    // The type is unset when the registry does not know it (PICT, say): the
    // panel then takes any type.
    return offer(known->suggestedName, known->savedType);
}

WriteRule writeRuleFor(const ClipDetail& clip) {
    const Representation* known = representation(clip.title);
    if (known && clip.data && known->saving == Saving::asBytes) {
        return WriteRule::bytes;
    }
    if (known && clip.data && known->saving == Saving::asPackage) {
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
            // Bytes of another format are said to be that; a damaged wrapper
            // says where.
            const ReadError& why = wrapper.error();
            return {Status::notAFileWrapper,
                    why.kind == ErrorKind::UnknownFormat
                        ? why.describe()
                        : "not a serialized file wrapper: " + why.describe(),
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
        const auto url = response == SavePanel::okResponse ? panel->url() : std::nullopt;
        const auto path = url ? url->filePath() : std::nullopt;
        if (!path) {
            if (finished) {
                finished({WriteOutcome::Status::cancelled,
                          response == SavePanel::okResponse ? "no location chosen" : "",
                          {}});
            }
            return;
        }
        const bool converted = conversion && panel->selectedTypeIndex() == 1;
        // Converting a large picture and writing it take longer than the
        // window may stop.
        runInBackground([entry, conversion, converted, path = *path, finished] {
            WriteOutcome outcome =
                converted ? writeConvertedTo(entry, *conversion, path) : writeClipTo(entry, path);
            MainQueue::main()->submit([finished, outcome = std::move(outcome)] {
                if (finished) {
                    finished(outcome);
                }
            });
        });
    });
}

} // namespace scrivlette
