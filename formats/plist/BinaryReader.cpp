#include "BinaryReader.h"

#include "platform/ByteReader.h"
#include "platform/text/TextDecoding.h"

#include <bit>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace scrivlette::plist {
namespace {

constexpr std::size_t headerSize = 8;
constexpr std::size_t trailerSize = 32;

struct Trailer {
    std::size_t offsetWidth = 0;
    std::size_t referenceWidth = 0;
    std::uint64_t objectCount = 0;
    std::uint64_t topObject = 0;
    std::uint64_t tableOffset = 0;
};

// What the marker byte of a container says about it.
struct ContainerHeader {
    bool isDictionary = false;
    std::uint64_t count = 0;
    std::size_t referencesStart = 0;
};

class BinaryReader {
public:
    explicit BinaryReader(const Bytes& input)
        : input_(input), bytes_(input.data()), numbers_(input.span()) {}

    ParseResult run();

private:
    enum class State : std::uint8_t { Unvisited, Building, Done };
    struct Slot {
        NodePtr node;
        std::uint32_t height = 0; // containers on the longest path down from here
        State state = State::Unvisited;
    };
    struct Frame {
        std::uint64_t object = 0;
        ContainerHeader header;
        std::uint64_t next = 0;
        std::uint32_t childHeight = 0;
        Array items;
        DictionaryBuilder dictionary;
    };

    std::optional<Error> readTrailer();
    std::optional<Error> locate(std::uint64_t object, std::size_t& offset) const;
    std::optional<Error> readCount(std::size_t offset, std::uint8_t marker, std::uint64_t& count,
                                   std::size_t& start) const;
    std::optional<Error> readReference(const Frame& frame, std::uint64_t index,
                                       std::uint64_t& object) const;
    bool isContainerMarker(std::uint8_t marker) const {
        return (marker >> 4) == 0xA || (marker >> 4) == 0xD;
    }

    // Resolves `object` as a child at nesting `depth`: either a finished node
    // (returned through `node`) or a new frame pushed onto the stack.
    std::optional<Error> visit(std::uint64_t object, std::size_t depth, NodePtr& node,
                               std::uint32_t& height);
    std::optional<Error> buildScalar(std::size_t offset, NodePtr& node) const;
    std::optional<Error> buildInteger(std::size_t offset, NodePtr& node) const;
    std::optional<Error> buildNumber(std::size_t offset, NodePtr& node) const;
    std::optional<Error> buildText(std::size_t offset, NodePtr& node) const;
    std::optional<Error> buildUid(std::size_t offset, NodePtr& node) const;
    std::optional<Error> readContainer(std::size_t offset, ContainerHeader& header) const;
    std::optional<Error> step();
    void finishTopFrame();

    Error error(ErrorKind kind, std::size_t offset, std::string message) const {
        return Error{kind, offset, std::move(message)};
    }
    bool fits(std::size_t offset, std::uint64_t length) const {
        return offset <= objectsEnd_ && length <= objectsEnd_ - offset;
    }

