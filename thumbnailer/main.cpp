// scrivlette-thumbnailer: the thumbnails file managers show for clippings.
// File managers run it unasked on every file in a folder, often in a
// sandbox with no settings, no runtime folder and no display: it needs none
// of them, reads only the file it is given and writes only the thumbnail.

#include "model/ClipConversion.h"
#include "platform/Url.h"
#include "platform/files/FileWriting.h"
#include "platform/services/MainQueue.h"
#include "platform/services/ManualMainQueue.h"
#include "thumbnailer/Pages.h"
#include "thumbnailer/Subject.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

using namespace scrivlette;

constexpr int usageError = 2;

const char* const usage =
    "Usage: scrivlette-thumbnailer [-s SIZE] INPUT OUTPUT\n"
    "Writes a PNG thumbnail of a macOS clipping or location file (.textClipping,\n"
    ".pictClipping, .webloc, .mailloc), no larger than SIZE pixels (default 128)\n"
    "either way: a picture clipping's picture, a page with the start of a text\n"
    "clipping's text, or a location's host and address. INPUT is a path or a\n"
    "file: URI. Exits 1, writing nothing, for a file that is not a clipping or\n"
    "is damaged, and 2 for a mistake on the command line.\n"
    "\n"
    "  -s SIZE     the largest side of the thumbnail, 1 to 1024\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

std::optional<std::string> pathOf(const std::string& input) {
    if (!input.starts_with("file:")) {
        return input;
    }
    const auto url = Url::fromString(input);
    return url ? url->filePath() : std::nullopt;
}

int fail(const std::string& input, const std::string& reason) {
    std::cerr << "scrivlette-thumbnailer: " << input << ": " << reason << '\n';
    return 1;
}

int makeThumbnail(std::uint32_t size, const std::string& input, const std::string& output) {
    const auto path = pathOf(input);
    if (!path) {
        return fail(input, "not a local file");
    }
    const auto picture = thumbnail::thumbnailOf(*path, size);
    if (!picture) {
        return fail(input, picture.error().message);
    }
    const auto png = pngOf(*picture);
    if (!png) {
        return fail(input, png.error().describe());
    }
    if (auto failure = writeFileAtomically(output, png->span())) {
        return fail(output, failure->message);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    MainQueue::install(std::make_shared<ManualMainQueue>());
    std::uint32_t size = 128;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") {
            std::cout << usage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "scrivlette-thumbnailer " SCRIVLETTE_VERSION "\n";
            return 0;
        }
        if (argument == "-s" && i + 1 < argc) {
            char* end = nullptr;
            const unsigned long value = std::strtoul(argv[++i], &end, 10);
            if (*end != '\0' || value < 1 || value > 1024) {
                std::cerr << "scrivlette-thumbnailer: -s takes a size from 1 to 1024\n";
                return usageError;
            }
            size = static_cast<std::uint32_t>(value);
        } else if (argument.starts_with("-") && argument != "-") {
            std::cerr << "scrivlette-thumbnailer: unknown option " << argument << '\n' << usage;
            return usageError;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) {
        std::cerr << usage;
        return usageError;
    }
    try {
        return makeThumbnail(size, files[0], files[1]);
    } catch (const std::bad_alloc&) {
        return fail(files[0], "out of memory");
    } catch (const std::exception& error) {
        return fail(files[0], error.what()); // a bug, said on one line rather than an abort
    }
}
