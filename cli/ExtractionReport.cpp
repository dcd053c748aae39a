#include "ExtractionReport.h"

#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace scrivlette::cli {

std::string escapedPath(std::string_view path) {
    std::string out;
    for (std::size_t at = 0; at < path.size();) {
        const auto byte = static_cast<unsigned char>(path[at]);
        const std::size_t length = utf8SequenceLength(path.substr(at));
        if (length == 0 || byte == '%') {
            static constexpr char hex[] = "0123456789ABCDEF";
            out.push_back('%');
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 0xF]);
            ++at;
            continue;
        }
        out.append(path.substr(at, length));
        at += length;
    }
    return out;
}

std::string reportLine(const std::string& source, Status status,
                       const std::vector<std::string>& outputs, const std::string& reason) {
    nlohmann::ordered_json line;
    line["source"] = source;
    line["status"] = status == Status::ok ? "ok" : status == Status::failed ? "failed" : "skipped";
    line["outputs"] = outputs;
    if (!reason.empty()) {
        line["reason"] = reason;
    }
    // Names that are not UTF-8 cannot travel in JSON as they are.
    if (!isValidUtf8(source)) {
        line["source_escaped"] = escapedPath(source);
    }
    if (std::any_of(outputs.begin(), outputs.end(),
                    [](const std::string& path) { return !isValidUtf8(path); })) {
        std::vector<std::string> escaped;
        escaped.reserve(outputs.size());
        for (const std::string& path : outputs) {
            escaped.push_back(escapedPath(path));
        }
        line["outputs_escaped"] = escaped;
    }
    return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace scrivlette::cli
