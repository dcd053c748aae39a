#pragma once

// Helpers for benchmarks that measure one operation in a fresh process, so
// that its peak memory is its own.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlette::bench {

struct Measurement {
    double seconds = 0;     // best of the runs
    long peakKilobytes = 0; // of the run that was best
};

// Runs this program again as `argv0 --child <operation> <arguments...>`
// `runs` times. The child prints its elapsed seconds on stdout.
Measurement measureChild(const std::string& argv0, const std::vector<std::string>& arguments,
                         int runs);

// Runs a shell command `runs` times; it prints its own elapsed seconds.
Measurement measureCommand(const std::string& command, int runs);

double secondsSince(const std::function<void()>& work);

// A binary clipping whose "UTI-Data" holds `size` bytes under largeClippingKey
// and "short" under largeClippingTextKey, written without holding it in memory.
inline constexpr std::string_view largeClippingKey = "com.apple.pict";
inline constexpr std::string_view largeClippingTextKey = "public.utf8-plain-text";
void writeLargeClipping(const std::filesystem::path& path, std::size_t size);

// A binary text clipping of about `size` bytes as macOS writes one for text
// that is not ASCII: "public.utf8-plain-text" a string (stored as UTF-16 big-
// endian, as binary property lists store such strings) and
// "public.utf16-plain-text" the same text as UTF-16 little-endian data.
// The text is French-like: mostly ASCII with accented letters.
void writeLargeTextClipping(const std::filesystem::path& path, std::size_t size);

} // namespace scrivlette::bench
