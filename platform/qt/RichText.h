#pragma once

#include "formats/rtf/RtfDocument.h"

#include <QUrl>

class QTextDocument;

namespace scrivlette {

// Puts styled paragraphs into a Qt text document, replacing what it held. An
// attachment shows as the image the document has for attachmentUrl(name),
// and not at all when it has none.
void fillTextDocument(QTextDocument& target, const rtf::Document& source);

QUrl attachmentUrl(const std::string& name);

} // namespace scrivlette
