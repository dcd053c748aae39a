#include "FlatRtfd.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

namespace scrivlette {
namespace {

constexpr std::uint32_t dataTag = 1;
constexpr std::uint32_t dictionaryTag = 3;
constexpr std::uint32_t paddedSize = 0x80000000;
constexpr std::uint32_t directoryFlag = 1u << 0;
constexpr std::uint32_t symbolicLinkFlag = 1u << 2;
constexpr std::string_view infoKey = ".";
constexpr std::string_view singleFileKey = "..";
constexpr std::string_view preferredNameKey = "__@PreferredName@__";
constexpr std::string_view utf8PreferredNameKey = "__@UTF8PreferredName@__";

// An object as stored: bytes, or a dictionary of keys to objects.
struct Stored {
    bool isDictionary = false;
    Bytes data;
    std::vector<std::string> keys;
    std::vector<Stored> values;

    const Stored* find(std::string_view key) const {
        const auto at = std::find(keys.begin(), keys.end(), key);
        return at == keys.end() ? nullptr : &values[static_cast<std::size_t>(at - keys.begin())];
    }
};

// Attributes of one child, from the "." block.
struct ChildInfo {
    std::int64_t modificationTime = 0;
    std::uint32_t mode = 0;
    std::uint32_t flags = 0;
};

using Failure = std::string;

class Cursor {
public:
    Cursor(const Bytes& bytes, std::size_t start, std::size_t end)
        : bytes_(bytes), at_(start), end_(end) {}

    std::size_t position() const { return at_; }
    std::size_t remaining() const { return end_ - at_; }

    bool u32(std::uint32_t& value) {
        if (remaining() < 4) {
            return false;
        }
        const std::uint8_t* p = bytes_.data() + at_;
        value = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                std::uint32_t{p[3]} << 24;
        at_ += 4;
        return true;
    }

    // A size, or 0x80000000 followed by the real size and a run of padding.
    bool size(std::uint32_t& value) {
        if (!u32(value)) {
            return false;
        }
        if (value != paddedSize) {
            return true;
        }
        std::uint32_t padding = 0;
        if (!u32(value) || !u32(padding) || remaining() < padding) {
            return false;
        }
        at_ += padding;
        return true;
    }

