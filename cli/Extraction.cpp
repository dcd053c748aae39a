#include "Extraction.h"

#include "cli/ExtractionPlan.h"
#include "cli/ExtractionReport.h"
#include "cli/Paths.h"
#include "cli/TreeWalk.h"
#include "model/ClipDescription.h"
#include "model/ClipInfo.h"
#include "platform/files/FileType.h"
#include "platform/files/FileWriting.h"
#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlette::cli {
namespace {

namespace fs = std::filesystem;

// Outputs may be at most this many times the clipping's own size, pictures
// aside: a property list can name one stored object thousands of times.
constexpr std::uintmax_t outputBound = 16;

// A clipping is rarely over a few megabytes; a file past this is not read, so
// one huge file cannot take the memory the rest of the run needs.
constexpr std::uintmax_t maxClippingBytes = std::uintmax_t{1} << 30;

// The longest file name Linux file systems take, in bytes.
constexpr std::size_t maxNameBytes = 255;

struct Found {
    fs::path file;
    fs::path relativeFolder; // where it lies under the PATH it was found under
    ClippingFileKind kind;
};

// `name` with " (n)" and `suffix` after it, its stem cut (at a character's
// boundary) where the whole would pass what a file system takes.
std::string fittedName(std::string stem, const std::string& tail) {
    if (stem.size() + tail.size() > maxNameBytes && tail.size() < maxNameBytes) {
        stem.resize(utf8Prefix(stem, maxNameBytes - tail.size()).size());
    }
    return stem + tail;
}

class Extractor {
public:
    Extractor(const ExtractOptions& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err) {}
    int run();

private:
    void walk(const std::string& given, const std::function<void(const Found&)>& visit);
    void walkEntry(const WalkEntry& entry, const std::string& inside,
                   const std::function<void(const Found&)>& visit);
    void passOverFolderLink(const WalkEntry& entry, const std::string& inside);
    void reportLink(const std::string& source, const std::string& reason);
    void writeLine(const std::string& source, Status status,
                   const std::vector<std::string>& outputs, const std::string& reason);
    void extractOne(const Found& found);
    void extractRead(const Found& found);
    static std::optional<std::string> tooMuch(const ClippingFile& clipping, const Plan& plan);
    std::optional<std::string> writeUnderFreeName(const fs::path& folder, const std::string& base,
                                                  const Output& output,
                                                  std::vector<std::string>& written);
    std::optional<fs::path> freeName(const fs::path& folder, const std::string& base,
                                     const std::string& suffix);
    std::optional<FileError> makeFolders(const fs::path& folder);
    std::optional<FileError> write(const fs::path& path, const Output& output);
    void report(const std::string& source, Status status, const std::vector<std::string>& outputs,
                const std::string& reason);
    void showProgress();

