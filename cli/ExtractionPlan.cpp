#include "ExtractionPlan.h"

#include "cli/Extraction.h"
#include "model/ClipConversion.h"
#include "model/ClipWriting.h"
#include "platform/Url.h"
#include "platform/files/FileReading.h"
#include "platform/files/FileType.h"
#include "platform/fork/Companion.h"
#include "platform/formatted/FlatRtfd.h"
#include "platform/plist/PropertyList.h"

namespace scrivlette::cli {

namespace fs = std::filesystem;

std::uintmax_t Output::size() const {
    if (!folder) {
        return bytes.size();
    }
    std::uintmax_t total = 0;
    std::vector<const FileWrapper*> pending{&*folder};
    while (!pending.empty()) {
        const FileWrapper* wrapper = pending.back();
        pending.pop_back();
        total += wrapper->contents.size();
        for (const auto& child : wrapper->children) {
            pending.push_back(&child.wrapper);
        }
    }
    return total;
}

namespace {

// Companions carry an old clipping's fork; they are never clippings themselves.
bool isCompanion(const fs::path& path) {
    const std::string name = path.filename().string();
    if (name.starts_with("._") || path.extension() == ".rsrc") {
        return true;
    }
    for (const auto& part : path.parent_path()) {
        if (part == ".AppleDouble" || part == "__MACOSX") {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<ClippingKind> clippingKindOf(const fs::path& path) {
    if (isCompanion(path)) {
        return std::nullopt;
    }
    const auto identifier = typeIdentifierOfFile(path.string());
    if (!identifier) {
        return std::nullopt;
    }
    if (*identifier) {
        return clippingKindFor(**identifier);
    }
    const auto finderInfo = findCompanion(path.string()).finderInfo;
    const auto type = finderInfo ? typeIdentifierForFinderType(finderInfo->fileType) : std::nullopt;
    return type ? clippingKindFor(*type) : std::nullopt;
}

std::string stem(const fs::path& file) {
    const std::string name = file.filename().string();
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

namespace {

const ClipDetail* entryTitled(const std::vector<ClipDetail>& clips, std::string_view title) {
    for (const ClipDetail& clip : clips) {
        if (clip.title == title) {
            return &clip;
        }
    }
    return nullptr;
}

// The plain text: the first of UTF-8, UTF-16, UTF-16 little-endian and Mac
// OS Roman that decodes (a failed decoding leaves the entry empty).
const ClipDetail* plainTextEntry(const std::vector<ClipDetail>& clips) {
    for (const char* title : {"public.utf8-plain-text", "public.utf16-external-plain-text",
                              "public.utf16-plain-text", "com.apple.traditional-mac-plain-text"}) {
        const ClipDetail* clip = entryTitled(clips, title);
        if (clip && clip->useStringForData && !clip->content.empty()) {
            return clip;
        }
    }
    return nullptr;
}

Bytes storedBytes(const ClipDetail& clip) {
    return clip.data ? *clip.data : Bytes::copyOf(clip.content);
}

// A freedesktop link, which file managers open with the browser or mailer.
std::string desktopLink(const std::string& name, const std::string& url) {
    const auto escaped = [](std::string_view text) {
        std::string out;
        for (char c : text) {
            if (c == '\n') {
                out += "\\n";
            } else if (c == '\r') {
                out += "\\r";
            } else if (c == '\\') {
                out += "\\\\";
            } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
                out.push_back(c);
            }
        }
        return out;
    };
    return "[Desktop Entry]\nType=Link\nName=" + escaped(name) + "\nURL=" + escaped(url) +
           "\nIcon=text-html\n";
}

// The PDF a picture clipping carries, which the reader leaves out of its entries.
std::optional<Bytes> pdfOf(const fs::path& file) {
    const auto bytes = readWholeFile(file.string());
    if (!bytes) {
        return std::nullopt;
    }
    const auto root = plist::parse(*bytes);
    const plist::Dictionary* top = root ? (*root)->asDictionary() : nullptr;
    const plist::Node* data = top ? top->find("UTI-Data") : nullptr;
    const plist::Dictionary* representations = data ? data->asDictionary() : nullptr;
    const plist::Node* pdf = representations ? representations->find("com.adobe.pdf") : nullptr;
    return pdf && pdf->asData() ? std::optional(*pdf->asData()) : std::nullopt;
}

} // namespace

Plan planOutputs(ClippingKind kind, const std::vector<ClipDetail>& clips, const fs::path& file,
                 bool all) {
    Plan plan;
    if (kind == ClippingKind::text) {
        if (const ClipDetail* text = plainTextEntry(clips)) {
            plan.outputs.push_back({".txt", Bytes::copyOf(text->content), {}, false});
        }
        if (const ClipDetail* rtf = entryTitled(clips, "public.rtf")) {
            plan.outputs.push_back({".rtf", storedBytes(*rtf), {}, false});
        }
        if (const ClipDetail* html = entryTitled(clips, "public.html")) {
            plan.outputs.push_back({".html", storedBytes(*html), {}, false});
        }
        if (const ClipDetail* archive = entryTitled(clips, "com.apple.webarchive")) {
            plan.outputs.push_back({".webarchive", storedBytes(*archive), {}, false});
        }
        if (const ClipDetail* rtfd = entryTitled(clips, "com.apple.flat-rtfd");
            rtfd && rtfd->data) {
            if (auto wrapper = readFlatRtfd(*rtfd->data)) {
                plan.outputs.push_back({".rtfd", {}, std::move(wrapper).value(), false});
            } else {
                plan.note = "RTFD not unpacked: " + wrapper.error();
            }
        }
    } else if (kind == ClippingKind::picture) {
        std::string problem = "no picture in the clipping";
        for (const ClipDetail& clip : clips) {
            if (conversionFor(clip) != Conversion::png) {
                continue;
            }
            auto png = convertClip(clip, Conversion::png);
            if (png) {
                plan.outputs.push_back({".png", std::move(png).value(), {}, true});
                break;
            }
            problem = png.error();
        }
        if (plan.outputs.empty()) {
            plan.note = "picture " + problem;
        }
        if (auto pdf = pdfOf(file)) {
            plan.outputs.push_back({".pdf", *pdf, {}, false});
        }
    } else if (const ClipDetail* url = entryTitled(clips, "URL")) {
        if (isSafeToOpen(url->content)) {
            plan.outputs.push_back(
                {".desktop", Bytes::copyOf(desktopLink(stem(file), url->content)), {}, false});
        } else {
            plan.outputs.push_back({".txt", Bytes::copyOf(url->content + "\n"), {}, false});
            plan.note = "the address is written as text: only web, FTP and mail addresses "
                        "become links";
        }
    }
    if (all) {
        for (const ClipDetail& clip : clips) {
            // Named by its identifier, which says which representation it
            // is, then by the extension the window would write it with, if
            // it knows one.
            const PanelSetup setup = panelSetupFor(clip);
            const bool known =
                setup.allowedType &&
                (setup.allowedType->identifier != "public.text" || clip.useStringForData);
            std::string suffix = ".";
            suffix += safeName(clip.title);
            suffix += known ? setup.suggestedName.substr(setup.suggestedName.rfind('.')) : ".bin";
            plan.outputs.push_back({suffix, storedBytes(clip), {}, false});
        }
    }
    return plan;
}

} // namespace scrivlette::cli
