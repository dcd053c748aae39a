#pragma once

#include "platform/Bytes.h"
#include "platform/Expected.h"
#include "platform/ReadError.h"

#include <string>
#include <vector>

namespace scrivlette::formatted {

// One resource of a web archive: its bytes as stored and how to read them.
struct WebResource {
    Bytes data;
    std::string mimeType;     // "text/html", "image/png" ...
    std::string textEncoding; // "UTF-8", or "" when not given
    std::string url;
};

// A web archive ("com.apple.webarchive"): a binary property list holding the
// page (WebMainResource) and what it shows (WebSubresources).
struct WebArchive {
    WebResource mainResource;
    std::vector<WebResource> subresources;
};

Expected<WebArchive, ReadError> readWebArchive(const Bytes& bytes);

} // namespace scrivlette::formatted