    const ExtractOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    fs::path outputRoot_;
    struct stat outputStatus_ {};
    std::set<fs::path> reserved_; // names a dry run has handed out
    bool counting_ = false;       // the first pass, for the progress bar
    std::size_t total_ = 0;
    std::size_t done_ = 0;
    std::size_t failed_ = 0;
    std::size_t skipped_ = 0;
    std::size_t links_ = 0; // folder links passed over
    std::size_t written_ = 0;
};

void Extractor::walk(const std::string& given, const std::function<void(const Found&)>& visit) {
    const auto absolute = absolutePath(given);
    if (!absolute) {
        report(given, Status::failed, {}, "no such file or folder");
        return;
    }
    const std::string root = *absolute;
    struct stat status {};
    if (::lstat(root.c_str(), &status) != 0) {
        report(root, Status::failed, {},
               errno == ENOENT ? "no such file or folder" : std::strerror(errno));
        return;
    }
    if (::stat(root.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        // A file named on its own is meant as a clipping: say when it is none.
        if (!S_ISREG(status.st_mode)) {
            report(root, Status::failed, {}, "not a regular file");
        } else if (const auto kind = clippingKind(root); !kind) {
            report(root, Status::failed, {}, "not a clipping file");
        } else if (std::uintmax_t(status.st_size) > maxClippingBytes) {
            report(root, Status::failed, {},
                   "too large: " + std::to_string(status.st_size) + " bytes");
        } else {
            visit({root, {}, *kind});
        }
        return;
    }
    char* canonical = ::realpath(root.c_str(), nullptr);
    const std::string inside = canonical ? std::string(canonical) + "/" : root + "/";
    std::free(canonical);
    walkTree(root, WalkVisitor{[this](const WalkEntry& folder) {
                                   // Companion folders and our own output hold no clippings.
                                   return !holdsOnlyCompanions(folder.name) &&
                                          (folder.status.st_dev != outputStatus_.st_dev ||
                                           folder.status.st_ino != outputStatus_.st_ino);
                               },
                               [&](const WalkEntry& entry) { walkEntry(entry, inside, visit); },
                               [this](const std::string& path, const std::string& reason) {
                                   report(path, Status::failed, {}, reason);
                               }});
}

void Extractor::walkEntry(const WalkEntry& entry, const std::string& inside,
                          const std::function<void(const Found&)>& visit) {
    const bool tooLong = entry.path.size() >= PATH_MAX;
    const auto byName = clippingKindOfName(entry.name);
    const mode_t type = entry.status.st_mode & S_IFMT;
    Found found{entry.path, entry.relativeFolder, {byName.value_or(ClippingKind::text), {}}};
    if (type == S_IFREG) {
        const auto kind = tooLong ? std::nullopt : clippingKind(entry.path);
        if (tooLong ? !byName : !kind) {
            return;
        }
        found.kind = kind.value_or(found.kind);
        if (tooLong) {
            report(entry.path, Status::failed, {},
                   "its path is longer than the " + std::to_string(PATH_MAX) +
                       " bytes a file can be opened by");
        } else if (std::uintmax_t(entry.status.st_size) > maxClippingBytes) {
            report(entry.path, Status::failed, {},
                   "too large: " + std::to_string(entry.status.st_size) + " bytes");
        } else {
            visit(found);
        }
        return;
    }
    if (!byName) {
        if (type == S_IFLNK) {
            passOverFolderLink(entry, inside);
        }
        return; // other links and special files not named as clippings are no concern of ours
    }
    if (type != S_IFLNK) {
        report(entry.path, Status::skipped, {}, "not a regular file");
        return;
    }
    char* target = ::realpath(entry.path.c_str(), nullptr);
    if (!target) {
        const int error = errno;
        report(entry.path, Status::skipped, {},
               error == ELOOP    ? "a symbolic link that loops"
               : error == ENOENT ? "a symbolic link to nothing"
                                 : "a symbolic link that cannot be followed: " +
                                       std::string(std::strerror(error)));
        return;
    }
    const std::string resolved = target;
    std::free(target);
    struct stat status {};
    if (!resolved.starts_with(inside)) {
        report(entry.path, Status::skipped, {}, "a symbolic link out of the tree");
    } else if (::stat(resolved.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        report(entry.path, Status::skipped, {}, "a symbolic link to something not a file");
    } else if (std::uintmax_t(status.st_size) > maxClippingBytes) {
        report(entry.path, Status::failed, {},
               "too large: " + std::to_string(status.st_size) + " bytes");
    } else {
        visit(found);
    }
}

// Folders are walked where they are, never through a link: a link could
// lead out of the tree or back into it without end. Each one is said.
void Extractor::passOverFolderLink(const WalkEntry& entry, const std::string& inside) {
    struct stat status {};
    if (::stat(entry.path.c_str(), &status) != 0) {
        if (errno == ELOOP) {
            reportLink(entry.path, "a symbolic link that loops");
        }
        return; // a link to nothing not named as a clipping: nothing there to pass over
    }
    if (!S_ISDIR(status.st_mode)) {
        return;
    }
    char* target = ::realpath(entry.path.c_str(), nullptr);
    const std::string resolved = target ? std::string(target) + "/" : std::string();
    std::free(target);
    reportLink(entry.path, !resolved.starts_with(inside)
                               ? "a symbolic link to a folder out of the tree, not followed"
                           : inside.starts_with(resolved)
                               ? "a symbolic link to a folder above it, not followed (a loop)"
                               : "a symbolic link to a folder, not followed (the folder is "
                                 "walked where it is)");
}

void Extractor::reportLink(const std::string& source, const std::string& reason) {
    if (counting_) {
        return;
    }
    ++links_;
    writeLine(source, Status::skipped, {}, reason);
}

std::optional<fs::path> Extractor::freeName(const fs::path& folder, const std::string& base,
                                            const std::string& suffix) {
    for (int attempt = 1; attempt < 10000; ++attempt) {
        const std::string tail =
            (attempt > 1 ? " (" + std::to_string(attempt) + ")" : std::string()) + suffix;
        const fs::path path = folder / fittedName(base, tail);
        std::error_code error;
        if (!fs::exists(fs::symlink_status(path, error)) && !reserved_.contains(path)) {
            return path;
        }
    }
    return std::nullopt;
}

// Makes `folder` under the output root a level at a time, so its length is
// no limit.
std::optional<FileError> Extractor::makeFolders(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(outputRoot_, error);
    if (error) {
        return FileError{error.value(), error.message()};
    }
    int fd = ::open(outputRoot_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const auto& part : folder.lexically_relative(outputRoot_)) {
        if (fd < 0) {
            break;
        }
        if (part == ".") {
            continue;
        }
        if (::mkdirat(fd, part.c_str(), 0777) != 0 && errno != EEXIST) {
            break;
        }
        const int inner =
            ::openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
        ::close(fd);
        fd = inner;
    }
    if (fd < 0) {
        return lastSystemError("");
    }
    ::close(fd);
    return std::nullopt;
}

std::optional<FileError> Extractor::write(const fs::path& path, const Output& output) {
    // Never over what is there: a name taken since it was found free fails
    // with EEXIST, and the next free one is tried.
    const AtomicWrite how{.replace = false, .flush = false};
    if (output.folder) {
        return writeWrapperAtomically(*output.folder, path.string(), how);
    }
    return writeFileAtomically(path.string(), output.bytes.span(), how);
}

void Extractor::extractOne(const Found& found) {
    try {
        extractRead(found);
    } catch (const std::bad_alloc&) {
        // One clipping that needs more memory than there is fails alone.
        report(found.file.string(), Status::failed, {}, "out of memory");
    }
}

void Extractor::extractRead(const Found& found) {
    const std::string source = found.file.string();
    const auto clipping = readClippingFile(source, found.kind);
    if (!clipping) {
        report(source, Status::failed, {}, clipping.error().message);
        return;
    }
    const Plan plan = planOutputs(*clipping, found.file, options_.all);
    if (auto problem = tooMuch(*clipping, plan)) {
        report(source, Status::failed, {}, *problem);
        return;
    }
    if (plan.outputs.empty()) {
        report(source, Status::failed, {},
               plan.note.empty() ? "nothing in it to extract" : plan.note);
        return;
    }
    fs::path folder = outputRoot_;
    for (const auto& part : found.relativeFolder) {
        if (part != "." && !part.empty()) {
            folder /= safeName(part.string());
        }
    }
    if (!options_.dryRun) {
        if (auto failure = makeFolders(folder)) {
            report(source, Status::failed, {},
                   "cannot make " + folder.string() + ": " + failure->message);
            return;
        }
    }
    const std::string base = safeName(stem(found.file));
    std::vector<std::string> written;
    for (const Output& output : plan.outputs) {
        if (auto failure = writeUnderFreeName(folder, base, output, written)) {
            written_ += written.size();
            report(source, Status::failed, written, *failure);
            return;
        }
    }
    written_ += written.size();
    report(source, Status::ok, written, plan.note);
}

// Why the plan's files would be out of all proportion to the clipping, if they are.
std::optional<std::string> Extractor::tooMuch(const ClippingFile& clipping, const Plan& plan) {
    const std::uintmax_t ownSize = clipping.storedBytes;
    std::uintmax_t planned = 0;
    for (const Output& output : plan.outputs) {
        planned += output.decodedPicture ? 0 : output.size();
    }
    if (planned <= std::max<std::uintmax_t>(ownSize, 4096) * outputBound) {
        return std::nullopt;
    }
    return "its files would take " + std::to_string(planned) + " bytes, more than " +
           std::to_string(outputBound) + " times the clipping's own " + std::to_string(ownSize);
}

// Writes `output` as BASE with its suffix, or the first free " (n)" name, and
// adds where to `written`; a name taken meanwhile by another run (EEXIST)
// moves on to the next one. Nothing, or why it could not be written.
std::optional<std::string> Extractor::writeUnderFreeName(const fs::path& folder,
                                                         const std::string& base,
                                                         const Output& output,
                                                         std::vector<std::string>& written) {
    std::string failure;
    for (int tries = 0; tries < 100; ++tries) {
        const auto path = freeName(folder, base, output.suffix);
        if (!path) {
            return "no free name for " + base + output.suffix;
        }
        if (options_.dryRun) {
            reserved_.insert(*path);
            written.push_back(path->string());
            return std::nullopt;
        }
        const auto problem = write(*path, output);
        if (!problem) {
            written.push_back(path->string());
            return std::nullopt;
        }
        failure = problem->message;
        if (problem->code != EEXIST) {
            break; // a real failure, not a name taken meanwhile
        }
    }
    return failure;
}

void Extractor::report(const std::string& source, Status status,
                       const std::vector<std::string>& outputs, const std::string& reason) {
    if (counting_) {
        return;
    }
    ++done_;
    failed_ += status == Status::failed ? 1 : 0;
    skipped_ += status == Status::skipped ? 1 : 0;
    writeLine(source, status, outputs, reason);
    showProgress();
}

void Extractor::writeLine(const std::string& source, Status status,
                          const std::vector<std::string>& outputs, const std::string& reason) {
    // Flushed line by line: after a kill, every file on disk has been named.
    out_ << reportLine(source, status, outputs, reason) << '\n' << std::flush;
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
    outputRoot_ = fs::weakly_canonical(fs::absolute(options_.to, error), error);
    ::stat(outputRoot_.c_str(), &outputStatus_); // absent until the first write: never met
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
    bool flushed = true;
    if (!options_.dryRun && written_ > 0) {
        // The files were not flushed one by one; one flush of the file system
        // they went to does it for all.
        const int folder = ::open(outputRoot_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        flushed = folder >= 0 && ::syncfs(folder) == 0;
        if (!flushed) {
            err_ << "scrivlette-cli: " << outputRoot_.string()
                 << ": the written files may not be on disk: " << std::strerror(errno) << '\n';
        }
        if (folder >= 0) {
            ::close(folder);
        }
    }
    const std::size_t extracted = done_ - failed_ - skipped_;
    err_ << groupedCount(done_) << (done_ == 1 ? " clipping: " : " clippings: ")
         << groupedCount(extracted) << " extracted, " << groupedCount(failed_) << " failed";
    if (skipped_ > 0) {
        err_ << ", " << groupedCount(skipped_) << " skipped";
    }
    if (links_ > 0) {
        err_ << ", " << groupedCount(links_)
             << (links_ == 1 ? " folder link not followed" : " folder links not followed");
    }
    err_ << "; " << groupedCount(written_) << (written_ == 1 ? " file " : " files ")
         << (options_.dryRun ? "would be written to " : "written to ") << outputRoot_.string()
         << '\n';
    return failed_ == 0 && skipped_ == 0 && links_ == 0 && flushed ? 0 : 1;
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
