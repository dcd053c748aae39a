#pragma once

// Colour management through Little CMS: pictures are shown and handed out in
// sRGB, whatever profile they were made in.

#include "platform/image/Image.h"

#include <span>

namespace scrivlette::image {

// Converts `image` from the ICC profile it carries to sRGB, once, and drops
// the profile. A picture without one is taken as sRGB already. A profile that
// is cut, malformed or not for RGB leaves the pixels as stored: a picture
// always shows, at worst in its stored colours.
void convertToSrgb(Image& image);

// An ICC profile for PNG's gAMA and cHRM chunks where a picture has no
// profile of its own; nothing when they describe sRGB or cannot be used.
// `gamma` is the file's encoding gamma (0.45455 for sRGB); `chromaticities`
// are white x, y, then red, green and blue x, y, or empty for sRGB's.
std::vector<std::uint8_t> profileForGamma(double gamma, std::span<const double> chromaticities);

// The largest embedded profile read: real ones are a few kilobytes; a lookup
// table profile rarely passes a megabyte.
inline constexpr std::size_t maxProfileBytes = 4u << 20;

} // namespace scrivlette::image
