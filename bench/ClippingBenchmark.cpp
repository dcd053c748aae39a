// readClipping on a clipping holding one large representation, compared with
// reading the file's bytes alone; and reading many small clippings into one
// document, as one drop of them would.
//
//   bench_clipping [megabytes] [small files] [directory]   (defaults: 256, 1000, temp)

#include "BenchSupport.h"
#include "model/ClipInfo.h"
#include "platform/files/FileReading.h"
#include "platform/services/ManualMainQueue.h"

#include <cstdio>
#include <cstring>
#include <fstream>

using namespace scrivlette;
namespace fs = std::filesystem;

namespace {

Url urlOf(const fs::path& path) {
    return *Url::fromFilePath(fs::absolute(path).string());
}

int child(const std::string& operation, const std::string& path) {
    MainQueue::install(std::make_shared<ManualMainQueue>());
    double seconds = 0;
    if (operation == "read") {
        seconds = bench::secondsSince([&] {
            if (!readWholeFile(path)) {
                std::exit(1);
            }
        });
    } else if (operation == "readClipping") {
        const auto info = ClipInfo::create();
        seconds = bench::secondsSince([&] {
            if (!info->readClipping(urlOf(path))) {
                std::exit(1);
            }
        });
    } else { // "folder": every file in `path`, into one document
        std::vector<Url> urls;
        for (const auto& entry : fs::directory_iterator(path)) {
            urls.push_back(urlOf(entry.path()));
        }
        const auto info = ClipInfo::create();
        seconds = bench::secondsSince([&] {
            for (const Url& url : urls) {
                if (!info->readClipping(url)) {
                    std::exit(1);
                }
            }
        });
    }
    std::printf("%.6f\n", seconds);
    return 0;
}

void writeSmallClippings(const fs::path& folder, std::size_t count) {
    fs::create_directories(folder);
    // A real-sized text clipping: three representations of a short text.
    std::string plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
                        "<key>UTI-Data</key><dict>"
                        "<key>com.apple.traditional-mac-plain-text</key><data>Tm90ZXM=</data>"
                        "<key>public.utf8-plain-text</key><string>Notes</string>"
                        "<key>public.utf16-plain-text</key><data>TgBvAHQAZQBzAA==</data>"
                        "</dict></dict></plist>";
    for (std::size_t i = 0; i < count; ++i) {
        std::ofstream(folder / ("Clipping " + std::to_string(i) + ".textClipping")) << plist;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) {
        return child(argv[2], argv[3]);
    }
    const std::size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 256;
    const std::size_t smallCount = argc > 2 ? std::stoul(argv[2]) : 1000;
    const fs::path directory = argc > 3 ? fs::path(argv[3]) : fs::temp_directory_path();
    const std::string self = fs::canonical("/proc/self/exe").string();

    const fs::path large = directory / "scrivlette-bench-large.textClipping";
    bench::writeLargeClipping(large, megabytes << 20);
    const double size = static_cast<double>(fs::file_size(large));
    const auto read = bench::measureChild(self, {"read", large.string()}, 5);
    const auto clipping = bench::measureChild(self, {"readClipping", large.string()}, 5);
    std::printf("readClipping, one %.0f MiB representation: read %.3f s, readClipping %.3f s, "
                "time ratio %.2fx, peak memory %.2fx file\n",
                size / (1 << 20), read.seconds, clipping.seconds, clipping.seconds / read.seconds,
                static_cast<double>(clipping.peakKilobytes) * 1024 / size);
    fs::remove(large);

    // Text that is not ASCII: both representations decoded from UTF-16.
    const fs::path text = directory / "scrivlette-bench-text.textClipping";
    bench::writeLargeTextClipping(text, megabytes << 20);
    const double textSize = static_cast<double>(fs::file_size(text));
    const auto readText = bench::measureChild(self, {"read", text.string()}, 5);
    const auto textClipping = bench::measureChild(self, {"readClipping", text.string()}, 5);
    std::printf(
        "readClipping, %.0f MiB of UTF-16 text that is not ASCII: read %.3f s, readClipping "
        "%.3f s, time ratio %.2fx, peak memory %.2fx file\n",
        textSize / (1 << 20), readText.seconds, textClipping.seconds,
        textClipping.seconds / readText.seconds,
        static_cast<double>(textClipping.peakKilobytes) * 1024 / textSize);
    fs::remove(text);

    const fs::path folder = directory / "scrivlette-bench-small";
    writeSmallClippings(folder, smallCount);
    const auto many = bench::measureChild(self, {"folder", folder.string()}, 5);
    std::printf("readClipping, %zu small clippings into one document: %.3f s, %.1f us per file, "
                "peak memory %.1f MiB\n",
                smallCount, many.seconds, many.seconds * 1e6 / static_cast<double>(smallCount),
                static_cast<double>(many.peakKilobytes) / 1024);
    fs::remove_all(folder);
    return 0;
}
