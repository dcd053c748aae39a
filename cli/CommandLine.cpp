#include "CommandLine.h"

#include "Indexing.h"
#include "cli/Extraction.h"
#include "cli/JsonOutput.h"
#include "cli/Paths.h"
#include "model/ClipInfo.h"
#include "platform/services/Background.h"
#include "platform/services/MainQueue.h"
#include "platform/services/ManualMainQueue.h"
#include "platform/services/SavePanel.h"
#include "platform/text/UnicodeText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

namespace scrivlette::cli {
namespace {

constexpr std::size_t previewLength = 60;

std::optional<std::size_t> parseIndex(const std::string& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0) {
        return std::nullopt;
    }
    return value;
}

// True when arguments[i] is the option `name`, as "--name VALUE" (moving i to
// the value) or "--name=VALUE"; `value` is then its value, empty if missing.
bool takeOption(const std::vector<std::string>& arguments, std::size_t& i, std::string_view name,
                std::string& value) {
    const std::string& argument = arguments[i];
    if (argument == name) {
        value = i + 1 < arguments.size() ? arguments[++i] : std::string();
        return true;
    }
    if (argument.starts_with(name) && argument.size() > name.size() &&
        argument[name.size()] == '=') {
        value = argument.substr(name.size() + 1);
        return true;
    }
    return false;
}

// One line per entry must stay one line, whatever the title holds.
std::string singleLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return out;
}

std::string preview(const std::string& content) {
    const std::string_view firstLine =
        std::string_view(content).substr(0, content.find_first_of("\r\n"));
    return singleLine(graphemePrefix(firstLine, previewLength));
}

struct Document {
    std::shared_ptr<ClipInfo> info = ClipInfo::create();
    std::vector<bool> results;
};

Document readAll(const std::vector<std::string>& files, std::ostream& err) {
    Document document;
    for (const std::string& file : files) {
        const auto path = absolutePath(file);
        const auto url = path ? Url::fromFilePath(*path) : std::nullopt;
        const auto problem = url ? document.info->readClippingWithReason(*url)
                                 : ReadError::of(ErrorKind::NotFound, "no such file");
        document.results.push_back(!problem);
        if (problem) {
            err << "scrivlette-cli: " << file << ": " << problem->message << '\n';
        }
    }
    return document;
}

// Answers the save panel without asking anyone: the chosen path, or, for a
// dry run, Cancel after noting what the panel was told to offer.
class FixedAnswerPanel final : public SavePanel {
public:
    explicit FixedAnswerPanel(std::optional<Url> answer) : answer_(std::move(answer)) {}

    void setCanCreateDirectories(bool) override {}
    void setNameFieldStringValue(std::string name) override { offeredName = std::move(name); }
    void setAllowedContentTypes(std::vector<ContentType> types) override {
        offeredTypes = std::move(types);
    }
    void begin(Completion completion) override {
        completion(answer_ ? okResponse : cancelResponse);
    }
    std::optional<Url> url() const override { return answer_; }

    std::string offeredName;
    std::vector<ContentType> offeredTypes;

private:
    std::optional<Url> answer_;
};

bool writeEntry(ClipInfo& info, const ClipDetail& clip, const Invocation& invocation,
                std::ostream& out, std::ostream& err) {
    std::optional<Url> answer;
    if (!invocation.dryRun) {
        const auto path = absolutePath(invocation.output);
        answer = path ? Url::fromFilePath(*path) : std::nullopt;
        if (!answer) {
            err << "scrivlette-cli: " << invocation.output << ": not a usable path\n";
            return false;
        }
    }
    const auto panel = std::make_shared<FixedAnswerPanel>(answer);
    SavePanel::installFactory([panel] { return panel; });
    WriteOutcome outcome;
    info.writeClip(clip, [&](const WriteOutcome& result) { outcome = result; });
    SavePanel::installFactory(nullptr);
    // The write runs on a worker and reports through the main queue.
    finishBackgroundWork();
    if (const auto queue = std::dynamic_pointer_cast<ManualMainQueue>(MainQueue::main())) {
        queue->drain();
    }

    if (invocation.dryRun) {
        out << panel->offeredName << '\t'
            << (panel->offeredTypes.empty() ? std::string("any")
                                            : panel->offeredTypes.front().identifier)
            << '\n';
        return true;
    }
    if (outcome.status != WriteOutcome::Status::written) {
        err << "scrivlette-cli: " << invocation.output << ": " << outcome.message << '\n';
        return false;
    }
    return true;
}

