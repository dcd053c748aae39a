#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace scrivlette::cli {

struct ExtractOptions {
    std::filesystem::path to = ".";
    bool all = false;      // also every representation as it is stored
    bool dryRun = false;   // write nothing, say what would be written
    bool progress = false; // a progress bar on `err`
    std::vector<std::string> paths;
};

// Turns every clipping in the given files and folder trees into files a Linux
// desktop opens, under `to`, mirroring where each was found. Never replaces a
// file and never touches its inputs. One JSON object per clipping goes to
// `out`; a summary line (and skipped files, and the progress bar) to `err`.
// Returns the exit status: 0 when every clipping was extracted, 1 otherwise.
int extract(const ExtractOptions& options, std::ostream& out, std::ostream& err);

// A file or folder name that cannot leave the folder it is put in: no "/",
// no control characters, no leading dot, never "." or "..".
std::string safeName(std::string_view name);

} // namespace scrivlette::cli
