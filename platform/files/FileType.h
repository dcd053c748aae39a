#pragma once

#include "platform/Expected.h"
#include "platform/files/FileError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlette {

// The uniform type identifier of the file at `path`, as macOS derives it
// from the name's extension (compared without regard to case). A directory is
// "public.folder"; an unknown extension gives nothing; a path that cannot be
// examined is an error.
Expected<std::optional<std::string>, FileError> typeIdentifierOfFile(const std::string& path);

// The identifier for an extension alone, or nothing when it is not known.
std::optional<std::string> typeIdentifierForExtension(std::string_view extension);

// The identifier for a classic Mac OS Finder file type ('clpt', 'clpp',
// 'ilht', 'ilma'), for files that carry no extension.
std::optional<std::string> typeIdentifierForFinderType(std::uint32_t fileType);

} // namespace scrivlette
