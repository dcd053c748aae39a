#pragma once

// The JSON line extract writes for each clipping it meets.

#include <string>
#include <string_view>
#include <vector>

namespace scrivlette::cli {

enum class Status { ok, failed, skipped };

// One line (without its newline): `source`, `status`, `outputs` and, when
// not empty, `reason`; with `source_escaped` / `outputs_escaped` where a
// path is not UTF-8.
std::string reportLine(const std::string& source, Status status,
                       const std::vector<std::string>& outputs, const std::string& reason);

// A path written into JSON: as it is when it is UTF-8; otherwise with every
// byte outside UTF-8, and every "%", as %XX, so it can be found on disk.
std::string escapedPath(std::string_view path);

} // namespace scrivlette::cli
