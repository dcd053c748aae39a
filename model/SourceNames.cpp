#include "SourceNames.h"

#include <filesystem>
#include <set>

namespace scrivlette {
namespace {

namespace fs = std::filesystem;

// The last `depth` folders holding `path`, outermost first ("" past the root).
std::string foldersOf(const fs::path& path, std::size_t depth) {
    std::vector<std::string> folders;
    for (fs::path folder = path.parent_path(); folders.size() < depth;
         folder = folder.parent_path()) {
        const std::string name = folder.filename().string();
        if (name.empty()) {
            folders.push_back(folder.string()); // the root, or nothing above a relative path
            break;
        }
        folders.push_back(name);
    }
    std::string joined;
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        if (!joined.empty() && joined.back() != '/') {
            joined += '/';
        }
        joined += *folder;
    }
    return joined;
}

// Names `paths`, which share a file name, by the fewest folders that differ.
void nameApart(const std::vector<fs::path>& paths, std::map<std::string, std::string>& names) {
    // Enough folders reach the root, where different paths differ; the bound
    // is for paths the library cannot take apart.
    for (std::size_t depth = 1;; ++depth) {
        std::set<std::string> seen;
        for (const fs::path& path : paths) {
            seen.insert(foldersOf(path, depth));
        }
        if (seen.size() == paths.size() || depth > 4096) {
            for (const fs::path& path : paths) {
                names[path.string()] =
                    path.filename().string() + " (" + foldersOf(path, depth) + ")";
            }
            return;
        }
    }
}

} // namespace

std::map<std::string, std::string> sourceNames(const std::vector<std::string>& paths) {
    std::map<std::string, std::vector<fs::path>> byName;
    for (const std::string& path : std::set(paths.begin(), paths.end())) {
        byName[fs::path(path).filename().string()].emplace_back(path);
    }
    std::map<std::string, std::string> names;
    for (const auto& [name, sharing] : byName) {
        if (sharing.size() == 1) {
            names[sharing.front().string()] = name;
        } else {
            nameApart(sharing, names);
        }
    }
    return names;
}

} // namespace scrivlette
