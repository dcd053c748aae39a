#include "WebArchive.h"

#include "formats/plist/PropertyList.h"

namespace scrivlette::formatted {
namespace {

std::string stringAt(const plist::Dictionary& dictionary, std::string_view key) {
    const plist::Node* node = dictionary.find(key);
    return node && node->asString() ? *node->asString() : std::string();
}

Expected<WebResource, ReadError> readResource(const plist::Node* node, const char* what) {
    const plist::Dictionary* dictionary = node ? node->asDictionary() : nullptr;
    if (!dictionary) {
        return ReadError::of(ErrorKind::Malformed, std::string("web archive without a ") + what);
    }
    const plist::Node* data = dictionary->find("WebResourceData");
    if (!data || !data->asData()) {
        return ReadError::of(ErrorKind::Malformed,
                             std::string("web archive ") + what + " without data");
    }
    return WebResource{*data->asData(), stringAt(*dictionary, "WebResourceMIMEType"),
                       stringAt(*dictionary, "WebResourceTextEncodingName"),
                       stringAt(*dictionary, "WebResourceURL")};
}

} // namespace

Expected<WebArchive, ReadError> readWebArchive(const Bytes& bytes) {
    const auto root = plist::parse(bytes);
    if (!root) {
        ReadError error = root.error();
        error.message = "web archive is not a property list: " + error.message;
        return error;
    }
    const plist::Dictionary* top = (*root)->asDictionary();
    if (!top) {
        return ReadError::of(ErrorKind::Malformed, "web archive is not a dictionary");
    }
    auto main = readResource(top->find("WebMainResource"), "main resource");
    if (!main) {
        return main.error();
    }
    WebArchive archive{std::move(main).value(), {}};
    if (const plist::Node* list = top->find("WebSubresources"); list && list->asArray()) {
        for (const auto& item : *list->asArray()) {
            if (auto resource = readResource(item.get(), "subresource")) {
                archive.subresources.push_back(std::move(resource).value());
            }
        }
    }
    return archive;
}

} // namespace scrivlette::formatted
