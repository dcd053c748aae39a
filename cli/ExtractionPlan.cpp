#include "ExtractionPlan.h"

#include "cli/Extraction.h"
#include "model/ClipContent.h"
#include "model/ClipConversion.h"
#include "model/ClipWriting.h"
#include "model/Representations.h"

#include <algorithm>

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

} // namespace

namespace {

// Plain text, then each formatted representation as it is stored, an RTFD
// unpacked into its package.
void planText(const std::vector<ClipDetail>& clips, Plan& plan) {
    if (const ClipDetail* text = firstText(clips)) {
        plan.outputs.push_back({".txt", Bytes::copyOf(text->content), {}, false});
    }
    for (const Representation& kind : representations()) {
        const ClipDetail* clip =
            kind.formatting == Formatting::none ? nullptr : entryTitled(clips, kind.identifier);
        if (!clip) {
            continue;
        }
        std::string suffix = ".";
        suffix += kind.extension;
        if (kind.formatting != Formatting::rtfd) {
            plan.outputs.push_back({suffix, storedBytes(*clip), {}, false});
        } else if (!clip->data) {
            continue;
        } else if (auto package = packageOf(*clip)) {
            plan.outputs.push_back({suffix, {}, std::move(package).value(), false});
        } else {
            plan.note = "RTFD not unpacked: " + package.error().describe();
        }
    }
}

// The first picture that decodes, as PNG, and the PDF beside it.
void planPicture(const ClippingFile& clipping, Plan& plan) {
    auto picture = firstPicture(clipping.entries);
    auto png = picture ? pngOf(*picture) : Expected<Bytes, ReadError>(picture.error());
    if (png) {
        plan.outputs.push_back({".png", std::move(png).value(), {}, true});
    } else {
        plan.note = "picture " + png.error().describe();
    }
    if (auto pdf = pdfOf(clipping)) {
        plan.outputs.push_back({".pdf", *pdf, {}, false});
    }
}

// A link the desktop opens, for the addresses that are safe to open.
void planLocation(const std::vector<ClipDetail>& clips, const fs::path& file, Plan& plan) {
    const ClipDetail* url = entryTitled(clips, locationKey);
    if (!url) {
        return;
    }
    if (mayOpen(url->content)) {
        plan.outputs.push_back(
            {".desktop", Bytes::copyOf(desktopLink(stem(file), url->content)), {}, false});
    } else {
        plan.outputs.push_back({".txt", Bytes::copyOf(url->content + "\n"), {}, false});
        plan.note = "the address is written as text: only web, FTP and mail addresses "
                    "become links";
    }
}

bool plansPackage(const Plan& plan) {
    return std::any_of(plan.outputs.begin(), plan.outputs.end(),
                       [](const Output& output) { return output.folder.has_value(); });
}

// Every representation as it is stored, named by its identifier, which says
// which it is, then by its kind's extension, the one the default plan names
// it with. A flat RTFD is only its unpacked package, which no program opens
// in its flat form: bytes that did not unpack are kept as they are, as data.
void planEvery(const std::vector<ClipDetail>& clips, Plan& plan) {
    for (const ClipDetail& clip : clips) {
        const bool package = clip.data && writeRuleFor(clip) == WriteRule::fileWrapper;
        if (package && plansPackage(plan)) {
            continue;
        }
        std::string suffix = ".";
        suffix += safeName(clip.title);
        suffix += '.';
        suffix += package ? "bin" : extensionOf(clip);
        plan.outputs.push_back({suffix, storedBytes(clip), {}, false});
    }
}

} // namespace

Plan planOutputs(const ClippingFile& clipping, const fs::path& file, bool all) {
    Plan plan;
    switch (clipping.kind) {
    case ClippingKind::text:
        planText(clipping.entries, plan);
        break;
    case ClippingKind::picture:
        planPicture(clipping, plan);
        break;
    case ClippingKind::internetLocation:
        planLocation(clipping.entries, file, plan);
        break;
    }
    if (all) {
        planEvery(clipping.entries, plan);
    }
    return plan;
}

} // namespace scrivlette::cli
