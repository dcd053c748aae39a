#pragma once

// What desktop search engines ask of a clipping: its text, for Recoll's
// filter, and KDE's KFileMetaData external-extractor answer for Baloo.

#include <iosfwd>
#include <string>
#include <vector>

namespace scrivlette::cli {

// Writes each file's search text (the first text, or a location's address)
// on standard output; a file that does not read is named on standard error.
int printSearchText(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

// Reads KFileMetaData's request ({"path": …, "mimetype": …}) and answers
// {"status": "OK", "properties": {"text": …, "typeInfo": …}}, or a status
// "Failed" with the reason.
int answerKFileMetaData(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace scrivlette::cli