    const Bytes& input_;
    const std::uint8_t* bytes_;
    // Every number is read through it, after its place was checked to fit.
    ByteReader numbers_;
    std::uint64_t number(std::size_t offset, std::size_t width) const {
        return numbers_.numberAt(offset, width, "number");
    }
    Trailer trailer_;
    std::size_t objectsEnd_ = 0;
    std::vector<Slot> slots_;
    std::vector<Frame> stack_;
    NodePtr root_;
};

std::optional<Error> BinaryReader::readTrailer() {
    const std::size_t size = input_.size();
    if (size < headerSize + trailerSize + 2) {
        return error(ErrorKind::Truncated, size, "binary property list too short");
    }
    const std::size_t t = size - trailerSize;
    trailer_.offsetWidth = bytes_[t + 6];
    trailer_.referenceWidth = bytes_[t + 7];
    trailer_.objectCount = number(t + 8, 8);
    trailer_.topObject = number(t + 16, 8);
    trailer_.tableOffset = number(t + 24, 8);
    const std::size_t trailerOffset = size - trailerSize;

    if (trailer_.offsetWidth < 1 || trailer_.offsetWidth > 8 || trailer_.referenceWidth < 1 ||
        trailer_.referenceWidth > 8) {
        return error(ErrorKind::Malformed, trailerOffset, "invalid integer sizes in trailer");
    }
    if (trailer_.objectCount == 0) {
        return error(ErrorKind::Malformed, trailerOffset, "trailer lists no objects");
    }
    if (trailer_.topObject >= trailer_.objectCount) {
        return error(ErrorKind::BadReference, trailerOffset, "top object out of range");
    }
    if (trailer_.tableOffset < headerSize + 1 || trailer_.tableOffset > trailerOffset ||
        trailer_.objectCount > (trailerOffset - trailer_.tableOffset) / trailer_.offsetWidth) {
        return error(ErrorKind::BadReference, trailerOffset, "offset table outside the file");
    }
    // A reference must be able to name every object.
    if (trailer_.referenceWidth < 8 &&
        trailer_.objectCount > (std::uint64_t{1} << (8 * trailer_.referenceWidth))) {
        return error(ErrorKind::Malformed, trailerOffset, "object references too narrow");
    }
    objectsEnd_ = static_cast<std::size_t>(trailer_.tableOffset);
    return std::nullopt;
}

std::optional<Error> BinaryReader::locate(std::uint64_t object, std::size_t& offset) const {
    const std::size_t entry = objectsEnd_ + static_cast<std::size_t>(object) * trailer_.offsetWidth;
    const std::uint64_t value = number(entry, trailer_.offsetWidth);
    if (value < headerSize || value >= objectsEnd_) {
        return error(ErrorKind::BadReference, entry,
                     "object offset out of range (object " + std::to_string(object) + ")");
    }
    offset = static_cast<std::size_t>(value);
    return std::nullopt;
}

// The low nibble of a marker is a count; 0xF means an integer object follows
// with the real count.
std::optional<Error> BinaryReader::readCount(std::size_t offset, std::uint8_t marker,
                                             std::uint64_t& count, std::size_t& start) const {
    count = marker & 0x0F;
    start = offset + 1;
    if (count != 0x0F) {
        return std::nullopt;
    }
    if (!fits(start, 1)) {
        return error(ErrorKind::Truncated, offset, "object length missing");
    }
    const std::uint8_t lengthMarker = bytes_[start];
    if ((lengthMarker >> 4) != 0x1 || (lengthMarker & 0x0F) > 3) {
        return error(ErrorKind::Malformed, start, "invalid object length");
    }
    const std::size_t width = std::size_t{1} << (lengthMarker & 0x0F);
    if (!fits(start + 1, width)) {
        return error(ErrorKind::Truncated, start, "object length cut short");
    }
    count = number(start + 1, width);
    start += 1 + width;
    return std::nullopt;
}

std::optional<Error> BinaryReader::buildScalar(std::size_t offset, NodePtr& node) const {
    const std::uint8_t marker = bytes_[offset];
    switch (marker >> 4) {
    case 0x0:
        if (marker == 0x08 || marker == 0x09) {
            node = Node::makeBoolean(marker == 0x09);
            return std::nullopt;
        }
        return error(ErrorKind::Unsupported, offset, "null or fill object in property list");
    case 0x1:
        return buildInteger(offset, node);
    case 0x2:
    case 0x3:
        return buildNumber(offset, node);
    case 0x4:
    case 0x5:
    case 0x6:
        return buildText(offset, node);
    case 0x8:
        return buildUid(offset, node);
    case 0xC:
        return error(ErrorKind::Unsupported, offset, "set object in property list");
    default:
        return error(ErrorKind::Malformed, offset, "unknown object type");
    }
}

std::optional<Error> BinaryReader::buildInteger(std::size_t offset, NodePtr& node) const {
    const std::uint8_t low = bytes_[offset] & 0x0F;
    if (low > 4) {
        return error(ErrorKind::Malformed, offset, "invalid integer width");
    }
    const std::size_t width = std::size_t{1} << low;
    if (!fits(offset + 1, width)) {
        return error(ErrorKind::Truncated, offset, "integer cut short");
    }
    const std::size_t p = offset + 1;
    if (width <= 8) {
        const std::uint64_t raw = number(p, width);
        // Widths below eight bytes are unsigned; eight bytes are two's complement.
        node = Node::makeInteger({static_cast<std::int64_t>(raw), false});
        return std::nullopt;
    }
    const std::uint64_t high = number(p, 8);
    const std::uint64_t lowWord = number(p + 8, 8);
    if (high == 0) {
        node = Node::makeInteger({static_cast<std::int64_t>(lowWord),
                                  lowWord > std::numeric_limits<std::int64_t>::max()});
        return std::nullopt;
    }
    if (high == ~std::uint64_t{0} && (lowWord >> 63) != 0) {
        node = Node::makeInteger({static_cast<std::int64_t>(lowWord), false});
        return std::nullopt;
    }
    return error(ErrorKind::Unsupported, offset, "integer wider than 64 bits");
}

// Reals, and dates, which are reals counted from 2001.
std::optional<Error> BinaryReader::buildNumber(std::size_t offset, NodePtr& node) const {
    const std::uint8_t marker = bytes_[offset];
    const std::uint8_t low = marker & 0x0F;
    const bool isDate = (marker >> 4) == 0x3;
    if ((isDate && low != 3) || (!isDate && low != 2 && low != 3)) {
        return error(ErrorKind::Malformed, offset, isDate ? "invalid date" : "invalid real width");
    }
    const std::size_t width = std::size_t{1} << low;
    if (!fits(offset + 1, width)) {
        return error(ErrorKind::Truncated, offset, "number cut short");
    }
    const std::uint64_t raw = number(offset + 1, width);
    const double value =
        width == 4 ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(raw)))
                   : std::bit_cast<double>(raw);
    node = isDate ? Node::makeDate({value}) : Node::makeReal(value);
    return std::nullopt;
}

