// Feeds arbitrary files to the thumbnailer's reading and drawing, as a file
// manager would: as a text, picture, web or mail clipping by the first byte.
// It must give a subject or a reason, never crash, hang or pass its budget.
#include "platform/services/MainQueue.h"
#include "platform/services/ManualMainQueue.h"
#include "thumbnailer/Subject.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scrivlette;
    static const bool installed = [] {
        MainQueue::install(std::make_shared<ManualMainQueue>());
        return true;
    }();
    (void)installed;
    if (size == 0) {
        return 0;
    }
    static const char* const extensions[] = {".textClipping", ".pictClipping", ".webloc",
                                             ".mailloc"};
    const std::string path =
        "/tmp/scrivlette-fuzz-" + std::to_string(::getpid()) + extensions[data[0] % 4];
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    const auto subject = thumbnail::subjectOf(path, 256);
    if (subject) {
        if (const auto* picture = std::get_if<image::Image>(&*subject);
            picture && (picture->width > 256 || picture->height > 256)) {
            __builtin_trap();
        }
    }
    ::unlink(path.c_str());
    return 0;
}
