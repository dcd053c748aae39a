#pragma once

// The document as JSON, written as it goes: an entry's text and the base64
// of its bytes can each be hundreds of megabytes, so no entry is built
// whole before it is written. The layout is nlohmann::json's, indent 2.

#include "model/ClipInfo.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace scrivlette::cli {

// `text` as a JSON string, quoted and escaped.
void writeJsonString(std::ostream& out, std::string_view text);

// {"clippingName": …, "clipList": [entries], "results": [read or not, per file]}
void writeDocumentJson(const ClipInfo& info, const std::vector<bool>& results, std::ostream& out);

} // namespace scrivlette::cli
