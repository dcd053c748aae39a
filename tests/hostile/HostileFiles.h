#pragma once

// Small files that claim far more than they hold, made in memory for the
// tests and benchmarks that check every decoder keeps to its budget.

#include <cstdint>
#include <string>

namespace scrivlette::hostile {

// A progressive JPEG of `width` x `height` and `components` (1 or 3) whose
// `scans` scans hold no data: each still costs a pass over every block.
std::string jpegScanBomb(std::uint16_t width, std::uint16_t height, int scans, int components = 1);

// A version 2 PICT whose `side` x `side` frame holds one 1 x 1 pixel map,
// painted `paints` times, each stretched over `stretch` x `stretch` pixels.
std::string pictFrameBomb(std::uint16_t side, int paints = 1, std::uint16_t stretch = 1);

// A version 2 PICT holding one QuickTime image of `codec` ('jpeg', say),
// `width` x `height` at `depth` bits, its data `data`, followed by the
// opcodes `after` (what QuickTime stores for readers without it).
std::string pictWithQuickTime(const std::string& codec, std::uint16_t width, std::uint16_t height,
                              const std::string& data, std::uint16_t depth = 24,
                              const std::string& after = "");

// Version 2 PICTs of a `side` x `side` frame that ask the drawing engine
// for work no pixel shows:
// a region of `points` inversion points over every row, painted `paints` times;
std::string pictRegionBomb(std::uint16_t side, int points, int paints);
// a wedge of the whole frame, `degrees` wide, painted `paints` times, behind
// an empty clip region when `clipped`;
std::string pictArcBomb(std::uint16_t side, int degrees, int paints, bool clipped);
// a polygon of `points` points zigzagging over the frame, painted `paints`
// times behind an empty clip, or framed once (a line per point);
std::string pictPolygonBomb(std::uint16_t side, int points, int paints, bool framed);
// `texts` lines of 255 characters no font has (the Apple logo, Mac Roman 0xF0).
std::string pictTextBomb(std::uint16_t side, int texts);
// An ICC profile of 744 bytes whose lutAtoB table claims a grid of 255^3
// points with 15 outputs, and a 2 x 2 grey picture carrying it.
std::string iccProfileBomb();
std::string pictProfileBomb();

// A PNG header claiming `side` x `side` RGBA pixels, cut short after it.
std::string pngHeaderBomb(std::uint32_t side);

// A TIFF header claiming `side` x `side` grey pixels in one strip of `stripBytes`.
std::string tiffHeaderBomb(std::uint32_t side, std::uint32_t stripBytes);

} // namespace scrivlette::hostile
