#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"
#include "platform/files/FileWrapper.h"

#include <string>
#include <vector>

namespace scrivlette::formatted {

// A file an RTFD carries beside its text, named as the text refers to it.
struct RtfdAttachment {
    std::string name;
    Bytes bytes;
};

struct Rtfd {
    std::string rtf;
    std::vector<RtfdAttachment> attachments;
};

// A flat RTFD ("com.apple.flat-rtfd") unpacked as an RTFD package: a folder
// as it is stored, or a single file, which is the text itself, as a folder
// holding it as TXT.rtf.
Expected<FileWrapper, ReadError> readRtfdPackage(const Bytes& flat);

// The text of a flat RTFD and the files beside it, or why it has none.
Expected<Rtfd, ReadError> readRtfd(const Bytes& flat);

} // namespace scrivlette::formatted
