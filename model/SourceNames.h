#pragma once

#include <map>
#include <string>
#include <vector>

namespace scrivlette {

// What to call each file entries were read from, by its path: its name, and
// where two different files share a name, as much of their folders as tells
// them apart ("Notes.textClipping (Desktop)" beside "Notes.textClipping
// (Downloads)"), as file managers do. An empty path stays empty.
std::map<std::string, std::string> sourceNames(const std::vector<std::string>& paths);

} // namespace scrivlette
