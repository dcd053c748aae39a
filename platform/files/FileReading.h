#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/files/FileError.h"

#include <string>

namespace scrivlette {

// Reads the whole regular file at `path` into one shared buffer. The file is
// read, not mapped: its slices outlive the call, and a mapped file that shrinks
// or whose medium goes away would kill the process. Anything but a regular
// file (a FIFO, a device) is refused rather than waited on.
Expected<Bytes, FileError> readWholeFile(const std::string& path);

} // namespace scrivlette
