#pragma once

// Whether an ICC profile's tables could be in its bytes, checked before
// Little CMS reads it: Little CMS allocates (and clears) what a lookup
// table's header claims before it finds the table missing, so 744 bytes can
// ask for half a gigabyte.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace scrivlette::image {

// Why the profile is refused, or nothing when every lookup table and curve
// it lists fits in the bytes its tag holds.
std::optional<std::string> implausibleProfile(std::span<const std::uint8_t> profile);

} // namespace scrivlette::image
