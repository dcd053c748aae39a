// Decoding large PICTs, each in a fresh process, against copying their
// pixels once: a 4,000 x 3,000 picture of QuickTime 'raw ' pixels at depth
// 32, and the same picture as PackBits-packed 32-bit direct pixels. Peak
// memory is compared with the decoded picture plus the input.
//
//   bench_picture [width] [height]   (defaults: 4000 3000)

#include "BenchSupport.h"
#include "formats/codecs/Codecs.h"
#include "formats/codecs/ColourManagement.h"
#include "formats/pict/Pict.h"
#include "platform/files/FileReading.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

using namespace scrivlette;
namespace fs = std::filesystem;

namespace {

class Writer {
public:
    void u8(unsigned value) { bytes.push_back(static_cast<char>(value)); }
    void u16(unsigned value) {
        u8(value >> 8 & 0xFF);
        u8(value & 0xFF);
    }
    void u32(std::uint32_t value) {
        u16(value >> 16);
        u16(value & 0xFFFF);
    }
    void rect(unsigned bottom, unsigned right) {
        u16(0);
        u16(0);
        u16(bottom);
        u16(right);
    }
    std::string bytes;
};

// A version 2 picture header; the caller adds opcodes and the end.
Writer header(unsigned width, unsigned height) {
    Writer out;
    out.u16(0);
    out.rect(height, width);
    out.u16(0x0011);
    out.u16(0x02FF);
    out.u16(0x0C00);
    out.bytes.append(24, '\0');
    return out;
}

// Smooth colours, as a photograph has: runs are short, as in real pictures.
std::uint8_t sample(unsigned x, unsigned y, unsigned channel) {
    return static_cast<std::uint8_t>((x * (channel + 1) + y * (3 - channel)) / 7);
}

std::string quickTimePict(unsigned width, unsigned height) {
    Writer out = header(width, height);
    Writer qt;
    qt.u16(0);
    for (std::uint32_t m : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u}) {
        qt.u32(m);
    }
    qt.u32(0);
    qt.bytes.append(22, '\0');
    qt.u32(0);
    qt.u32(86);
    qt.bytes += "raw ";
    qt.bytes.append(24, '\0');
    qt.u16(width);
    qt.u16(height);
    qt.u32(0x480000);
    qt.u32(0x480000);
    qt.u32(width * height * 4);
    qt.u16(1);
    qt.bytes.append(32, '\0');
    qt.u16(32);
    qt.u16(0xFFFF);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            qt.u8(255);
            for (unsigned c = 0; c < 3; ++c) {
                qt.u8(sample(x, y, c));
            }
        }
    }
    out.u16(0x8200);
    out.u32(static_cast<std::uint32_t>(qt.bytes.size()));
    out.bytes += qt.bytes;
    out.u16(0x00FF);
    return out.bytes;
}

// Direct pixels, pack type 4: each row's red, green and blue planes, packed.
std::string packBitsPict(unsigned width, unsigned height) {
    Writer out = header(width, height);
    out.u16(0x009A);
    out.u32(0xFF);
    out.u16(0x8000 | (width * 4));
    out.rect(height, width);
    out.u16(0);
    out.u16(4);
    out.u32(0);
    out.u32(0x480000);
    out.u32(0x480000);
    out.u16(16);
    out.u16(32);
    out.u16(3);
    out.u16(8);
    out.bytes.append(12, '\0');
    out.rect(height, width);
    out.rect(height, width);
    out.u16(0);
    std::string planes(width * 3, '\0');
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned c = 0; c < 3; ++c) {
            for (unsigned x = 0; x < width; ++x) {
                planes[c * width + x] = static_cast<char>(sample(x, y, c));
            }
        }
        // Runs of equal bytes as repeats, the rest as literals of up to 128.
        std::string packed;
        for (std::size_t at = 0; at < planes.size();) {
            std::size_t run = 1;
            while (at + run < planes.size() && run < 128 && planes[at + run] == planes[at]) {
                ++run;
            }
            if (run >= 3) {
                packed.push_back(static_cast<char>(1 - static_cast<int>(run)));
                packed.push_back(planes[at]);
                at += run;
                continue;
            }
            std::size_t literal = 0;
            while (at + literal < planes.size() && literal < 128 &&
                   !(at + literal + 2 < planes.size() &&
                     planes[at + literal] == planes[at + literal + 1] &&
                     planes[at + literal] == planes[at + literal + 2])) {
                ++literal;
            }
            packed.push_back(static_cast<char>(literal - 1));
            packed.append(planes, at, literal);
            at += literal;
        }
        out.u16(static_cast<unsigned>(packed.size()));
        out.bytes += packed;
    }
    out.u16(0x00FF);
    return out.bytes;
}

// A drawing: `count` painted polygons of 20 points each, scattered over a
// 1,000-pixel square in changing colours.
std::string polygonPict(unsigned count) {
    Writer out = header(1000, 1000);
    for (unsigned i = 0; i < count; ++i) {
        out.u16(0x001A);
        out.u16(i * 97 & 0xFFFF);
        out.u16(i * 31 & 0xFFFF);
        out.u16(i * 13 & 0xFFFF);
        out.u16(0x0071);
        out.u16(10 + 20 * 4);
        out.rect(1000, 1000);
        const unsigned cx = (i * 37) % 900 + 50;
        const unsigned cy = (i * 53) % 900 + 50;
        for (unsigned k = 0; k < 20; ++k) {
            const double angle = 2 * 3.14159265 * k / 20;
            const double radius = k % 2 ? 20 : 45;
            out.u16(static_cast<unsigned>(cy + radius * std::sin(angle)));
            out.u16(static_cast<unsigned>(cx + radius * std::cos(angle)));
        }
    }
    out.u16(0x00FF);
    return out.bytes;
}

