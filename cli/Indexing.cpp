#include "Indexing.h"

#include "CommandLine.h"
#include "model/ClipContent.h"
#include "model/ClipReading.h"
#include "platform/text/TextDecoding.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

namespace scrivlette::cli {
namespace {

// Search engines index the start of a long text; a clipping can hold
// hundreds of megabytes of it.
constexpr std::size_t searchTextLimit = 4 << 20;

struct Searchable {
    std::string text;
    const char* type; // KFileMetaData's type name
};

Expected<Searchable, ReadError> searchableOf(const std::string& path) {
    auto clipping = readClippingFile(path);
    if (!clipping) {
        return clipping.error();
    }
    const char* type = clipping->kind == ClippingKind::picture            ? "Image"
                       : clipping->kind == ClippingKind::internetLocation ? "Document"
                                                                          : "Text";
    return Searchable{std::string(utf8Prefix(searchTextOf(clipping->entries), searchTextLimit)),
                      type};
}

} // namespace

int printSearchText(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
    int status = allRead;
    for (const std::string& file : files) {
        const auto searchable = searchableOf(file);
        if (!searchable) {
            err << "scrivlette-cli: " << file << ": " << searchable.error().message << '\n';
            status = someUnread;
            continue;
        }
        out << searchable->text << '\n';
    }
    return status;
}

int answerKFileMetaData(std::istream& in, std::ostream& out, std::ostream& err) {
    const nlohmann::json request = nlohmann::json::parse(in, nullptr, false);
    const std::string path = request.is_object() ? request.value("path", "") : "";
    const auto searchable = path.empty() ? Expected<Searchable, ReadError>(ReadError::of(
                                               ErrorKind::Malformed, "the request names no path"))
                                         : searchableOf(path);
    nlohmann::json answer;
    if (searchable) {
        answer = {{"status", "OK"},
                  {"properties", {{"text", searchable->text}, {"typeInfo", searchable->type}}}};
    } else {
        answer = {{"status", "Failed"}, {"error", searchable.error().message}};
        err << "scrivlette-cli: " << (path.empty() ? "kfilemetadata" : path) << ": "
            << searchable.error().message << '\n';
    }
    // Text that is not UTF-8 cannot reach JSON; it has been decoded already.
    out << answer.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return searchable ? allRead : someUnread;
}

} // namespace scrivlette::cli
