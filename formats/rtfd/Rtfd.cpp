#include "Rtfd.h"

#include "formats/rtfd/FlatRtfd.h"

namespace scrivlette::formatted {

namespace {

constexpr std::string_view textName = "TXT.rtf";

} // namespace

Expected<FileWrapper, ReadError> readRtfdPackage(const Bytes& flat) {
    auto wrapper = readFlatRtfd(flat);
    if (!wrapper || wrapper->kind == FileWrapper::Kind::directory) {
        return wrapper;
    }
    if (wrapper->kind != FileWrapper::Kind::regularFile) {
        return ReadError::of(ErrorKind::Unsupported, "the RTFD is a symbolic link");
    }
    FileWrapper package;
    package.children.push_back({std::string(textName), std::move(wrapper).value()});
    return package;
}

Expected<Rtfd, ReadError> readRtfd(const Bytes& flat) {
    auto package = readRtfdPackage(flat);
    if (!package) {
        return package.error();
    }
    FileWrapper folder = std::move(package).value();
    Rtfd rtfd;
    bool hasText = false;
    for (FileWrapper::Child& child : folder.children) {
        if (child.wrapper.kind != FileWrapper::Kind::regularFile) {
            continue;
        }
        if (child.name == textName) {
            rtfd.rtf = std::string(child.wrapper.contents.view());
            hasText = true;
        } else {
            rtfd.attachments.push_back({child.name, std::move(child.wrapper.contents)});
        }
    }
    if (!hasText) {
        return ReadError::of(ErrorKind::Malformed, "the RTFD holds no TXT.rtf");
    }
    return rtfd;
}

} // namespace scrivlette::formatted