// Converted output goes to a file, written atomically, or to standard output.
bool writeConversion(const ClipDetail& clip, const Invocation& invocation, std::ostream& out,
                     std::ostream& err) {
    const Conversion conversion = *invocation.conversion;
    if (invocation.output == "-") {
        const auto converted = convertClip(clip, conversion);
        if (!converted) {
            err << "scrivlette-cli: entry " << invocation.entry << ": "
                << converted.error().describe() << '\n';
            return false;
        }
        out.write(reinterpret_cast<const char*>(converted->data()),
                  static_cast<std::streamsize>(converted->size()));
        return true;
    }
    const auto path = absolutePath(invocation.output);
    if (!path) {
        err << "scrivlette-cli: " << invocation.output << ": not a usable path\n";
        return false;
    }
    const WriteOutcome outcome = writeConvertedTo(clip, conversion, *path);
    if (outcome.status != WriteOutcome::Status::written) {
        err << "scrivlette-cli: entry " << invocation.entry << ": " << outcome.message << '\n';
        return false;
    }
    return true;
}

int showOrWrite(const Document& document, const Invocation& invocation, int status,
                std::ostream& out, std::ostream& err) {
    const std::size_t count = document.info->clipCount();
    if (invocation.entry > count) {
        if (status != allRead) {
            return status; // the file that was not read has been named: no entries is why
        }
        err << "scrivlette-cli: there is no entry " << invocation.entry << " (the files hold "
            << count << ")\n";
        return usageError;
    }
    int result = status;
    std::size_t index = 0;
    document.info->forEachClip([&](const ClipDetail& clip) {
        if (++index != invocation.entry) {
            return;
        }
        if (invocation.command == Command::show) {
            out << plainText(clip);
            return;
        }
        const bool written = invocation.conversion
                                 ? writeConversion(clip, invocation, out, err)
                                 : writeEntry(*document.info, clip, invocation, out, err);
        result = written ? status : someUnread;
    });
    return result;
}

bool allSucceeded(const std::vector<bool>& results) {
    return std::find(results.begin(), results.end(), false) == results.end();
}

} // namespace

std::string usage() {
    return "Usage: scrivlette-cli COMMAND [OPTIONS] FILE...\n"
           "Shows what macOS clipping files (.textClipping, .pictClipping, .webloc, .mailloc) "
           "hold.\n"
           "The files are read in order into one document, as if dropped together.\n"
           "\n"
           "Commands:\n"
           "  list               one line per entry: index, type, start of its text\n"
           "  show [--entry N]   write entry N's text (default 1) to standard output\n"
           "  json               the document as JSON\n"
           "  write [--entry N] --output PATH\n"
           "                     write entry N (default 1) to PATH, as the window's\n"
           "                     \"Write Clip to File\" would\n"
           "  write [--entry N] --dry-run\n"
           "                     print the file name and type the window would suggest\n"
           "  write [--entry N] --as png|text --output PATH\n"
           "                     write entry N converted: a picture as PNG, formatted\n"
           "                     text (RTF, HTML, web archive, RTFD) as plain UTF-8 text;\n"
           "                     PATH - is standard output\n"
           "  extract [--to DIR] [--all] [--dry-run] PATH...\n"
           "                     turn every clipping in the files and folder trees into\n"
           "                     files a Linux desktop opens, under DIR (default: here):\n"
           "                     text as .txt (and .rtf, .html, .webarchive, .rtfd),\n"
           "                     pictures as .png (and .pdf), locations as .desktop\n"
           "                     links; --all also writes every representation as\n"
           "                     stored. Never replaces a file. One JSON line per\n"
           "                     clipping on standard output.\n"
           "  text FILE...       the text a desktop search indexes: the first text, or\n"
           "                     a location's address (Recoll's filter)\n"
           "  kfilemetadata      answer KDE's file indexer (Baloo) as an external\n"
           "                     extractor: a JSON request on standard input\n"
           "  --help             show this help\n"
           "  --version          show the version\n"
           "\n"
           "Exit status: 0 when every file was read, 1 when one was not, 2 for a usage error.\n";
}