// Data, ASCII strings and UTF-16 strings: a count, then the bytes.
std::optional<Error> BinaryReader::buildText(std::size_t offset, NodePtr& node) const {
    const std::uint8_t marker = bytes_[offset];
    std::uint64_t count = 0;
    std::size_t start = 0;
    if (auto failure = readCount(offset, marker, count, start)) {
        return failure;
    }
    const bool wide = (marker >> 4) == 0x6;
    if (wide && count > std::numeric_limits<std::uint64_t>::max() / 2) {
        return error(ErrorKind::Truncated, offset, "string cut short");
    }
    const std::uint64_t length = wide ? count * 2 : count;
    if (!fits(start, length)) {
        return error(ErrorKind::Truncated, offset, "object cut short");
    }
    const auto size = static_cast<std::size_t>(length);
    if ((marker >> 4) == 0x4) {
        node = Node::makeData(input_.slice(start, size));
        return std::nullopt;
    }
    std::span<const std::uint8_t> raw(bytes_ + start, size);
    if (!wide) {
        for (std::uint8_t byte : raw) {
            if (byte >= 0x80) {
                return error(ErrorKind::InvalidText, offset, "non-ASCII byte in ASCII string");
            }
        }
        node = Node::makeString(std::string(reinterpret_cast<const char*>(raw.data()), size));
        return std::nullopt;
    }
    auto text = decodeUtf16BigEndianStrict(raw);
    if (!text) {
        return error(ErrorKind::InvalidText, offset, "unpaired surrogate in UTF-16 string");
    }
    node = Node::makeString(std::move(*text));
    return std::nullopt;
}

std::optional<Error> BinaryReader::buildUid(std::size_t offset, NodePtr& node) const {
    const std::uint8_t low = bytes_[offset] & 0x0F;
    const std::size_t width = std::size_t{low} + 1;
    if (width > 8) {
        return error(ErrorKind::Unsupported, offset, "UID wider than 64 bits");
    }
    if (!fits(offset + 1, width)) {
        return error(ErrorKind::Truncated, offset, "UID cut short");
    }
    node = Node::makeUid({number(offset + 1, width)});
    return std::nullopt;
}

std::optional<Error> BinaryReader::readContainer(std::size_t offset,
                                                 ContainerHeader& header) const {
    const std::uint8_t marker = bytes_[offset];
    header.isDictionary = (marker >> 4) == 0xD;
    if (auto failure = readCount(offset, marker, header.count, header.referencesStart)) {
        return failure;
    }
    const std::uint64_t perItem = trailer_.referenceWidth * (header.isDictionary ? 2u : 1u);
    const std::uint64_t room =
        fits(header.referencesStart, 0) ? objectsEnd_ - header.referencesStart : 0;
    if (header.count > room / perItem) {
        return error(ErrorKind::Truncated, offset, "container references cut short");
    }
    return std::nullopt;
}

std::optional<Error> BinaryReader::readReference(const Frame& frame, std::uint64_t index,
                                                 std::uint64_t& object) const {
    const std::size_t at =
        frame.header.referencesStart + static_cast<std::size_t>(index) * trailer_.referenceWidth;
    object = number(at, trailer_.referenceWidth);
    if (object >= trailer_.objectCount) {
        return error(ErrorKind::BadReference, at, "object reference out of range");
    }
    return std::nullopt;
}

