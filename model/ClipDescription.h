#pragma once

#include "model/ClipDetail.h"

#include <string>

namespace scrivlette {

// What an entry is, in words a person reads under its type identifier:
// "Plain text, UTF-16 little-endian", "Rich text (RTF)", "PICT picture,
// 481,762 bytes". Unknown identifiers get "Data, N bytes".
std::string describeClip(const ClipDetail& clip);

// 1234567 -> "1,234,567".
std::string groupedCount(std::size_t count);

} // namespace scrivlette
