#include "ReadError.h"

namespace scrivlette {

std::string ReadError::describe() const {
    return offset == unplaced ? message : message + " at byte " + std::to_string(offset);
}

} // namespace scrivlette
