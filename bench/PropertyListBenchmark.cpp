// Reading a property list whose "UTI-Data" holds one large data value,
// compared with reading the file's bytes alone, in binary and XML, and one
// holding a large text that is not ASCII (a UTF-16 string and the same as
// UTF-16 data); each also with python3's plistlib on the same file.
//
//   bench_plist [megabytes] [directory]     (defaults: 256, the temp directory)

#include "BenchSupport.h"
#include "formats/plist/PropertyList.h"
#include "platform/files/FileReading.h"
#include "platform/text/Base64.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

using namespace scrivlette;
namespace fs = std::filesystem;

namespace {

void writeXml(const fs::path& binary, const fs::path& path) {
    const auto parsed = plist::parse(*readWholeFile(binary.string()));
    const Bytes& data = *(*parsed)
                             ->asDictionary()
                             ->find("UTI-Data")
                             ->asDictionary()
                             ->find(bench::largeClippingKey)
                             ->asData();
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n\t<key>UTI-Data</key>\n\t<dict>\n\t\t<key>"
        << bench::largeClippingKey << "</key>\n\t\t<data>\n";
    // Lines of 68 characters, as macOS writes them: 51 bytes each.
    constexpr std::size_t lineBytes = 51;
    for (std::size_t i = 0; i < data.size(); i += lineBytes) {
        out << "\t\t" << encodeBase64(data.span().subspan(i, std::min(lineBytes, data.size() - i)))
            << '\n';
    }
    out << "\t\t</data>\n\t\t<key>" << bench::largeClippingTextKey
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
        std::printf("  plistlib %6.3f s (%.1fx ours)", theirs.seconds,
                    theirs.seconds / parse.seconds);
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
    bench::writeLargeClipping(binary, megabytes << 20);
    writeXml(binary, xml);
    const bool python = std::system("python3 -c 'import plistlib' >/dev/null 2>&1") == 0;

    const std::string self = fs::canonical("/proc/self/exe").string();
    report(self.c_str(), "binary", binary, python);
    report(self.c_str(), "XML", xml, python);
    fs::remove(binary);
    fs::remove(xml);
    // Strings that are not ASCII, which binary property lists store as UTF-16.
    const fs::path text = directory / "scrivlette-bench.text.plist";
    bench::writeLargeTextClipping(text, megabytes << 20);
    report(self.c_str(), "UTF-16", text, python);
    fs::remove(text);
    return 0;
}
