#pragma once

// Stepping through the clippings of a folder, as image viewers step through
// pictures: in the order file managers show (natural and regardless of
// case, "Clip 2" before "Clip 10"), passing over companions and files that
// are not clippings.

#include <QString>
#include <optional>

namespace scrivlette {

// File managers' order: runs of digits by their value, the rest without
// regard to case; names equal that way by their exact text.
bool naturallyBefore(const QString& a, const QString& b);

// The clipping after (`step` 1) or before (-1) `file` in its folder, or
// nothing at either end. `file` need not exist any more.
std::optional<QString> neighbourClipping(const QString& file, int step);

} // namespace scrivlette
