#pragma once

#include <string>

namespace scrivlette::formatted {

// Text made from a formatted representation (a type of its own, so that a
// result and a reason cannot be mistaken for each other).
struct PlainText {
    std::string text;
};

} // namespace scrivlette::formatted
