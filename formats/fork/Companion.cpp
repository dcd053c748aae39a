#include "Companion.h"

#include "platform/files/FileReading.h"

#include <algorithm>
#include <filesystem>

namespace scrivlette {

bool isCompanionName(std::string_view name) {
    return name.starts_with("._") || name.ends_with(".rsrc");
}

bool isCompanionFolder(std::string_view name) {
    return name == ".AppleDouble" || name == "__MACOSX";
}

namespace {

namespace fs = std::filesystem;

// Candidate places, in the order they are tried.
std::vector<fs::path> candidates(const fs::path& file) {
    const fs::path folder = file.parent_path();
    const fs::path name = file.filename();
    std::vector<fs::path> places = {folder / ("._" + name.string())};
    // A zip extracted by the Finder keeps forks in __MACOSX, mirroring the tree.
    std::error_code error;
    for (fs::path above = folder; !above.empty(); above = above.parent_path()) {
        const fs::path tree = above / "__MACOSX";
        if (fs::is_directory(tree, error)) {
            places.push_back(tree / folder.lexically_relative(above) / ("._" + name.string()));
        }
        if (above == above.parent_path()) {
            break;
        }
    }
    places.push_back(folder / ".AppleDouble" / name);
    places.push_back(folder / (name.string() + ".rsrc"));
    return places;
}

} // namespace

Companion findCompanion(const std::string& path, std::vector<std::string>* looked) {
    Companion found;
    const std::vector<fs::path> places = candidates(fs::path(path));
    const bool anyZipTree = std::any_of(places.begin(), places.end(), [](const fs::path& place) {
        return place.string().find("/__MACOSX/") != std::string::npos;
    });
    for (const fs::path& place : places) {
        const std::string text = place.lexically_normal().string();
        if (looked) {
            looked->push_back(text);
            // Say where a zip's companions would have been, though none is here.
            if (!anyZipTree && looked->size() == 1) {
                looked->push_back("__MACOSX/…/._" + fs::path(path).filename().string() +
                                  " in the folders above");
            }
        }
        if (found.resourceFork && found.finderInfo) {
            continue;
        }
        const auto bytes = readWholeFile(text);
        if (!bytes || bytes->empty()) {
            continue;
        }
        if (!looksLikeAppleDouble(*bytes)) {
            // Only NAME.rsrc may hold a bare fork.
            if (place.extension() == ".rsrc" && !found.resourceFork) {
                found.resourceFork = *bytes;
                found.resourceForkPath = text;
            }
            continue;
        }
        const auto contents = readAppleDouble(*bytes);
        if (!contents) {
            continue;
        }
        if (!found.finderInfo && contents->finderInfo) {
            found.finderInfo = contents->finderInfo;
        }
        if (!found.resourceFork && contents->resourceFork && !contents->resourceFork->empty()) {
            found.resourceFork = contents->resourceFork;
            found.resourceForkPath = text;
        }
    }
    return found;
}

} // namespace scrivlette
