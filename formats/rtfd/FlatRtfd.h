#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"
#include "platform/files/FileWrapper.h"

#include <string>

namespace scrivlette {

// Folders nested deeper than this are refused.
inline constexpr std::size_t maxWrapperDepth = 64;

// Unpacks the serialized form of a file wrapper, as "com.apple.flat-rtfd"
// representations hold it, or says why the bytes are not one. File contents
// are slices of `bytes`. A single unsafe name refuses the whole wrapper.
Expected<FileWrapper, ReadError> readFlatRtfd(const Bytes& bytes);

} // namespace scrivlette
