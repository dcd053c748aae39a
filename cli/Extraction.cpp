#include "Extraction.h"

#include "cli/ExtractionPlan.h"
#include "cli/Paths.h"
#include "model/ClipDescription.h"
#include "model/ClipInfo.h"
#include "platform/FileWriting.h"
#include "platform/fork/Companion.h"

#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <ostream>
#include <set>
#include <unistd.h>

namespace scrivlette::cli {
namespace {

namespace fs = std::filesystem;

// Outputs may be at most this many times the clipping's own size, pictures
// aside: a property list can name one stored object thousands of times.
constexpr std::uintmax_t outputBound = 16;

struct Found {
    fs::path file;
    fs::path relativeFolder; // where it lies under the PATH it was found under
};

class Extractor {
public:
    Extractor(const ExtractOptions& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err) {}
    int run();

private:
    void walk(const fs::path& root, const std::function<void(const Found&)>& visit);
    void extractOne(const Found& found);
    std::optional<fs::path> freeName(const fs::path& folder, const std::string& base,
                                     const std::string& suffix);
    std::optional<std::string> write(const fs::path& path, const Output& output);
    void report(const Found& found, bool ok, const std::vector<std::string>& outputs,
                const std::string& reason);
    void showProgress();

    const ExtractOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    fs::path outputRoot_;
    std::set<fs::path> reserved_; // names a dry run has handed out
    bool counting_ = false;       // the first pass, for the progress bar
    std::size_t total_ = 0;
    std::size_t done_ = 0;
    std::size_t failed_ = 0;
    std::size_t written_ = 0;
};

void Extractor::walk(const fs::path& root, const std::function<void(const Found&)>& visit) {
    std::error_code error;
    const auto status = fs::symlink_status(root, error);
    if (error || !fs::exists(status)) {
        report({root, {}}, false, {}, "no such file or folder");
        return;
    }
    if (!fs::is_directory(fs::status(root, error))) {
        // A file named on its own is meant as a clipping: say when it is none.
        if (!fs::is_regular_file(fs::status(root, error))) {
            report({root, {}}, false, {}, "not a regular file");
        } else if (clippingKindOf(root)) {
            visit({root, {}});
        } else {
            report({root, {}}, false, {}, "not a clipping file");
        }
        return;
    }
    const fs::path inside = fs::weakly_canonical(root, error);
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path path = it->path();
        const auto type = it->symlink_status(error).type();
        if (type == fs::file_type::directory) {
            // Companion folders and our own output hold no clippings.
            const std::string name = path.filename().string();
            if (name == ".AppleDouble" || name == "__MACOSX" ||
                fs::weakly_canonical(path, error) == outputRoot_) {
                it.disable_recursion_pending();
            }
            continue;
        }
        if (!clippingKindOf(path) && type != fs::file_type::symlink) {
            continue;
        }
        const Found found{path, path.parent_path().lexically_relative(root)};
        if (type == fs::file_type::symlink) {
            const fs::path target = fs::weakly_canonical(path, error);
            const auto [end, _] =
                std::mismatch(inside.begin(), inside.end(), target.begin(), target.end());
            if (end != inside.end()) {
                if (clippingKindOf(path)) {
                    err_ << "scrivlette-cli: " << path.string()
                         << ": skipped: a symbolic link out of the tree\n";
                }
                continue;
            }
            if (!fs::is_regular_file(target, error) || !clippingKindOf(path)) {
                continue;
            }
        } else if (type != fs::file_type::regular) {
            err_ << "scrivlette-cli: " << path.string() << ": skipped: not a regular file\n";
            continue;
        }
        visit(found);
    }
    if (error) {
        report({root, {}}, false, {}, "cannot walk the folder: " + error.message());
    }
}

std::optional<fs::path> Extractor::freeName(const fs::path& folder, const std::string& base,
                                            const std::string& suffix) {
    for (int attempt = 1; attempt < 10000; ++attempt) {
        std::string name = base;
        if (attempt > 1) {
            name.append(" (").append(std::to_string(attempt)).append(")");
        }
        name += suffix;
        const fs::path path = folder / name;
        std::error_code error;
        if (!fs::exists(fs::symlink_status(path, error)) && !reserved_.contains(path)) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Extractor::write(const fs::path& path, const Output& output) {
    if (output.folder) {
        if (auto failure = writeWrapperAtomically(*output.folder, path.string())) {
            return failure->message;
        }
        return std::nullopt;
    }
    if (auto failure = writeFileAtomically(path.string(), output.bytes.span(),
                                           AtomicWrite{.replace = false, .flush = false})) {
        return failure->message;
    }
    return std::nullopt;
}

void Extractor::extractOne(const Found& found) {
    const auto url = Url::fromFilePath(absolutePath(found.file));
    const auto info = ClipInfo::create();
    const ReadOutcome outcome =
        url ? info->readClippingWithReason(*url) : ReadOutcome{false, "not a usable path"};
    if (!outcome.read) {
        report(found, false, {}, outcome.reason);
        return;
    }
    const std::vector<ClipDetail> clips = info->clipList();
    Plan plan = planOutputs(*clippingKindOf(found.file), clips, found.file, options_.all);

    std::error_code error;
    std::uintmax_t ownSize = fs::file_size(found.file, error);
    if (ownSize == 0) {
        const auto companion = findCompanion(found.file.string());
        ownSize = companion.resourceFork ? companion.resourceFork->size() : 0;
    }
    std::uintmax_t planned = 0;
    for (const Output& output : plan.outputs) {
        planned += output.decodedPicture ? 0 : output.size();
    }
    if (planned > std::max<std::uintmax_t>(ownSize, 4096) * outputBound) {
        report(found, false, {},
               "its files would take " + std::to_string(planned) + " bytes, more than " +
                   std::to_string(outputBound) + " times the clipping's own " +
                   std::to_string(ownSize));
        return;
    }
    if (plan.outputs.empty()) {
        report(found, false, {}, plan.note.empty() ? "nothing in it to extract" : plan.note);
        return;
    }

    fs::path folder = outputRoot_;
    for (const auto& part : found.relativeFolder) {
        if (part != ".") {
            folder /= safeName(part.string());
        }
    }
    if (!options_.dryRun) {
        fs::create_directories(folder, error);
        if (error) {
            report(found, false, {}, "cannot make " + folder.string() + ": " + error.message());
            return;
        }
    }
    const std::string base = safeName(stem(found.file));
    std::vector<std::string> written;
    for (const Output& output : plan.outputs) {
        std::optional<std::string> failure;
        // A name taken meanwhile by someone else is not replaced: try the next.
        for (int tries = 0; tries < 100; ++tries) {
            const auto path = freeName(folder, base, output.suffix);
            if (!path) {
                failure = "no free name for " + base + output.suffix;
                break;
            }
            if (options_.dryRun) {
                reserved_.insert(*path);
                written.push_back(path->string());
                failure.reset();
                break;
            }
            failure = write(*path, output);
            if (!failure) {
                written.push_back(path->string());
                break;
            }
            if (!fs::exists(*path, error)) {
                break; // a real failure, not a name taken
            }
        }
        if (failure) {
            written_ += written.size();
            report(found, false, written, *failure);
            return;
        }
    }
    written_ += written.size();
    report(found, true, written, plan.note);
}

void Extractor::report(const Found& found, bool ok, const std::vector<std::string>& outputs,
                       const std::string& reason) {
    if (counting_) {
        return;
    }
    ++done_;
    failed_ += ok ? 0 : 1;
    nlohmann::ordered_json line;
    line["source"] = found.file.string();
    line["status"] = ok ? "ok" : "failed";
    line["outputs"] = outputs;
    if (!reason.empty()) {
        line["reason"] = reason;
    }
    out_ << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    showProgress();
}

void Extractor::showProgress() {
    if (!options_.progress || total_ == 0) {
        return;
    }
    constexpr std::size_t width = 30;
    const std::size_t filled = std::min(width, done_ * width / total_);
    err_ << "\r[" << std::string(filled, '#') << std::string(width - filled, ' ') << "] " << done_
         << "/" << total_ << std::flush;
    if (done_ >= total_) {
        err_ << "\r" << std::string(width + 24, ' ') << "\r";
    }
}

int Extractor::run() {
    std::error_code error;
    outputRoot_ = fs::weakly_canonical(options_.to, error);
    if (options_.progress) {
        counting_ = true;
        for (const std::string& path : options_.paths) {
            walk(path, [this](const Found&) { ++total_; });
        }
        counting_ = false;
    }
    for (const std::string& path : options_.paths) {
        walk(path, [this](const Found& found) { extractOne(found); });
    }
    if (!options_.dryRun) {
        // The files were not flushed one by one; one flush of the file system
        // they went to does it for all.
        if (const int folder = ::open(options_.to.c_str(), O_RDONLY | O_DIRECTORY); folder >= 0) {
            ::syncfs(folder);
            ::close(folder);
        }
    }
    err_ << groupedCount(done_) << (done_ == 1 ? " clipping: " : " clippings: ")
         << groupedCount(done_ - failed_) << " extracted, " << groupedCount(failed_) << " failed; "
         << groupedCount(written_) << (written_ == 1 ? " file " : " files ")
         << (options_.dryRun ? "would be written to " : "written to ") << options_.to.string()
         << '\n';
    return failed_ == 0 ? 0 : 1;
}

} // namespace

std::string safeName(std::string_view name) {
    std::string out;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(c == '/' || byte < 0x20 || byte == 0x7F ? '_' : c);
    }
    if (out.empty() || out == "." || out == "..") {
        return "_";
    }
    if (out.front() == '.') {
        out.front() = '_';
    }
    return out;
}

int extract(const ExtractOptions& options, std::ostream& out, std::ostream& err) {
    return Extractor(options, out, err).run();
}

} // namespace scrivlette::cli
