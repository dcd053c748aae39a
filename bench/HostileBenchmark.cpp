// What small hostile pictures cost: each decoded and written as PNG in a fresh
// process, with its time and peak memory. Every one of them must stay within
// 2 s and 256 MB; the worst within each budget is measured, not only the
// refusals.
//
//   bench_hostile

#include "BenchSupport.h"
#include "formats/codecs/Codecs.h"
#include "hostile/HostileFiles.h"
#include "model/ClipContent.h"
#include "platform/files/FileReading.h"
#include "platform/text/Base64.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

using namespace scrivlette;
namespace fs = std::filesystem;

namespace {

struct Case {
    const char* name;
    const char* type;
    std::string bytes;
    bool shown = false; // decoded as the window does, for a 1,920-pixel screen
};

int child(const std::string& type, const std::string& path, bool shown) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return 1;
    }
    std::string outcome;
    const double seconds = bench::secondsSince([&] {
        auto picture = pictureOf(
            ClipDetail(type, {}, *bytes, false),
            shown ? std::optional(image::Fit{1920, std::uint32_t(image::maxSide)}) : std::nullopt);
        if (!picture) {
            outcome = picture.error().describe();
            return;
        }
        if (shown) {
            outcome = "shown at " + std::to_string(picture->width) + " x " +
                      std::to_string(picture->height);
            return;
        }
        auto png = image::encodePng(*picture);
        outcome = png ? "PNG of " + std::to_string(png->size()) + " bytes" : png.error().describe();
    });
    std::printf("%.6f\n", seconds);
    std::fprintf(stderr, "%s\n", outcome.c_str());
    return 0;
}

// A picture clipping (an XML one) holding `bytes` under `type`.
std::string clipping(std::string_view type, const std::string& bytes) {
    return "<?xml version=\"1.0\"?><plist "
           "version=\"1.0\"><dict><key>UTI-Data</key><dict><key>" +
           std::string(type) + "</key><data>" +
           encodeBase64({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}) +
           "</data></dict></dict></plist>";
}

std::vector<Case> pictureCases() {
    return {
        {"JPEG, 16,384^2, 3 empty scans", "public.jpeg", hostile::jpegScanBomb(16384, 16384, 3)},
        {"JPEG, 4,096^2, 1,000 empty scans", "public.jpeg",
         hostile::jpegScanBomb(4096, 4096, 1000)},
        {"JPEG, 4,096^2, 5,000 empty scans", "public.jpeg",
         hostile::jpegScanBomb(4096, 4096, 5000)},
        {"JPEG, 4,096^2 in colour, 100 empty scans", "public.jpeg",
         hostile::jpegScanBomb(4096, 4096, 100, 3)},
        {"PICT, 16,384^2 frame, 1 pixel", "com.apple.pict", hostile::pictFrameBomb(16384)},
        {"  the same, shown in the window", "com.apple.pict", hostile::pictFrameBomb(16384), true},
        {"PICT, QuickTime JPEG of 5,000 empty scans, 16^2", "com.apple.pict",
         hostile::pictWithQuickTime("jpeg", 16, 16, hostile::jpegScanBomb(16, 16, 5000))},
        {"PICT, 4,096^2 frame, 1 pixel", "com.apple.pict", hostile::pictFrameBomb(4096)},
        {"PICT, 4,096^2 frame, 1,000 stretched pixels", "com.apple.pict",
         hostile::pictFrameBomb(4096, 1000, 4096)},
        {"PNG header, 16,384^2", "public.png", hostile::pngHeaderBomb(16384)},
        {"PNG header, 4,096^2", "public.png", hostile::pngHeaderBomb(4096)},
        {"TIFF header, 16,384^2", "public.tiff", hostile::tiffHeaderBomb(16384, 1u << 28)},
        {"TIFF header, 4,096^2", "public.tiff", hostile::tiffHeaderBomb(4096, 1u << 24)},
        {"PICT region of 16,000 points, 4,096^2", "com.apple.pict",
         hostile::pictRegionBomb(4096, 16000, 1)},
        {"PICT region of 400 points painted 1,000 times", "com.apple.pict",
         hostile::pictRegionBomb(4096, 400, 1000)},
        {"PICT 1-degree wedge, 4,096^2, 1,000 times", "com.apple.pict",
         hostile::pictArcBomb(4096, 1, 1000, false)},
        {"  the same behind an empty clip", "com.apple.pict",
         hostile::pictArcBomb(4096, 1, 1000, true)},
        {"PICT polygon of 3,000 points, 1,000 times, clipped", "com.apple.pict",
         hostile::pictPolygonBomb(4096, 3000, 1000, false)},
        {"PICT polygon of 16,000 points framed", "com.apple.pict",
         hostile::pictPolygonBomb(4096, 16000, 1, true)},
        {"PICT of 300 lines no font has", "com.apple.pict", hostile::pictTextBomb(4096, 300)},
        {"PICT with a lutAtoB claiming 255^3 x 15", "com.apple.pict", hostile::pictProfileBomb()},
    };
}

