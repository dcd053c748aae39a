#pragma once

#include "platform/rtf/RtfDocument.h"

class QTextDocument;

namespace scrivlette {

// Puts styled paragraphs into a Qt text document, replacing what it held.
void fillTextDocument(QTextDocument& target, const rtf::Document& source);

} // namespace scrivlette