namespace {

constexpr std::array<std::pair<std::string_view, Command>, 7> commands = {{
    {"list", Command::list},
    {"show", Command::show},
    {"json", Command::json},
    {"write", Command::write},
    {"extract", Command::extract},
    {"text", Command::text},
    {"kfilemetadata", Command::kfilemetadata},
}};

// One option of `invocation`'s command at arguments[i] (and its value, which
// may be the next argument); nothing when it was one, else why not.
std::optional<UsageError> takeCommandOption(const std::vector<std::string>& arguments,
                                            std::size_t& i, Invocation& invocation) {
    const Command command = invocation.command;
    const bool writes = command == Command::write;
    const bool extracts = command == Command::extract;
    const std::string& argument = arguments[i];
    std::string value;
    if ((writes || extracts) && argument == "--dry-run") {
        invocation.dryRun = true;
    } else if (extracts && argument == "--all") {
        invocation.all = true;
    } else if (extracts && takeOption(arguments, i, "--to", value)) {
        if (value.empty()) {
            return UsageError{"--to needs a folder"};
        }
        invocation.to = value;
    } else if (writes && takeOption(arguments, i, "--as", value)) {
        invocation.conversion = conversionNamed(value);
        if (!invocation.conversion) {
            return UsageError{"--as needs png or text, not '" + value + "'"};
        }
    } else if (writes && takeOption(arguments, i, "--output", value)) {
        if (value.empty()) {
            return UsageError{"--output needs a path"};
        }
        invocation.output = value;
    } else if ((command == Command::show || writes) && takeOption(arguments, i, "--entry", value)) {
        const auto index = parseIndex(value);
        if (!index) {
            return UsageError{"--entry needs a number from 1 up, not '" + value + "'"};
        }
        invocation.entry = *index;
    } else {
        return UsageError{"unknown option '" + argument + "'"};
    }
    return std::nullopt;
}

} // namespace

Expected<Invocation, UsageError> parseArguments(const std::vector<std::string>& arguments) {
    Invocation invocation;
    if (arguments.empty()) {
        return UsageError{"no command given"};
    }
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        return invocation;
    }
    if (command == "--version") {
        invocation.command = Command::version;
        return invocation;
    }
    const auto known = std::find_if(commands.begin(), commands.end(),
                                    [&](const auto& entry) { return entry.first == command; });
    if (known == commands.end()) {
        return UsageError{"unknown command '" + command + "'"};
    }
    invocation.command = known->second;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            invocation.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (auto problem = takeCommandOption(arguments, i, invocation)) {
            return *problem;
        }
    }
    if (invocation.files.empty() != (invocation.command == Command::kfilemetadata)) {
        return UsageError{invocation.files.empty() ? "no files given"
                                                   : "kfilemetadata reads its request from "
                                                     "standard input, not files"};
    }
    if (invocation.command == Command::write && invocation.output.empty() == !invocation.dryRun) {
        return UsageError{"write needs either --output PATH or --dry-run"};
    }
    if (invocation.conversion && invocation.dryRun) {
        return UsageError{"write --as needs --output PATH"};
    }
    return invocation;
}

int run(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return run(invocation, nothing, out, err);
}

int run(const Invocation& invocation, std::istream& in, std::ostream& out, std::ostream& err) {
    if (invocation.command == Command::help) {
        out << usage();
        return allRead;
    }
    if (invocation.command == Command::version) {
        out << "scrivlette-cli " << SCRIVLETTE_VERSION << '\n';
        return allRead;
    }
    if (invocation.command == Command::text) {
        return printSearchText(invocation.files, out, err);
    }
    if (invocation.command == Command::kfilemetadata) {
        return answerKFileMetaData(in, out, err);
    }
    if (invocation.command == Command::extract) {
        return extract(ExtractOptions{invocation.to, invocation.all, invocation.dryRun,
                                      invocation.progress, invocation.files},
                       out, err);
    }
    const Document document = readAll(invocation.files, err);
    const ClipInfo& info = *document.info;
    const int status = allSucceeded(document.results) ? allRead : someUnread;
    // Entries are lent, never copied: one can hold hundreds of megabytes.
    switch (invocation.command) {
    case Command::list: {
        std::size_t index = 0;
        info.forEachClip([&](const ClipDetail& clip) {
            out << ++index << '\t' << singleLine(clip.title) << '\t' << preview(clip.content)
                << '\n';
        });
        return status;
    }
    case Command::show:
    case Command::write:
        return showOrWrite(document, invocation, status, out, err);
    case Command::json:
        writeDocumentJson(info, document.results, out);
        return status;
    default:
        return usageError;
    }
}

} // namespace scrivlette::cli
