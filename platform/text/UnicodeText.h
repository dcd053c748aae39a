#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlette {

// Text compared "as Unicode text": equal when canonically equivalent, so a
// precomposed "é" equals "e" followed by a combining acute accent. Invalid
// UTF-8 never throws; it compares and hashes by its bytes.
bool canonicallyEqual(std::string_view a, std::string_view b);

// Consistent with canonicallyEqual: equivalent texts hash alike.
std::size_t canonicalHash(std::string_view text);

// The canonical decomposition (NFD), or nothing for invalid UTF-8.
std::optional<std::string> canonicalDecomposition(std::string_view text);

// The number of user-perceived characters (extended grapheme clusters).
// Each byte of an invalid sequence counts as one.
std::size_t graphemeCount(std::string_view text);

// The first `count` user-perceived characters of `text` (all of it when shorter).
std::string_view graphemePrefix(std::string_view text, std::size_t count);

} // namespace scrivlette
