#include "BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scrivlette::bench {
namespace {

Measurement runOnce(const std::vector<std::string>& command) {
    int out[2];
    if (::pipe(out) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        std::vector<char*> argv;
        for (const auto& argument : command) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string printed;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(out[0], buffer, sizeof buffer)) > 0) {
        printed.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("measured command failed: " + command.back());
    }
    return {std::stod(printed), usage.ru_maxrss};
}

Measurement best(const std::vector<std::string>& command, int runs) {
    Measurement result = runOnce(command);
    for (int i = 1; i < runs; ++i) {
        const Measurement next = runOnce(command);
        if (next.seconds < result.seconds) {
            result = next;
        }
    }
    return result;
}

std::string bigEndian(std::uint64_t value, int width) {
    std::string out(static_cast<std::size_t>(width), '\0');
    for (int i = 0; i < width; ++i) {
        out[static_cast<std::size_t>(width - 1 - i)] = static_cast<char>(value >> (8 * i));
    }
    return out;
}

std::string asciiObject(std::string_view text) {
    if (text.size() < 15) {
        std::string object(1, static_cast<char>(0x50 | text.size()));
        return object.append(text);
    }
    // Longer lengths follow the marker as a one-byte integer object.
    return "\x5F\x10" + std::string(1, static_cast<char>(text.size())) + std::string(text);
}

// Fills `size` bytes with a repeating, not quite regular pattern.
void writePayload(std::ostream& out, std::size_t size) {
    std::string block(1 << 20, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>((i * 131) ^ (i >> 9));
    }
    for (std::size_t written = 0; written < size; written += block.size()) {
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min(block.size(), size - written)));
    }
}

} // namespace

void writeLargeClipping(const std::filesystem::path& path, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    const std::vector<std::string> objects = {
        "\xD1\x01\x02", // root: {"UTI-Data": object 2}
        asciiObject("UTI-Data"),
        "\xD2\x03\x04\x05\x06", // {data key: 5, text key: 6}
        asciiObject(largeClippingKey),
        asciiObject(largeClippingTextKey),
        "", // the data, written separately
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

void writeLargeTextClipping(const std::filesystem::path& path, std::size_t size) {
    const std::u16string line = u"Caf\u00E9 na\u00EFve, r\u00E9sum\u00E9 \u00E0 la fran\u00E7aise, "
                                u"d\u00E9j\u00E0 vu \u2014 une ligne de texte.\n";
    const std::size_t units = size / 4 / line.size() * line.size();
    std::string big; // the text as UTF-16, each byte order
    std::string little;
    for (char16_t unit : line) {
        big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }
    const std::vector<std::string> objects = {
        "\xD1\x01\x02", // root: {"UTI-Data": object 2}
        asciiObject("UTI-Data"),
        "\xD2\x03\x04\x05\x06", // {utf8 key: 5, utf16 key: 6}
        asciiObject("public.utf8-plain-text"),
        asciiObject("public.utf16-plain-text"),
        "\x6F\x13" + bigEndian(units, 8),     // a string of `units` UTF-16 units, then them
        "\x4F\x13" + bigEndian(units * 2, 8), // data of as many bytes, then them
    };
    std::ofstream out(path, std::ios::binary);
    std::vector<std::uint64_t> offsets;
    std::uint64_t at = 8;
    out << "bplist00";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(at);
        out << objects[i];
        at += objects[i].size();
        if (i >= 5) {
            const std::string& text = i == 5 ? big : little;
            for (std::size_t written = 0; written < units; written += line.size()) {
                out << text;
            }
            at += units * 2;
        }
    }
    for (std::uint64_t offset : offsets) {
        out << bigEndian(offset, 8);
    }
    out << std::string(6, '\0') << '\x08' << '\x01' << bigEndian(objects.size(), 8)
        << bigEndian(0, 8) << bigEndian(at, 8);
}

Measurement measureChild(const std::string& argv0, const std::vector<std::string>& arguments,
                         int runs) {
    std::vector<std::string> command = {argv0, "--child"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return best(command, runs);
}

Measurement measureCommand(const std::string& command, int runs) {
    return best({"/bin/sh", "-c", command}, runs);
}

double secondsSince(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace scrivlette::bench