    bool take(std::size_t length, Bytes& out) {
        if (remaining() < length) {
            return false;
        }
        out = bytes_.slice(at_, length);
        at_ += length;
        return true;
    }

private:
    const Bytes& bytes_;
    std::size_t at_;
    std::size_t end_;
};

std::optional<Failure> readObject(Cursor& cursor, std::size_t depth, Stored& out);

std::optional<Failure> readDictionary(Cursor& cursor, std::size_t depth, Stored& out) {
    if (depth >= maxWrapperDepth) {
        return Failure("folders nested too deeply");
    }
    std::uint32_t count = 0;
    // Each entry takes at least a key size, a value length and a tag.
    if (!cursor.u32(count) || count > cursor.remaining() / 12) {
        return Failure("entry count larger than the data");
    }
    out.isDictionary = true;
    out.keys.resize(count);
    for (std::string& key : out.keys) {
        std::uint32_t length = 0;
        Bytes text;
        if (!cursor.size(length) || !cursor.take(length, text)) {
            return Failure("name cut short");
        }
        key.assign(text.view());
    }
    std::vector<std::uint32_t> lengths(count);
    for (std::uint32_t& length : lengths) {
        if (!cursor.u32(length)) {
            return Failure("value lengths cut short");
        }
    }
    out.values.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t start = cursor.position();
        if (lengths[i] > cursor.remaining()) {
            return Failure("value length larger than the data");
        }
        if (auto failure = readObject(cursor, depth + 1, out.values[i])) {
            return failure;
        }
        if (cursor.position() - start != lengths[i]) {
            return Failure("value length disagrees with the value");
        }
    }
    return std::nullopt;
}

std::optional<Failure> readObject(Cursor& cursor, std::size_t depth, Stored& out) {
    std::uint32_t tag = 0;
    if (!cursor.u32(tag)) {
        return Failure("object cut short");
    }
    if (tag == dataTag) {
        std::uint32_t length = 0;
        if (!cursor.size(length) || !cursor.take(length, out.data)) {
            return Failure("file contents cut short");
        }
        return std::nullopt;
    }
    if (tag == dictionaryTag) {
        return readDictionary(cursor, depth, out);
    }
    return Failure("unknown object tag " + std::to_string(tag));
}

// The "." block: names, one length each, then that many bytes each, of which
// the first sixteen are time, mode, flags and one word more.
Expected<std::vector<std::pair<std::string, ChildInfo>>, Failure> readInfo(const Bytes& block) {
    Cursor cursor(block, 0, block.size());
    std::uint32_t count = 0;
    if (!cursor.u32(count) || count > cursor.remaining() / 8) {
        return Failure("folder information cut short");
    }
    std::vector<std::pair<std::string, ChildInfo>> infos(count);
    for (auto& info : infos) {
        std::uint32_t length = 0;
        Bytes name;
        if (!cursor.size(length) || !cursor.take(length, name)) {
            return Failure("folder information cut short");
        }
        info.first.assign(name.view());
    }
    std::vector<std::uint32_t> lengths(count);
    for (std::uint32_t& length : lengths) {
        if (!cursor.u32(length) || length < 16) {
            return Failure("folder information cut short");
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t time = 0;
        std::uint32_t extra = 0;
        Bytes rest;
        ChildInfo& info = infos[i].second;
        if (!cursor.u32(time) || !cursor.u32(info.mode) || !cursor.u32(info.flags) ||
            !cursor.u32(extra) || !cursor.take(lengths[i] - 16, rest)) {
            return Failure("folder information cut short");
        }
        info.modificationTime = time;
    }
    return infos;
}

Expected<FileWrapper, Failure> toWrapper(const Stored& stored);

std::optional<Failure> fillDirectory(const Stored& stored, FileWrapper& directory) {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < stored.keys.size(); ++i) {
        const std::string& name = stored.keys[i];
        if (name == infoKey || name == preferredNameKey || name == utf8PreferredNameKey) {
            continue;
        }
        if (isUnsafeName(name)) {
            return Failure("unsafe file name in the package");
        }
        if (!seen.insert(name).second) {
            return Failure("file name used twice in the package");
        }
        auto child = toWrapper(stored.values[i]);
        if (!child) {
            return child.error();
        }
        directory.children.push_back({name, std::move(child).value()});
    }
    const Stored* info = stored.find(infoKey);
    if (!info) {
        return std::nullopt;
    }
    if (info->isDictionary) {
        return Failure("folder information is not data");
    }
    auto infos = readInfo(info->data);
    if (!infos) {
        return infos.error();
    }
    for (const auto& entry : infos.value()) {
        const std::string& name = entry.first;
        const ChildInfo& attributes = entry.second;
        auto child = std::find_if(directory.children.begin(), directory.children.end(),
                                  [&](const FileWrapper::Child& c) { return c.name == name; });
        if (child == directory.children.end()) {
            continue;
        }
        child->wrapper.modificationTime = attributes.modificationTime;
        child->wrapper.mode = attributes.mode;
        if ((attributes.flags & symbolicLinkFlag) != 0 &&
            child->wrapper.kind == FileWrapper::Kind::regularFile) {
            child->wrapper.kind = FileWrapper::Kind::symbolicLink;
        }
        if ((attributes.flags & directoryFlag) != 0 &&
            child->wrapper.kind != FileWrapper::Kind::directory) {
            return Failure("\"" + name + "\" is marked as a folder but holds a file");
        }
    }
    return std::nullopt;
}

Expected<FileWrapper, Failure> toWrapper(const Stored& stored) {
    FileWrapper wrapper;
    if (!stored.isDictionary) {
        wrapper.kind = FileWrapper::Kind::regularFile;
        wrapper.contents = stored.data;
        return wrapper;
    }
    for (std::string_view key : {utf8PreferredNameKey, preferredNameKey}) {
        const Stored* name = stored.find(key);
        if (name && !name->isDictionary && wrapper.preferredName.empty()) {
            wrapper.preferredName.assign(name->data.view());
        }
    }
    if (const Stored* single = stored.find(singleFileKey)) {
        if (single->isDictionary) {
            return Failure("single-file contents are not data");
        }
        wrapper.kind = FileWrapper::Kind::regularFile;
        wrapper.contents = single->data;
        return wrapper;
    }
    wrapper.kind = FileWrapper::Kind::directory;
    if (auto failure = fillDirectory(stored, wrapper)) {
        return *failure;
    }
    return wrapper;
}

} // namespace

Expected<FileWrapper, std::string> readFlatRtfd(const Bytes& bytes) {
    Cursor cursor(bytes, 0, bytes.size());
    Bytes magic;
    std::uint32_t version = 0;
    if (!cursor.take(4, magic) || magic.view() != "rtfd") {
        return Failure("not a serialized file wrapper");
    }
    if (!cursor.u32(version) || version != 0) {
        return Failure("unknown file wrapper version");
    }
    Stored root;
    if (auto failure = readObject(cursor, 0, root)) {
        return *failure;
    }
    if (cursor.remaining() != 0) {
        return Failure("bytes after the file wrapper");
    }
    return toWrapper(root);
}

} // namespace scrivlette
