#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <cstdint>
#include <optional>
#include <string>

namespace scrivlette {

// The Finder's four-character codes for a file.
struct FinderInfo {
    std::uint32_t fileType = 0;
    std::uint32_t creator = 0;
};

// What an AppleDouble (or AppleSingle) file carries. Each part is a slice of
// the file's bytes.
struct AppleDouble {
    std::optional<Bytes> resourceFork;
    std::optional<FinderInfo> finderInfo;
    std::optional<Bytes> dataFork; // AppleSingle only
};

// True when `bytes` start with the AppleDouble or AppleSingle magic number.
bool looksLikeAppleDouble(const Bytes& bytes);

// Reads the entry table, checking every offset and length against the file.
Expected<AppleDouble, ReadError> readAppleDouble(const Bytes& bytes);

} // namespace scrivlette