int child(const std::string& operation, const std::string& path, std::size_t pixels) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return 1;
    }
    double seconds = 0;
    if (operation == "copy") {
        // The pixels copied once, into memory that is new, as a decoder's is.
        seconds = bench::secondsSince([&] {
            std::vector<std::uint8_t> copy(pixels * 4);
            std::memcpy(copy.data(), bytes->data() + bytes->size() - pixels * 4 - 2, pixels * 4);
            if (copy[pixels] == 42) {
                std::printf(" ");
            }
        });
    } else if (operation == "colour" || operation == "png" || operation == "ppm") {
        auto picture = image::decodePict(bytes->span());
        if (!picture) {
            return 1;
        }
        image::Image decoded = std::move(picture).value();
        if (operation == "colour") {
            // The Mac's usual case: a gamma-1.8 profile to sRGB; the transform
            // is built once per profile, so it is built before the clock.
            decoded.iccProfile = image::profileForGamma(1 / 1.8, {});
            image::Image one = image::blankImage(1, 1);
            one.iccProfile = decoded.iccProfile;
            image::convertToSrgb(one);
            seconds = bench::secondsSince([&] { image::convertToSrgb(decoded); });
        } else if (operation == "png") {
            seconds = bench::secondsSince([&] {
                if (!image::encodePng(decoded)) {
                    std::exit(1);
                }
            });
        } else { // the same pixels as a PPM, for ImageMagick to write as PNG
            std::ofstream out(path + ".ppm", std::ios::binary);
            out << "P6\n" << decoded.width << ' ' << decoded.height << "\n255\n";
            for (std::size_t at = 0; at < decoded.rgba.size(); at += 4) {
                out.write(reinterpret_cast<const char*>(decoded.rgba.data() + at), 3);
            }
        }
    } else {
        seconds = bench::secondsSince([&] {
            if (!image::decodePict(bytes->span())) {
                std::exit(1);
            }
        });
    }
    std::printf("%.6f\n", seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "--child") == 0) {
        return child(argv[2], argv[3], std::stoul(argv[4]));
    }
    const unsigned width = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : 4000;
    const unsigned height = argc > 2 ? static_cast<unsigned>(std::stoul(argv[2])) : 3000;
    const std::size_t pixels = std::size_t{width} * height;
    const fs::path folder = fs::temp_directory_path() / "scrivlette-bench-picture";
    fs::create_directories(folder);
    const fs::path raw = folder / "raw.pict";
    const fs::path packed = folder / "packbits.pict";
    std::ofstream(raw, std::ios::binary) << quickTimePict(width, height);
    std::ofstream(packed, std::ios::binary) << packBitsPict(width, height);

    const std::string count = std::to_string(pixels);
    const auto copy = bench::measureChild(argv[0], {"copy", raw.string(), count}, 5);
    const auto rawDecode = bench::measureChild(argv[0], {"decode", raw.string(), count}, 5);
    const auto packDecode = bench::measureChild(argv[0], {"decode", packed.string(), count}, 5);
    const double imageKilobytes = static_cast<double>(pixels * 4) / 1024;
    const auto report = [&](const char* what, const fs::path& file, const bench::Measurement& m) {
        const double inputKilobytes = static_cast<double>(fs::file_size(file)) / 1024;
        std::printf("%s (%.1f MiB): decode %.3f s = %.2fx the copy; peak memory %.2fx "
                    "(picture + input)\n",
                    what, inputKilobytes / 1024, m.seconds, m.seconds / copy.seconds,
                    static_cast<double>(m.peakKilobytes) / (imageKilobytes + inputKilobytes));
    };
    std::printf("%u x %u pixels; copying the pixels once: %.3f s\n", width, height, copy.seconds);
    report("QuickTime 'raw ' depth 32", raw, rawDecode);
    report("PackBits direct pixels, pack type 4", packed, packDecode);

    const auto colour = bench::measureChild(argv[0], {"colour", raw.string(), count}, 5);
    std::printf("colour conversion to sRGB: %.3f s = %.2fx the copy\n", colour.seconds,
                colour.seconds / copy.seconds);
    const auto png = bench::measureChild(argv[0], {"png", raw.string(), count}, 3);
    bench::measureChild(argv[0], {"ppm", raw.string(), count}, 1);
    const auto magick = bench::measureCommand(
        "s=$(date +%s.%N); convert '" + raw.string() + ".ppm' '" + raw.string() +
            ".png'; e=$(date +%s.%N); awk \"BEGIN { print $e - $s }\"",
        3);
    std::printf("PNG writing: %.3f s = %.2fx ImageMagick's convert of the same pixels (%.3f s)\n",
                png.seconds, png.seconds / magick.seconds, magick.seconds);

    const fs::path polygons = folder / "polygons.pict";
    std::ofstream(polygons, std::ios::binary) << polygonPict(1000);
    const auto drawn = bench::measureChild(argv[0], {"decode", polygons.string(), count}, 5);
    std::printf("drawing 1,000 polygons on a 1,000 x 1,000 frame: %.1f ms\n", drawn.seconds * 1e3);
    fs::remove_all(folder);
    return 0;
}
