#pragma once

#include "platform/ReadError.h"

namespace scrivlette::image {

// A picture that asks for more work or memory than it may have: refused
// whole, even after parts of it were drawn.
class BudgetExceeded : public ReadFailure {
public:
    explicit BudgetExceeded(const std::string& message)
        : ReadFailure(message, ErrorKind::TooLarge) {}
};

} // namespace scrivlette::image
