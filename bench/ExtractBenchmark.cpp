// scrivlette-cli extract over a folder tree of small text clippings, against
// cp -r of the same tree; each run in a fresh process, with its peak memory,
// for two tree sizes so that memory can be seen not to grow with the count.
// Then trees 1,000 and 2,000 folders deep, one clipping at the bottom: the
// time must grow with the depth, not with its square.
//
//   bench_extract [files] [more files]   (defaults: 1000 10000)

#include "BenchSupport.h"
#include "cli/Extraction.h"
#include "platform/services/ManualMainQueue.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

using namespace scrivlette;
namespace fs = std::filesystem;

namespace {

// A tree of real text clippings, a hundred to a folder.
void writeTree(const fs::path& root, std::size_t count) {
    const fs::path clipping = fs::path(SCRIVLETTE_REAL_TESTDATA) / "Notes.textClipping";
    for (std::size_t i = 0; i < count; ++i) {
        const fs::path folder = root / ("folder " + std::to_string(i / 100));
        fs::create_directories(folder);
        fs::copy_file(clipping, folder / ("Clipping " + std::to_string(i) + ".textClipping"));
    }
}

class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

int child(const std::string& tree, const std::string& output) {
    MainQueue::install(std::make_shared<ManualMainQueue>());
    Discard nothing;
    std::ostream out(&nothing);
    std::ostream err(&nothing);
    int status = 0;
    const double seconds = bench::secondsSince([&] {
        status = cli::extract(cli::ExtractOptions{output, false, false, false, {tree}}, out, err);
    });
    std::printf("%.6f\n", seconds);
    return status == 0 || std::getenv("SCRIVLETTE_BENCH_ANY_STATUS") ? 0 : status;
}

void compare(const char* argv0, const fs::path& folder, std::size_t count) {
    const fs::path tree = folder / ("tree-" + std::to_string(count));
    writeTree(tree, count);
    bench::Measurement extract{1e9, 0};
    bench::Measurement copy{1e9, 0};
    for (int run = 0; run < 3; ++run) {
        const fs::path out = folder / ("out-" + std::to_string(run));
        const auto one = bench::measureChild(argv0, {tree.string(), out.string()}, 1);
        extract = one.seconds < extract.seconds ? one : extract;
        const fs::path copied = folder / ("copy-" + std::to_string(run));
        const auto cp = bench::measureCommand(
            "s=$(date +%s.%N); cp -r '" + tree.string() + "' '" + copied.string() + "'; sync -f '" +
                copied.string() + "'; e=$(date +%s.%N); awk \"BEGIN { print $e - $s }\"",
            1);
        copy = cp.seconds < copy.seconds ? cp : copy;
        fs::remove_all(out);
        fs::remove_all(copied);
    }
    std::printf("extract %zu text clippings: %.3f s (%.1f us each), %.2fx cp -r (%.3f s); "
                "peak memory %.1f MiB\n",
                count, extract.seconds, extract.seconds * 1e6 / static_cast<double>(count),
                extract.seconds / copy.seconds, copy.seconds,
                static_cast<double>(extract.peakKilobytes) / 1024);
}

void deep(const char* argv0, const fs::path& folder, std::size_t depth) {
    const fs::path tree = folder / ("deep-" + std::to_string(depth));
    fs::create_directories(tree);
    // One level at a time: the whole path is more than a path may be.
    int fd = ::open(tree.c_str(), O_RDONLY | O_DIRECTORY);
    for (std::size_t level = 0; level < depth; ++level) {
        ::mkdirat(fd, "d", 0755);
        const int inner = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = inner;
    }
    std::ifstream in(fs::path(SCRIVLETTE_REAL_TESTDATA) / "Notes.textClipping", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const int file = ::openat(fd, "Deep.textClipping", O_WRONLY | O_CREAT, 0644);
    if (::write(file, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
        std::perror("write");
    }
    ::close(file);
    ::close(fd);
    ::setenv("SCRIVLETTE_BENCH_ANY_STATUS", "1", 1);
    const auto m = bench::measureChild(argv0, {tree.string(), (folder / "out-deep").string()}, 1);
    std::printf("extract a tree %zu folders deep: %.3f s; peak memory %.1f MiB\n", depth, m.seconds,
                static_cast<double>(m.peakKilobytes) / 1024);
    std::fflush(stdout);
    // rm, not remove_all: the tree is deeper than one path can name.
    const std::string remove =
        "rm -rf '" + tree.string() + "' '" + (folder / "out-deep").string() + "'";
    if (std::system(remove.c_str()) != 0) {
        std::fprintf(stderr, "could not remove %s\n", tree.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) {
        return child(argv[2], argv[3]);
    }
    const fs::path folder = fs::temp_directory_path() / "scrivlette-bench-extract";
    fs::remove_all(folder);
    fs::create_directories(folder);
    compare(argv[0], folder, argc > 1 ? std::stoul(argv[1]) : 1000);
    compare(argv[0], folder, argc > 2 ? std::stoul(argv[2]) : 10000);
    deep(argv[0], folder, 1000);
    deep(argv[0], folder, 2000);
    fs::remove_all(folder);
    return 0;
}
