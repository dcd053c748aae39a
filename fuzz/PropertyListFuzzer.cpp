// libFuzzer entry for the property-list readers. Each build picks one reader
// (binary, XML, OpenStep) or the detecting entry point, so every format gets
// its own coverage-guided run.

#include "formats/plist/BinaryReader.h"
#include "formats/plist/OpenStepReader.h"
#include "formats/plist/PropertyList.h"
#include "formats/plist/XmlReader.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace scrivlette;

namespace {

// Walks the whole tree so that every node the reader built is touched.
std::size_t visit(const plist::Node& node, int depth) {
    if (depth > static_cast<int>(plist::maxNestingDepth) + 1) {
        __builtin_trap();
    }
    std::size_t count = 1;
    if (const auto* dictionary = node.asDictionary()) {
        for (const auto& entry : dictionary->entries()) {
            count += entry.keyString().size() > 0 ? 1 : 0;
            count += visit(*entry.value, depth + 1);
            if (count > (1u << 20)) {
                return count; // shared subtrees: stop before the walk explodes
            }
        }
    } else if (const auto* array = node.asArray()) {
        for (const auto& item : *array) {
            count += visit(*item, depth + 1);
            if (count > (1u << 20)) {
                return count;
            }
        }
    } else if (const auto* data = node.asData()) {
        count += data->size() > 0 ? data->data()[0] : 0;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const Bytes input = Bytes::copyOf(std::span<const std::uint8_t>(bytes, size));
#if defined(FUZZ_BINARY)
    const auto result = plist::parseBinary(input);
#elif defined(FUZZ_XML)
    const auto result = plist::parseXml(input);
#elif defined(FUZZ_OPENSTEP)
    const auto result = plist::parseOpenStep(input);
#else
    const auto result = plist::parse(input);
#endif
    if (result) {
        visit(**result, 1);
    } else if (result.error().message.empty() || result.error().offset > size) {
        __builtin_trap();
    }
    return 0;
}