std::optional<Error> BinaryReader::visit(std::uint64_t object, std::size_t depth, NodePtr& node,
                                         std::uint32_t& height) {
    Slot& slot = slots_[object];
    if (slot.state == State::Done) {
        // A shared object was built once; its nesting still counts where it is reused.
        if (depth + slot.height > maxNestingDepth) {
            return error(ErrorKind::TooDeep, 0, "containers nested too deeply");
        }
        node = slot.node;
        height = slot.height;
        return std::nullopt;
    }
    std::size_t offset = 0;
    if (auto failure = locate(object, offset)) {
        return failure;
    }
    if (slot.state == State::Building) {
        return error(ErrorKind::Cycle, offset, "container contains itself");
    }
    if (!isContainerMarker(bytes_[offset])) {
        if (auto failure = buildScalar(offset, node)) {
            return failure;
        }
        slot = {node, 0, State::Done};
        height = 0;
        return std::nullopt;
    }
    if (depth + 1 > maxNestingDepth) {
        return error(ErrorKind::TooDeep, offset, "containers nested too deeply");
    }
    Frame frame;
    frame.object = object;
    if (auto failure = readContainer(offset, frame.header)) {
        return failure;
    }
    if (!frame.header.isDictionary) {
        frame.items.reserve(static_cast<std::size_t>(frame.header.count));
    }
    slot.state = State::Building;
    stack_.push_back(std::move(frame));
    node = nullptr;
    return std::nullopt;
}

void BinaryReader::finishTopFrame() {
    Frame& frame = stack_.back();
    NodePtr node = frame.header.isDictionary ? Node::makeDictionary(frame.dictionary.finish())
                                             : Node::makeArray(std::move(frame.items));
    const std::uint32_t height = frame.childHeight + 1;
    slots_[frame.object] = {node, height, State::Done};
    stack_.pop_back();
    if (stack_.empty()) {
        root_ = std::move(node);
        return;
    }
    Frame& parent = stack_.back();
    parent.childHeight = std::max(parent.childHeight, height);
    if (parent.header.isDictionary) {
        std::uint64_t keyObject = 0;
        // The key was checked when the value was visited.
        (void)readReference(parent, parent.next, keyObject);
        parent.dictionary.add(slots_[keyObject].node, std::move(node));
    } else {
        parent.items.push_back(std::move(node));
    }
    ++parent.next;
}

// Advances the top frame by one child.
std::optional<Error> BinaryReader::step() {
    Frame& frame = stack_.back();
    if (frame.next == frame.header.count) {
        finishTopFrame();
        return std::nullopt;
    }
    const std::size_t depth = stack_.size();
    const std::uint64_t index = frame.next;
    NodePtr key;
    std::uint64_t valueIndex = index;
    if (frame.header.isDictionary) {
        std::uint64_t keyObject = 0;
        if (auto failure = readReference(frame, index, keyObject)) {
            return failure;
        }
        std::uint32_t keyHeight = 0;
        if (slots_[keyObject].state != State::Done) {
            std::size_t keyOffset = 0;
            if (auto failure = locate(keyObject, keyOffset)) {
                return failure;
            }
            if (isContainerMarker(bytes_[keyOffset])) {
                return error(ErrorKind::Malformed, keyOffset, "dictionary key is not a string");
            }
        }
        if (auto failure = visit(keyObject, depth, key, keyHeight)) {
            return failure;
        }
        if (!key->asString()) {
            return error(ErrorKind::Malformed, frame.header.referencesStart,
                         "dictionary key is not a string");
        }
        valueIndex = frame.header.count + index;
    }
    std::uint64_t valueObject = 0;
    if (auto failure = readReference(frame, valueIndex, valueObject)) {
        return failure;
    }
    NodePtr value;
    std::uint32_t height = 0;
    if (auto failure = visit(valueObject, depth, value, height)) {
        return failure;
    }
    if (!value) {
        return std::nullopt; // a child frame was pushed; `frame` may now dangle
    }
    frame.childHeight = std::max(frame.childHeight, height);
    if (frame.header.isDictionary) {
        frame.dictionary.add(std::move(key), std::move(value));
    } else {
        frame.items.push_back(std::move(value));
    }
    ++frame.next;
    return std::nullopt;
}

ParseResult BinaryReader::run() {
    if (input_.size() < headerSize || std::memcmp(bytes_, "bplist00", headerSize) != 0) {
        return error(ErrorKind::UnknownFormat, 0, "not a binary property list");
    }
    if (auto failure = readTrailer()) {
        return *failure;
    }
    slots_.resize(static_cast<std::size_t>(trailer_.objectCount));
    NodePtr top;
    std::uint32_t height = 0;
    if (auto failure = visit(trailer_.topObject, 0, top, height)) {
        return *failure;
    }
    if (top) {
        return top;
    }
    while (!stack_.empty()) {
        if (auto failure = step()) {
            return *failure;
        }
    }
    return root_;
}

} // namespace

ParseResult parseBinary(const Bytes& input) {
    return BinaryReader(input).run();
}

} // namespace scrivlette::plist