// The thumbnailer, as a file manager runs it, on clippings of these.
void measureThumbnails(const fs::path& folder) {
    std::printf("\n%-46s %8s %9s %10s\n", "thumbnailer, 256 pixels", "bytes", "seconds", "peak MB");
    const struct {
        const char* name;
        const char* file;
        std::string bytes;
    } clippings[] = {
        {"picture of a 16,384^2 frame", "Vast.pictClipping",
         clipping("com.apple.pict", hostile::pictFrameBomb(16384, 1, 16384))},
        {"QuickTime JPEG of 5,000 empty scans, 16^2", "Scans.pictClipping",
         clipping("com.apple.pict",
                  hostile::pictWithQuickTime("jpeg", 16, 16, hostile::jpegScanBomb(16, 16, 5000)))},
        {"QuickTime JPEG, 100 empty scans, 4,096^2", "Colour.pictClipping",
         clipping("com.apple.pict",
                  hostile::pictWithQuickTime("jpeg", 4096, 4096,
                                             hostile::jpegScanBomb(4096, 4096, 100, 3)))},
        {"region of 4,096 points, 4,096^2", "Region.pictClipping",
         clipping("com.apple.pict", hostile::pictRegionBomb(4096, 4096, 1))},
        {"1,000 1-degree wedges behind an empty clip", "Wedges.pictClipping",
         clipping("com.apple.pict", hostile::pictArcBomb(4096, 1, 1000, true))},
        {"polygon of 3,000 points, 1,000 times, clipped", "Polygons.pictClipping",
         clipping("com.apple.pict", hostile::pictPolygonBomb(4096, 3000, 1000, false))},
        {"polygon of 16,000 points framed", "Frame.pictClipping",
         clipping("com.apple.pict", hostile::pictPolygonBomb(4096, 16000, 1, true))},
        {"300 lines no font has", "Text.pictClipping",
         clipping("com.apple.pict", hostile::pictTextBomb(4096, 300))},
        {"lutAtoB claiming 255^3 x 15", "Profile.pictClipping",
         clipping("com.apple.pict", hostile::pictProfileBomb())},
        {"8 MB of text", "Long.textClipping",
         clipping("public.utf8-plain-text", std::string(6u << 20, 'w'))},
    };
    for (const auto& c : clippings) {
        const fs::path file = folder / c.file;
        std::ofstream(file, std::ios::binary) << c.bytes;
        const auto m =
            bench::measureCommand("s=$(date +%s.%N); '" SCRIVLETTE_THUMBNAILER "' -s 256 '" +
                                      file.string() + "' '" + (folder / "thumbnail.png").string() +
                                      "'; e=$(date +%s.%N); awk \"BEGIN { print $e - $s }\"",
                                  1);
        std::printf("%-46s %8zu %9.3f %10.1f\n", c.name, c.bytes.size(), m.seconds,
                    static_cast<double>(m.peakKilobytes) / 1024);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "--child") == 0) {
        return child(argv[2], argv[3], std::strcmp(argv[4], "shown") == 0);
    }
    const std::vector<Case> cases = pictureCases();
    // --keep DIR: write the cases as picture clippings there, for timing
    // other builds on the same files.
    const bool keep = argc >= 3 && std::strcmp(argv[1], "--keep") == 0;
    const fs::path folder =
        keep ? fs::path(argv[2]) : fs::temp_directory_path() / "scrivlette-bench-hostile";
    fs::create_directories(folder);
    std::printf("%-46s %8s %9s %10s\n", "hostile picture", "bytes", "seconds", "peak MB");
    int index = 0;
    for (const Case& c : cases) {
        const fs::path file = folder / ("case" + std::to_string(index++));
        std::ofstream(file, std::ios::binary) << c.bytes;
        if (keep) {
            std::ofstream(file.string() + ".pictClipping", std::ios::binary)
                << clipping(c.type, c.bytes);
            continue;
        }
        const auto m =
            bench::measureChild(argv[0], {c.type, file.string(), c.shown ? "shown" : "written"}, 1);
        std::printf("%-46s %8zu %9.3f %10.1f\n", c.name, c.bytes.size(), m.seconds,
                    static_cast<double>(m.peakKilobytes) / 1024);
        std::fflush(stdout);
    }

    if (keep) {
        return 0;
    }
    measureThumbnails(folder);
    fs::remove_all(folder);
    return 0;
}
