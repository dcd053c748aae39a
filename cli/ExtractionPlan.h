#pragma once

// What extraction makes of one clipping: which files, with what in them.

#include "model/ClipDetail.h"
#include "model/ClipReading.h"
#include "platform/Bytes.h"
#include "platform/files/FileWrapper.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace scrivlette::cli {

// One file to make for a clipping.
struct Output {
    std::string suffix; // ".txt", ".rtfd", ".public.jpeg.bin" ...
    Bytes bytes;
    std::optional<FileWrapper> folder; // an RTFD, unpacked
    bool decodedPicture = false;       // exempt from the size bound
    std::uintmax_t size() const;
};

// What to make of a clipping, and what could not be made though the rest can.
struct Plan {
    std::vector<Output> outputs;
    std::string note;
};

// The name without its extension.
std::string stem(const std::filesystem::path& file);

// The files for a clipping read from `file`; `all` adds every representation
// as it is stored.
Plan planOutputs(const ClippingFile& clipping, const std::filesystem::path& file, bool all);

} // namespace scrivlette::cli
