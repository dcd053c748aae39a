#pragma once

#include "formats/plist/Node.h"

#include <optional>
#include <string_view>

namespace scrivlette::plist {

// The text forms of XML property-list scalars. Surrounding whitespace is
// allowed in each.

// Decimal with an optional sign, or hexadecimal after "0x"; from -2^63 to 2^64 - 1.
std::optional<Integer> parseIntegerText(std::string_view text);
// Decimal or exponent notation, "inf", "infinity" and "nan" with an optional sign.
std::optional<double> parseRealText(std::string_view text);
// "YYYY-MM-DDTHH:MM:SSZ" in UTC.
std::optional<Date> parseDateText(std::string_view text);

} // namespace scrivlette::plist
