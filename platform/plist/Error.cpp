#include "Error.h"

namespace scrivlette::plist {

std::string Error::describe() const {
    return message + " at byte " + std::to_string(offset);
}

} // namespace scrivlette::plist
