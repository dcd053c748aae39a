#include "PictWriter.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>
#include <vector>

namespace scrivlette::image {
namespace {

const Pixel clear{0, 0, 0, 0};

// One family of QuickDraw's drawing opcodes each, on a 20 x 20 frame, and
// the pixels that show QuickDraw's rules: frames inside their shape, the pen
// hanging below and to the right, patterns aligned to the picture.
TEST(Pict, DrawsQuickDrawShapesByItsRules) {
    const auto rect = [](PictWriter& p, int t, int l, int b, int r) -> PictWriter& {
        return p.rect(t, l, b, r);
    };
    const struct {
        const char* name;
        std::function<void(PictWriter&)> draw;
        std::vector<std::tuple<int, int, Pixel>> expected;
    } cases[] = {
        {"paint rect",
         [&](PictWriter& p) { rect(p.op(0x31), 2, 2, 8, 8); },
         {{2, 2, black}, {7, 7, black}, {8, 8, clear}}},
        {"frame rect inside, pen 2",
         [&](PictWriter& p) { rect(p.op(0x07).u16(2).u16(2).op(0x30), 2, 2, 12, 12); },
         {{2, 2, black}, {3, 3, black}, {4, 4, clear}, {11, 11, black}, {12, 12, clear}}},
        {"line, pen below and right",
         [&](PictWriter& p) { p.op(0x20).u16(1).u16(1).u16(1).u16(10); },
         {{1, 1, black}, {10, 1, black}, {11, 1, clear}, {5, 2, clear}}},
        {"oval",
         [&](PictWriter& p) { rect(p.op(0x51), 0, 0, 10, 10); },
         {{5, 5, black}, {0, 0, clear}, {9, 9, clear}}},
        {"8 x 8 pattern, fore and back",
         [&](PictWriter& p) {
             p.op(0x09).u32(0xAA55AA55).u32(0xAA55AA55);
             rect(p.op(0x31), 0, 0, 4, 4);
         },
         {{0, 0, black}, {1, 0, white}, {0, 1, white}, {1, 1, black}}},
        {"xor pen mode",
         [&](PictWriter& p) {
             rect(p.op(0x31), 0, 0, 10, 10);
             rect(p.op(0x08).u16(10).op(0x31), 5, 5, 15, 15);
         },
         {{2, 2, black}, {7, 7, white}, {12, 12, black}}},
        {"bic pen mode, back colour",
         [&](PictWriter& p) {
             rect(p.op(0x31), 0, 0, 10, 10);
             p.op(0x1B).u16(0).u16(0).u16(0xFFFF); // blue background
             rect(p.op(0x08).u16(11).op(0x31), 5, 5, 15, 15);
         },
         {{2, 2, black}, {7, 7, blue}, {12, 12, blue}}},
        {"polygon in the fore colour",
         [&](PictWriter& p) {
             p.op(0x1A).u16(0xFFFF).u16(0).u16(0);
             p.op(0x71).u16(10 + 3 * 4).rect(0, 0, 20, 20);
             p.u16(0).u16(0).u16(0).u16(19).u16(19).u16(0);
         },
         {{2, 8, red}, {18, 18, clear}}},
        {"erase in the back colour",
         [&](PictWriter& p) {
             p.op(0x1B).u16(0).u16(0xFFFF).u16(0);
             rect(p.op(0x32), 0, 0, 5, 5);
         },
         {{2, 2, green}, {6, 6, clear}}},
        {"clip region",
         [&](PictWriter& p) {
             rect(p.op(0x0001).u16(10), 0, 0, 5, 5);
             rect(p.op(0x31), 0, 0, 10, 10);
         },
         {{4, 4, black}, {6, 6, clear}}},
        {"region of two rows",
         [&](PictWriter& p) {
             // Rows 2-3 cover 2..6; from row 4, 4..6 only.
             p.op(0x81).u16(10 + 3 * 8 + 2).rect(2, 2, 6, 6);
             p.u16(2).u16(2).u16(6).u16(0x7FFF);
             p.u16(4).u16(2).u16(4).u16(0x7FFF);
             p.u16(6).u16(4).u16(6).u16(0x7FFF).u16(0x7FFF);
         },
         {{2, 2, black}, {2, 4, clear}, {4, 4, black}, {4, 6, clear}}},
        {"arc from twelve o'clock, 90 degrees",
         [&](PictWriter& p) { rect(p.op(0x61), 0, 0, 20, 20).u16(0).u16(90); },
         {{15, 5, black}, {5, 5, clear}, {15, 15, clear}}},
        {"pixel pattern of one colour",
         [&](PictWriter& p) {
             p.op(0x14).u16(2).u32(0).u32(0).u16(0).u16(0xFFFF).u16(0);
             rect(p.op(0x34), 0, 0, 4, 4);
         },
         {{1, 1, green}}},
        {"round rect's corners",
         [&](PictWriter& p) {
             p.op(0x0B).u16(8).u16(8);
             rect(p.op(0x41), 0, 0, 20, 20);
         },
         {{0, 0, clear}, {10, 0, black}, {0, 10, black}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictWriter pict(2, 20, 20);
        c.draw(pict);
        const auto picture = decode(pict.finish());
        ASSERT_TRUE(picture) << picture.error();
        for (const auto& [x, y, pixel] : c.expected) {
            EXPECT_EQ(pixelAt(*picture, x, y), pixel) << "at " << x << ", " << y;
        }
    }
}

// A type 1 pixel pattern: its own pixel map, tiled over what it fills.
// `rows` are its pixels' colour indices; entries give each index's colour,
// stored out of order (the value field says which index an entry is).
std::string pixelPatternFill(int side, unsigned depth, unsigned rowBytes,
                             const std::vector<std::vector<unsigned>>& rows,
                             const std::vector<std::pair<unsigned, Pixel>>& entries) {
    PictWriter pict(2, side, side);
    const auto width = static_cast<unsigned>(rows.front().size());
    pict.op(0x0014).u16(1).u32(0).u32(0); // type 1, the one-bit form unused
    pict.u16(0x8000 | rowBytes).rect(0, 0, static_cast<int>(rows.size()), static_cast<int>(width));
    pict.pixMap(0, depth, 1);
    pict.u32(0).u16(0).u16(static_cast<unsigned>(entries.size() - 1));
    for (const auto& [index, colour] : entries) {
        pict.u16(index).u16(colour[0] * 257u).u16(colour[1] * 257u).u16(colour[2] * 257u);
    }
    for (const auto& row : rows) {
        std::string bytes(rowBytes, '\0');
        for (unsigned x = 0; x < width; ++x) {
            const unsigned bit = x * depth;
            bytes[bit / 8] = static_cast<char>(static_cast<unsigned char>(bytes[bit / 8]) |
                                               row[x] << (8 - depth - bit % 8));
        }
        // Rows of 8 bytes or more are packed, each after its byte count.
        pict.raw(rowBytes < 8 ? bytes : counted(packRow(bytes)));
    }
    pict.op(0x0034).rect(0, 0, side, side);
    return pict.finish();
}

// A colour chart's cell: round corners of white meeting their neighbours'
// in white crosses, a red heart in blue. Worked out by hand from the
// pattern's bytes: each canvas pixel (x, y) shows the pattern's pixel
// (x mod 8, y mod 8), at any depth and packing, and, as QuickDraw draws
// patterns in the pixels of the device, also when the picture is drawn
// smaller (the pattern is not shrunk with it).
TEST(Pict, PixelPatternsTileAsQuickDrawTilesThem) {
    const std::vector<std::vector<unsigned>> cell = {
        {0, 0, 1, 1, 1, 1, 0, 0}, {0, 1, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 2, 2, 1, 1, 1}, {1, 1, 1, 2, 2, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1},
        {0, 1, 1, 1, 1, 1, 1, 0}, {0, 0, 1, 1, 1, 1, 0, 0},
    };
    const std::vector<std::pair<unsigned, Pixel>> entries = {{2, red}, {0, white}, {1, blue}};
    const Pixel colours[] = {white, blue, red};
    std::vector<std::vector<unsigned>> twoColour = cell;
    for (auto& row : twoColour) {
        for (auto& index : row) {
            index = index == 0 ? 0 : 1;
        }
    }
    const struct {
        const char* name;
        std::string pict;
        const std::vector<std::vector<unsigned>>& expected;
        std::optional<Fit> fit;
    } cases[] = {
        {"8 bits, packed rows", pixelPatternFill(32, 8, 8, cell, entries), cell, std::nullopt},
        {"4 bits, rows as they are", pixelPatternFill(32, 4, 4, cell, entries), cell, std::nullopt},
        {"1 bit, rows padded to a word", pixelPatternFill(32, 1, 2, twoColour, entries), twoColour,
         std::nullopt},
        {"8 bits, drawn at half size", pixelPatternFill(32, 8, 8, cell, entries), cell,
         Fit{16, 16}},
        {"8 bits, a wide chart at a fifth", pixelPatternFill(200, 8, 8, cell, entries), cell,
         Fit{40, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = decodePict(test::bytesOf(c.pict).span(), c.fit);
        ASSERT_TRUE(picture) << picture.error();
        int wrong = 0;
        for (std::uint32_t y = 0; y < picture->height; ++y) {
            for (std::uint32_t x = 0; x < picture->width; ++x) {
                wrong += pixelAt(*picture, x, y) != colours[c.expected[y % 8][x % 8]];
            }
        }
        EXPECT_EQ(wrong, 0) << "of " << picture->width << " x " << picture->height;
    }
}

// Text in a stand-in font; a count past the picture's end is cut; a
// polygon claiming more than the picture holds is refused.
TEST(Pict, DrawsTextAndRefusesLyingShapes) {
    PictWriter text(2, 40, 20);
    text.op(0x000D).u16(14).op(0x0028).u16(15).u16(2).u8(2).raw("Hi");
    const auto picture = decode(text.finish());
    ASSERT_TRUE(picture) << picture.error();
    int dark = 0;
    for (std::uint32_t y = 0; y < 20; ++y) {
        for (std::uint32_t x = 0; x < 40; ++x) {
            dark += pixelAt(*picture, x, y)[3] == 255 && pixelAt(*picture, x, y)[0] < 128;
        }
    }
    EXPECT_GT(dark, 10) << "the glyphs are drawn";

    PictWriter cut(2, 40, 20);
    cut.op(0x0028).u16(15).u16(2).u8(200).raw("Hi");
    const auto cutShort = decode(cut.finish().substr(0, 40 + 10));
    EXPECT_TRUE(cutShort) << cutShort.error();

    PictWriter lying(2, 20, 20);
    lying.op(0x71).u16(60000).rect(0, 0, 20, 20).u32(0);
    const auto refused = decode(lying.finish());
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().describe().find("polygon"), std::string::npos) << refused.error();
}

} // namespace
} // namespace scrivlette::image
