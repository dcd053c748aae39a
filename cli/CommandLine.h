#pragma once

#include "model/ClipConversion.h"
#include "platform/Expected.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette::cli {

enum class Command { list, show, json, write, extract, text, kfilemetadata, help, version };

struct Invocation {
    Command command = Command::help;
    std::size_t entry = 1;                // 1-based, for show and write
    std::string output;                   // for write
    bool dryRun = false;                  // for write
    std::optional<Conversion> conversion; // for write --as; output "-" is standard output
    std::vector<std::string> files;
    std::string to = ".";  // for extract
    bool all = false;      // for extract
    bool progress = false; // for extract: a progress bar on standard error
};

// Exit statuses.
inline constexpr int allRead = 0;
inline constexpr int someUnread = 1;
inline constexpr int usageError = 2;

// Arguments that make no command: what is wrong with them, for people.
struct UsageError {
    std::string message;
};

Expected<Invocation, UsageError> parseArguments(const std::vector<std::string>& arguments);

// Reads the files into one document, as one drop of them would, and writes
// what the command asks for. Returns the exit status.
int run(const Invocation& invocation, std::ostream& out, std::ostream& err);
// The same, with the standard input that `kfilemetadata` reads its request from.
int run(const Invocation& invocation, std::istream& in, std::ostream& out, std::ostream& err);

std::string usage();

} // namespace scrivlette::cli
