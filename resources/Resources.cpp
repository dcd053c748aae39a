#include "Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

namespace scrivlette {

void initResources() {
    static const bool registered = (registerResources(), true);
    (void)registered;
}

} // namespace scrivlette
