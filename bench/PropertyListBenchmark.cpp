// Reading a property list whose "UTI-Data" holds one large data value,
// compared with reading the file's bytes alone, in binary and XML, and with
// python3's plistlib on the same files.
//
//   bench_plist [megabytes] [directory]     (defaults: 256, the temp directory)

#include "BenchSupport.h"
#include "platform/Base64.h"
#include "platform/FileReading.h"
#include "platform/plist/PropertyList.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

using namespace scrivlette;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view textKey = "public.utf8-plain-text";
constexpr std::string_view dataKey = "com.apple.pict";

std::string bigEndian(std::uint64_t value, int width) {
    std::string out(static_cast<std::size_t>(width), '\0');
    for (int i = 0; i < width; ++i) {
        out[static_cast<std::size_t>(width - 1 - i)] = static_cast<char>(value >> (8 * i));
    }
    return out;
}

std::string asciiObject(std::string_view text) {
    return std::string(1, static_cast<char>(0x50 | text.size())) + std::string(text);
}

// Fills `size` bytes with a repeating, not quite regular pattern.
void writePayload(std::ostream& out, std::size_t size) {
    std::string block(1 << 20, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>((i * 131) ^ (i >> 9));
    }
    for (std::size_t written = 0; written < size; written += block.size()) {
        out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), size - written)));
    }
}

void writeBinary(const fs::path& path, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    std::vector<std::string> objects = {
        "\xD1\x01\x02",                         // root: {"UTI-Data": object 2}
        asciiObject("UTI-Data"),
        "\xD2\x03\x04\x05\x06",                 // {dataKey: 5, textKey: 6}
        asciiObject(dataKey),
        asciiObject(textKey),
        "",                                     // the data, written separately
        asciiObject("short"),
    };
    std::vector<std::uint64_t> offsets;
    std::uint64_t at = 8;
    out << "bplist00";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(at);
        if (i == 5) {
            const std::string header = "\x4F\x13" + bigEndian(size, 8);
            out << header;
            writePayload(out, size);
            at += header.size() + size;
        } else {
            out << objects[i];
            at += objects[i].size();
        }
    }
    for (std::uint64_t offset : offsets) {
        out << bigEndian(offset, 8);
    }
    out << std::string(6, '\0') << '\x08' << '\x01' << bigEndian(objects.size(), 8)
        << bigEndian(0, 8) << bigEndian(at, 8);
}

void writeXml(const fs::path& binary, const fs::path& path) {
    const auto parsed = plist::parse(*readWholeFile(binary.string()));
    const Bytes& data = *(*parsed)->asDictionary()->find("UTI-Data")->asDictionary()->find(dataKey)->asData();
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n\t<key>UTI-Data</key>\n\t<dict>\n\t\t<key>"
        << dataKey << "</key>\n\t\t<data>\n";
    // Lines of 68 characters, as macOS writes them: 51 bytes each.
    constexpr std::size_t lineBytes = 51;
    for (std::size_t i = 0; i < data.size(); i += lineBytes) {
        out << "\t\t" << encodeBase64(data.span().subspan(i, std::min(lineBytes, data.size() - i))) << '\n';
    }
    out << "\t\t</data>\n\t\t<key>" << textKey
        << "</key>\n\t\t<string>short</string>\n\t</dict>\n</dict>\n</plist>\n";
}

int child(const std::string& operation, const std::string& path) {
    double seconds = 0;
    if (operation == "read") {
        seconds = bench::secondsSince([&] {
            if (!readWholeFile(path)) {
                std::exit(1);
            }
        });
    } else {
        seconds = bench::secondsSince([&] {
            const auto bytes = readWholeFile(path);
            const auto parsed = plist::parse(*bytes);
            if (!parsed) {
                std::cerr << parsed.error().describe() << '\n';
                std::exit(1);
            }
        });
    }
    std::printf("%.6f\n", seconds);
    return 0;
}

void report(const char* argv0, const char* label, const fs::path& file, bool python) {
    const double size = static_cast<double>(fs::file_size(file));
    const auto read = bench::measureChild(argv0, {"read", file.string()}, 5);
    const auto parse = bench::measureChild(argv0, {"parse", file.string()}, 5);
    std::printf("%-7s %8.1f MiB  read %6.3f s  read+parse %6.3f s  time ratio %5.2fx  "
                "peak memory %5.2fx file",
                label, size / (1 << 20), read.seconds, parse.seconds, parse.seconds / read.seconds,
                static_cast<double>(parse.peakKilobytes) * 1024 / size);
    if (python) {
        const auto theirs = bench::measureCommand(
            "python3 -c 'import plistlib,sys,time; t=time.perf_counter(); "
            "plistlib.load(open(sys.argv[1],\"rb\")); print(time.perf_counter()-t)' '" +
                file.string() + "'",
            3);
        std::printf("  plistlib %6.3f s (%.1fx ours)", theirs.seconds, theirs.seconds / parse.seconds);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) {
        return child(argv[2], argv[3]);
    }
    const std::size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 256;
    const fs::path directory = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const fs::path binary = directory / "scrivlette-bench.binary.plist";
    const fs::path xml = directory / "scrivlette-bench.xml.plist";
    writeBinary(binary, megabytes << 20);
    writeXml(binary, xml);
    const bool python = std::system("python3 -c 'import plistlib' >/dev/null 2>&1") == 0;

    const std::string self = fs::canonical("/proc/self/exe").string();
    report(self.c_str(), "binary", binary, python);
    report(self.c_str(), "XML", xml, python);
    fs::remove(binary);
    fs::remove(xml);
    return 0;
}
