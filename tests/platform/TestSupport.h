#pragma once

#include "formats/plist/Node.h"
#include "platform/Bytes.h"
#include "platform/ReadError.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrivlette {

// Failures as the assertions print them.
inline std::ostream& operator<<(std::ostream& out, const ReadError& error) {
    return out << error.describe();
}

} // namespace scrivlette

namespace scrivlette::test {

// Files made on macOS, kept beside the repository and never copied into it.
std::filesystem::path realFile(std::string_view name);
// Fixtures committed under tests/fixtures.
std::filesystem::path fixture(std::string_view name);
Bytes readBytes(const std::filesystem::path& path);
// One representation a real clipping holds, as stored (`file` may be
// "../pict/NAME"); each file is read once.
const plist::Node& realRepresentation(std::string_view file, std::string_view type);
inline Bytes bytesOf(std::string_view text) {
    return Bytes::copyOf(text);
}

// Writes binary property lists object by object, so tests can state exactly
// the references, offsets and trailer a hostile file would have.
class BinaryPlistBuilder {
public:
    explicit BinaryPlistBuilder(std::size_t referenceWidth = 2) : referenceWidth_(referenceWidth) {}

    std::size_t raw(std::string encoded);
    std::size_t ascii(std::string_view text);
    std::size_t utf16(std::u16string_view text);
    std::size_t data(std::string_view bytes);
    std::size_t integer(std::int64_t value);
    std::size_t array(const std::vector<std::size_t>& items);
    std::size_t dictionary(const std::vector<std::pair<std::size_t, std::size_t>>& entries);
    std::size_t count() const { return objects_.size(); }

    struct Layout {
        std::size_t offsetWidth = 4;
        // Overrides for lying trailers; zero means "the true value".
        std::uint64_t objectCount = 0;
        std::uint64_t tableOffset = 0;
    };
    std::string finish(std::size_t top) const { return finish(top, Layout{}); }
    std::string finish(std::size_t top, const Layout& layout) const;

private:
    std::string header(std::uint8_t type, std::size_t count) const;
    std::string reference(std::size_t index) const;

    std::size_t referenceWidth_;
    std::vector<std::string> objects_;
};

std::string bigEndian(std::uint64_t value, std::size_t width);

// ASCII text in UTF-16 (unitSize 2) or UTF-32 (4), with or without its mark.
enum class Endian { Big, Little };
std::string wideText(std::string_view ascii, std::size_t unitSize, Endian endian, bool withMark);

} // namespace scrivlette::test
