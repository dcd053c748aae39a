// libFuzzer entry for the RTF reader: it must end on any input, and every
// run it makes must hold valid UTF-8.

#include "formats/rtf/RtfReader.h"
#include "platform/text/TextDecoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const auto document =
        scrivlette::rtf::parseRtf(std::string_view(reinterpret_cast<const char*>(bytes), size));
    if (!document) {
        return 0;
    }
    for (const auto& paragraph : document->paragraphs) {
        for (const auto& run : paragraph.runs) {
            if (!scrivlette::isValidUtf8(run.text)) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
