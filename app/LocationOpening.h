#pragma once

#include "platform/Url.h"

#include <QUrl>
#include <functional>
#include <vector>

namespace scrivlette {

// Opening a web or mail location file as the Finder does: its address goes
// straight to the desktop's browser or mail program, with no window. Only
// addresses Open Link would open go; the files left over (not a location,
// not read, an address of another kind, or nobody to open it) are returned,
// for the window to show and say why.
std::vector<Url> openLocations(const std::vector<Url>& files,
                               const std::function<bool(const QUrl&)>& open);

} // namespace scrivlette
