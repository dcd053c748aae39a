#include "JsonOutput.h"

#include "platform/text/Base64.h"
#include "platform/text/TextDecoding.h"

#include <array>
#include <nlohmann/json.hpp>
#include <ostream>

namespace scrivlette::cli {
namespace {

// What a byte is written as: 0 as it is, 1 a two-character escape, 2 \u00XX.
constexpr std::array<std::uint8_t, 256> escapes = [] {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 0x20; ++c) {
        table[std::size_t(c)] = 2;
    }
    for (char c : {'"', '\\', '\b', '\f', '\n', '\r', '\t'}) {
        table[static_cast<unsigned char>(c)] = 1;
    }
    return table;
}();

char shortEscape(char c) {
    switch (c) {
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    default:
        return c; // '"' and '\\'
    }
}

// Base64 in pieces of whole groups, so the pieces join into the whole.
void writeBase64(std::ostream& out, std::span<const std::uint8_t> bytes) {
    constexpr std::size_t piece = std::size_t{3} * 16384;
    out << '"';
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        out << encodeBase64(bytes.subspan(at, std::min(piece, bytes.size() - at)));
    }
    out << '"';
}

void writeEntry(std::ostream& out, const ClipDetail& clip) {
    constexpr std::string_view indent = "\n      ";
    out << "{" << indent << "\"id\": ";
    writeJsonString(out, clip.id.toString());
    out << "," << indent << "\"title\": ";
    writeJsonString(out, clip.title);
    out << "," << indent << "\"content\": ";
    writeJsonString(out, clip.content);
    if (clip.data) {
        out << "," << indent << "\"data\": ";
        writeBase64(out, clip.data->span());
    }
    out << "," << indent << "\"useStringForData\": " << (clip.useStringForData ? "true" : "false")
        << "\n    }";
}

} // namespace

void writeJsonString(std::ostream& out, std::string_view text) {
    if (!isValidUtf8(text)) {
        // Rare: the replacement of bad bytes is nlohmann's to match.
        out << nlohmann::json(std::string(text))
                   .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return;
    }
    out << '"';
    std::size_t plain = 0; // start of the run written as it is
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const std::uint8_t kind = escapes[static_cast<unsigned char>(c)];
        if (kind == 0) {
            continue;
        }
        out.write(text.data() + plain, static_cast<std::streamsize>(at - plain));
        plain = at + 1;
        if (kind == 1) {
            const char escaped[2] = {'\\', shortEscape(c)};
            out.write(escaped, 2);
        } else {
            static constexpr char hex[] = "0123456789abcdef";
            const char escaped[6] = {'\\', 'u', '0', '0', hex[(c >> 4) & 0xF], hex[c & 0xF]};
            out.write(escaped, 6);
        }
    }
    out.write(text.data() + plain, static_cast<std::streamsize>(text.size() - plain));
    out << '"';
}

void writeDocumentJson(const ClipInfo& info, const std::vector<bool>& results, std::ostream& out) {
    out << "{\n  \"clippingName\": ";
    writeJsonString(out, info.clippingName());
    out << ",\n  \"clipList\": [";
    bool first = true;
    info.forEachClip([&](const ClipDetail& clip) {
        out << (first ? "\n    " : ",\n    ");
        writeEntry(out, clip);
        first = false;
    });
    out << (first ? "]" : "\n  ]") << ",\n  \"results\": [";
    for (std::size_t i = 0; i < results.size(); ++i) {
        out << (i == 0 ? "" : ",") << (results[i] ? "true" : "false");
    }
    out << "]\n}\n";
}

} // namespace scrivlette::cli
