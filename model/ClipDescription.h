#pragma once

#include "model/ClipDetail.h"

#include <optional>
#include <string>
#include <string_view>

namespace scrivlette {

// What an entry is, in words a person reads under its type identifier: its
// kind ("Plain text, UTF-16 little-endian", "Rich text (RTF)", "PICT
// picture") and, for binary kinds, its size in bytes. Unknown identifiers are
// "Data" of their size. The kind is an English literal, marked for
// translation under the "Representation" context.
struct ClipWords {
    const char* kind;
    std::optional<std::size_t> bytes;

    friend bool operator==(const ClipWords& a, const ClipWords& b) {
        return std::string_view(a.kind) == b.kind && a.bytes == b.bytes;
    }
};
ClipWords describeClip(const ClipDetail& clip);

// 1234567 -> "1,234,567".
std::string groupedCount(std::size_t count);

} // namespace scrivlette
