#include "TestSupport.h"

#include "formats/plist/PropertyList.h"
#include "platform/files/FileReading.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace scrivlette::test {

std::filesystem::path realFile(std::string_view name) {
    return std::filesystem::path(SCRIVLETTE_REAL_TESTDATA) / name;
}

std::filesystem::path fixture(std::string_view name) {
    return std::filesystem::path(SCRIVLETTE_FIXTURES) / name;
}

Bytes readBytes(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path.string());
    if (!bytes) {
        throw std::runtime_error("cannot read " + path.string() + ": " + bytes.error().message);
    }
    return *bytes;
}

const plist::Node& realRepresentation(std::string_view file, std::string_view type) {
    static std::map<std::string, plist::NodePtr, std::less<>> read;
    plist::NodePtr& root = read[std::string(file)];
    if (!root) {
        auto parsed = plist::parse(readBytes(realFile(file)));
        if (!parsed) {
            throw std::runtime_error(std::string(file) + ": " + parsed.error().describe());
        }
        root = *parsed;
    }
    const plist::Node* node = root->asDictionary()->find("UTI-Data")->asDictionary()->find(type);
    if (!node) {
        throw std::runtime_error(std::string(file) + " holds no " + std::string(type));
    }
    return *node;
}

std::string bigEndian(std::uint64_t value, std::size_t width) {
    std::string out(width, '\0');
    for (std::size_t i = 0; i < width; ++i) {
        out[width - 1 - i] = static_cast<char>(value >> (8 * i));
    }
    return out;
}

std::string wideText(std::string_view ascii, std::size_t unitSize, Endian endian, bool withMark) {
    std::string out;
    const auto unit = [&](std::uint32_t value) {
        std::string encoded = bigEndian(value, unitSize);
        if (endian == Endian::Little) {
            std::reverse(encoded.begin(), encoded.end());
        }
        out += encoded;
    };
    if (withMark) {
        unit(0xFEFF);
    }
    for (char c : ascii) {
        unit(static_cast<unsigned char>(c));
    }
    return out;
}

std::string BinaryPlistBuilder::header(std::uint8_t type, std::size_t count) const {
    if (count < 15) {
        return std::string(1, static_cast<char>((type << 4) | count));
    }
    std::string encoded(1, static_cast<char>((type << 4) | 0x0F));
    encoded += "\x13";
    encoded += bigEndian(count, 8);
    return encoded;
}

std::string BinaryPlistBuilder::reference(std::size_t index) const {
    return bigEndian(index, referenceWidth_);
}

std::size_t BinaryPlistBuilder::raw(std::string encoded) {
    objects_.push_back(std::move(encoded));
    return objects_.size() - 1;
}

std::size_t BinaryPlistBuilder::ascii(std::string_view text) {
    return raw(header(0x5, text.size()) + std::string(text));
}

std::size_t BinaryPlistBuilder::utf16(std::u16string_view text) {
    std::string encoded = header(0x6, text.size());
    for (char16_t unit : text) {
        encoded += bigEndian(unit, 2);
    }
    return raw(std::move(encoded));
}

std::size_t BinaryPlistBuilder::data(std::string_view bytes) {
    return raw(header(0x4, bytes.size()) + std::string(bytes));
}

std::size_t BinaryPlistBuilder::integer(std::int64_t value) {
    // Appending rather than `"\x13" + string` keeps GCC 12 from a false
    // -Wrestrict report in the inlined insert at the front.
    std::string encoded = "\x13";
    encoded += bigEndian(static_cast<std::uint64_t>(value), 8);
    return raw(std::move(encoded));
}

std::size_t BinaryPlistBuilder::array(const std::vector<std::size_t>& items) {
    std::string encoded = header(0xA, items.size());
    for (std::size_t item : items) {
        encoded += reference(item);
    }
    return raw(std::move(encoded));
}

std::size_t
BinaryPlistBuilder::dictionary(const std::vector<std::pair<std::size_t, std::size_t>>& entries) {
    std::string encoded = header(0xD, entries.size());
    for (const auto& entry : entries) {
        encoded += reference(entry.first);
    }
    for (const auto& entry : entries) {
        encoded += reference(entry.second);
    }
    return raw(std::move(encoded));
}

std::string BinaryPlistBuilder::finish(std::size_t top, const Layout& layout) const {
    std::string file = "bplist00";
    std::vector<std::size_t> offsets;
    for (const std::string& object : objects_) {
        offsets.push_back(file.size());
        file += object;
    }
    const std::size_t tableOffset = file.size();
    for (std::size_t offset : offsets) {
        file += bigEndian(offset, layout.offsetWidth);
    }
    file += std::string(6, '\0');
    file.push_back(static_cast<char>(layout.offsetWidth));
    file.push_back(static_cast<char>(referenceWidth_));
    file += bigEndian(layout.objectCount ? layout.objectCount : objects_.size(), 8);
    file += bigEndian(top, 8);
    file += bigEndian(layout.tableOffset ? layout.tableOffset : tableOffset, 8);
    return file;
}

} // namespace scrivlette::test
