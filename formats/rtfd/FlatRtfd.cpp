#include "FlatRtfd.h"

#include "platform/ByteReader.h"

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

using Failure = ReadError;

ReadError malformed(std::string message) {
    return ReadError::of(ErrorKind::Malformed, std::move(message));
}

// Little-endian, as the wrapper is written; truncation throws (ReadFailure),
// caught where reading starts.
class Reader {
public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes), in_(bytes.span(), Endian::little) {}

    std::size_t remaining() const { return in_.remaining(); }
    std::size_t position() const { return in_.position(); }
    std::uint32_t u32(const char* what) { return in_.u32(what); }

    // A size, or 0x80000000 followed by the real size and a run of padding.
    std::uint32_t size(const char* what) {
        const std::uint32_t value = in_.u32(what);
        if (value != paddedSize) {
            return value;
        }
        const std::uint32_t real = in_.u32(what);
        in_.skip(in_.u32(what), what);
        return real;
    }
    // The next `length` bytes, sharing the wrapper's storage.
    Bytes take(std::size_t length, const char* what) {
        const std::size_t start = in_.position();
        in_.skip(length, what);
        return bytes_.slice(start, length);
    }
    [[noreturn]] void fail(ErrorKind kind, const std::string& message) const {
        throw ReadFailure(ReadError{kind, in_.position(), message});
    }

private:
    const Bytes& bytes_;
    ByteReader in_;
};

void readObject(Reader& in, std::size_t depth, Stored& out);

void readDictionary(Reader& in, std::size_t depth, Stored& out) {
    if (depth >= maxWrapperDepth) {
        in.fail(ErrorKind::TooDeep, "folders nested too deeply");
    }
    // Each entry takes at least a key size, a value length and a tag.
    const std::uint32_t count = in.u32("entry count");
    if (count > in.remaining() / 12) {
        in.fail(ErrorKind::Truncated, "entry count larger than the data");
    }
    out.isDictionary = true;
    out.keys.resize(count);
    for (std::string& key : out.keys) {
        const std::uint32_t length = in.size("name");
        key.assign(in.take(length, "name").view());
    }
    std::vector<std::uint32_t> lengths(count);
    for (std::uint32_t& length : lengths) {
        length = in.u32("value lengths");
    }
    out.values.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t start = in.position();
        if (lengths[i] > in.remaining()) {
            in.fail(ErrorKind::Truncated, "value length larger than the data");
        }
        readObject(in, depth + 1, out.values[i]);
        if (in.position() - start != lengths[i]) {
            in.fail(ErrorKind::Malformed, "value length disagrees with the value");
        }
    }
}

void readObject(Reader& in, std::size_t depth, Stored& out) {
    const std::uint32_t tag = in.u32("object");
    if (tag == dataTag) {
        const std::uint32_t length = in.size("file contents");
        out.data = in.take(length, "file contents");
    } else if (tag == dictionaryTag) {
        readDictionary(in, depth, out);
    } else {
        in.fail(ErrorKind::Malformed, "unknown object tag " + std::to_string(tag));
    }
}

// The "." block: names, one length each, then that many bytes each, of which
// the first sixteen are time, mode, flags and one word more.
Expected<std::vector<std::pair<std::string, ChildInfo>>, Failure> readInfo(const Bytes& block) {
    constexpr const char* what = "folder information";
    try {
        Reader in(block);
        const std::uint32_t count = in.u32(what);
        if (count > in.remaining() / 8) {
            return malformed("folder information cut short");
        }
        std::vector<std::pair<std::string, ChildInfo>> infos(count);
        for (auto& info : infos) {
            const std::uint32_t length = in.size(what);
            info.first.assign(in.take(length, what).view());
        }
        std::vector<std::uint32_t> lengths(count);
        for (std::uint32_t& length : lengths) {
            length = in.u32(what);
            if (length < 16) {
                return malformed("folder information cut short");
            }
        }
        for (std::size_t i = 0; i < count; ++i) {
            ChildInfo& info = infos[i].second;
            info.modificationTime = in.u32(what);
            info.mode = in.u32(what);
            info.flags = in.u32(what);
            in.take(lengths[i] - 12, what); // one word more, and what follows it
        }
        return infos;
    } catch (const ReadFailure& failure) {
        return ReadError::of(failure.error().kind, failure.what()); // no place: a block of its own
    }
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
            return malformed("unsafe file name in the package");
        }
        if (!seen.insert(name).second) {
            return malformed("file name used twice in the package");
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
        return malformed("folder information is not data");
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
            return malformed("\"" + name + "\" is marked as a folder but holds a file");
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
            return malformed("single-file contents are not data");
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

Expected<FileWrapper, ReadError> readFlatRtfd(const Bytes& bytes) {
    if (bytes.size() < 4 || bytes.view().substr(0, 4) != "rtfd") {
        return ReadError::of(ErrorKind::UnknownFormat, "not a serialized file wrapper");
    }
    Stored root;
    try {
        Reader in(bytes);
        in.take(4, "magic number");
        if (bytes.size() < 8 || in.u32("version") != 0) {
            return ReadError::of(ErrorKind::Unsupported, "unknown file wrapper version");
        }
        readObject(in, 0, root);
        if (in.remaining() != 0) {
            in.fail(ErrorKind::Malformed, "bytes after the file wrapper");
        }
    } catch (const ReadFailure& failure) {
        return failure.error();
    }
    return toWrapper(root);
}

} // namespace scrivlette
