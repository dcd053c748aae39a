#pragma once

#include "formats/fork/ResourceFork.h"
#include "formats/plist/Node.h"
#include "model/ClipReading.h"

namespace scrivlette {

// Old clippings keep their representations as resources. This turns them
// into the property list a newer clipping would hold, so the same tables make
// the entries: 'utf8' and 'RTF ' become strings, 'utxt'/'ut16', 'TEXT',
// 'HTML', 'weba' and 'PICT' data, in the order of the 'drag' resource when
// there is one; for a location, 'url ' (or 'TEXT') becomes "URL".
Expected<plist::NodePtr, ReadError>
propertyListFromResources(ClippingKind kind, const std::vector<Resource>& resources);

} // namespace scrivlette
